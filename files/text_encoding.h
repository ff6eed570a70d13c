#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <optional>

namespace veldrane::files {

// An encoding a file is read or written in. UTF-8 and UTF-16 are handled here so that
// every invalid sequence is reported with its byte offset; any other name goes to Qt's
// converters (ICU-backed: windows-1252, shift_jis, ...).
struct TextEncoding {
  enum class Kind { kUtf8, kUtf16LE, kUtf16BE, kNamed };
  Kind kind = Kind::kUtf8;
  QByteArray name;   // kNamed: the name its converters are opened by (see EncodingFromName)
  bool bom = false;  // a byte order mark precedes the text (read) / is to be written

  bool IsUnicode() const { return kind != Kind::kNamed; }
  QString DisplayName() const;
};

// Resolves a user-given encoding name ("utf-8", "UTF-16LE", "windows-1252", "shift_jis");
// nullopt when this machine's converters do not know it. A VB6 code page gets its name from
// vb6_code_pages.h, whatever alias was given; any other one Qt's canonical name, or the name
// as given when Qt has none for it.
std::optional<TextEncoding> EncodingFromName(const QString& name);

// Where decoding or encoding failed, for a one-line message.
struct CodingError {
  qsizetype byte_offset = -1;  // decoding: offset of the offending byte sequence
  QString cause;
  qsizetype text_index = -1;  // encoding: index of the character that cannot be written
};

// "character U+65E5 on line 3 cannot be written in windows-1252" (the line left out when
// nullopt); a surrogate is named an unpaired surrogate.
QString UnencodableMessage(char32_t character, std::optional<qsizetype> line, const TextEncoding& encoding);

struct DecodedText {
  // How the encoding was chosen.
  enum class Choice { kGiven, kByteOrderMark, kValidUtf8, kDetected, kFallback };

  QString text;
  TextEncoding encoding;  // the encoding actually used, with bom set when one was removed
  std::optional<CodingError> error;
  Choice choice = Choice::kGiven;
};

// Length of the well-formed UTF-8 sequence starting at `i`, or 0 when none starts there.
qsizetype Utf8SequenceLength(QByteArrayView bytes, qsizetype i);

// Offset of the first byte that does not belong to a well-formed UTF-8 sequence (overlong
// forms, surrogates and values above U+10FFFF included), or -1 for valid UTF-8.
qsizetype FirstInvalidUtf8Offset(QByteArrayView bytes);

// Decodes with `encoding`. With encoding.bom set the bytes begin with a BOM of that
// encoding, which is skipped; otherwise a BOM is an ordinary character (U+FEFF).
DecodedText DecodeAs(const QByteArray& bytes, const TextEncoding& encoding);

// A BOM (UTF-8, UTF-16 LE/BE) decides and is removed; else UTF-16 told by its zero bytes;
// else UTF-8 when the bytes are valid UTF-8; else `legacy`, or when it is nullopt the
// detected code page, or windows-1252 when none is detected (legacy_detection.h).
DecodedText DecodeAuto(const QByteArray& bytes, const std::optional<TextEncoding>& legacy);

// Offset of the first NUL that marks the bytes as binary rather than text, or -1. In UTF-16
// a NUL is a zero code unit, not a zero byte.
qsizetype FirstNulOffset(const QByteArray& bytes, const TextEncoding& encoding);

struct EncodedText {
  QByteArray bytes;
  std::optional<CodingError> error;
};

// Encodes `text`, with a leading BOM when encoding.bom is set and the encoding is a Unicode
// one. A character the encoding cannot hold (or a lone surrogate) is an error naming it,
// without a line (the caller knows which lines to count).
EncodedText Encode(const QString& text, const TextEncoding& encoding);

}  // namespace veldrane::files
