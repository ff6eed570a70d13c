// Feeds arbitrary bytes to the batch converter's reading side, under every encoding it is
// commonly given, and checks what must hold for every file:
//   - a decoding error names an offset inside the bytes, in front of which the bytes decode;
//     a decoded text encodes again, a UTF-8 or UTF-16 one back to the very same bytes;
//   - the UTF-8 check agrees with Qt's decoder and the prefix before a reported error is valid;
//   - a NUL reported by the binary check is there;
//   - a designer header found is a whole number of lines starting with "VERSION "; every line
//     break becomes one CR LF, and a text with one kind of break gets it back exactly;
//   - a small file converted whole writes bytes that read back in the encoding written.
#include <QByteArray>
#include <QString>
#include <QStringDecoder>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <vector>

#include "files/designer_header.h"
#include "files/file_conversion.h"
#include "files/line_breaks.h"
#include "files/text_encoding.h"

namespace veldrane::files {
namespace {

// Files up to this size are also converted whole (the pipeline has a fuzz target of its own).
constexpr qsizetype kConvertBytesLimit = 1024;

void Check(bool holds, const char* what) {
  if (holds) return;
  std::fprintf(stderr, "invariant broken: %s\n", what);
  std::abort();
}

std::vector<TextEncoding> Encodings() {
  std::vector<TextEncoding> encodings;
  for (const char* name : {"utf-8", "utf-16le", "utf-16be", "windows-1252", "shift_jis", "windows-1251",
                           "gbk", "big5", "euc-kr"}) {
    if (std::optional<TextEncoding> encoding = EncodingFromName(name)) {
      encodings.push_back(*encoding);
      if (encoding->IsUnicode()) {
        encoding->bom = true;
        encodings.push_back(*encoding);
      }
    }
  }
  return encodings;
}

bool StartsWithBom(const QByteArray& bytes, const TextEncoding& encoding) {
  switch (encoding.kind) {
    case TextEncoding::Kind::kUtf8:
      return bytes.startsWith("\xEF\xBB\xBF");
    case TextEncoding::Kind::kUtf16LE:
      return bytes.startsWith("\xFF\xFE");
    case TextEncoding::Kind::kUtf16BE:
      return bytes.startsWith("\xFE\xFF");
    case TextEncoding::Kind::kNamed:
      break;
  }
  return false;
}

void CheckDecoding(const QByteArray& bytes, const TextEncoding& encoding, const DecodedText& decoded) {
  const bool utf16 =
      encoding.kind == TextEncoding::Kind::kUtf16LE || encoding.kind == TextEncoding::Kind::kUtf16BE;
  if (decoded.error) {
    const qsizetype offset = decoded.error->byte_offset;
    Check(offset >= 0 && offset < bytes.size(), "a decoding error names an offset outside the bytes");
    Check(decoded.text.isEmpty(), "a failed decoding returns text");
    // The bytes in front of the first bad sequence decode (an odd UTF-16 length is reported
    // at the last byte, before any unpaired surrogate is looked for).
    if (!(utf16 && bytes.size() % 2 != 0)) {
      Check(!DecodeAs(bytes.left(offset), encoding).error, "the bytes before a decoding error do not decode");
    }
    return;
  }
  const EncodedText encoded = Encode(decoded.text, encoding);
  Check(!encoded.error, "a decoded text cannot be encoded again in its encoding");
  if (encoding.IsUnicode()) Check(encoded.bytes == bytes, "a decoded Unicode text encodes to other bytes");
}

void CheckUtf8Validation(const QByteArray& bytes) {
  const qsizetype bad = FirstInvalidUtf8Offset(bytes);
  QStringDecoder qt(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
  const QString reference = qt.decode(bytes);
  Check((bad < 0) == !qt.hasError(), "the UTF-8 check and Qt's decoder disagree");
  if (bad >= 0) {
    Check(bad < bytes.size(), "an invalid UTF-8 offset lies outside the bytes");
    Check(FirstInvalidUtf8Offset(bytes.left(bad)) < 0,
          "the bytes before an invalid UTF-8 offset are invalid");
  }
}

void CheckNul(const QByteArray& bytes, const TextEncoding& encoding) {
  const qsizetype nul = FirstNulOffset(bytes, encoding);
  if (nul < 0) return;
  Check(nul < bytes.size() && bytes[nul] == 0, "a reported NUL is not there");
  if (encoding.kind == TextEncoding::Kind::kUtf16LE || encoding.kind == TextEncoding::Kind::kUtf16BE) {
    Check(nul + 1 < bytes.size() && bytes[nul + 1] == 0 && nul % 2 == 0,
          "a reported UTF-16 NUL is not a unit");
  }
}

void CheckText(const QString& text) {
  const qsizetype header = DesignerHeaderLength(text);
  Check(header >= 0 && header <= text.size(), "a designer header longer than the text");
  if (header > 0) {
    Check(text.startsWith(u"VERSION "), "a designer header that does not start with VERSION");
    Check(header == text.size() || text[header - 1] == u'\n' || text[header - 1] == u'\r',
          "a designer header that ends inside a line");
    Check(!(text[header - 1] == u'\r' && header < text.size() && text[header] == u'\n'),
          "a designer header that ends between CR and LF");
  }
  const LineBreakCounts counts = CountLineBreaks(text);
  const QString crlf = ToCrLf(text);
  const LineBreakCounts after = CountLineBreaks(crlf);
  Check(after.lf == 0 && after.cr == 0 && after.crlf == counts.crlf + counts.lf + counts.cr,
        "a line break is lost, added or left alone on the way to CR LF");
  if (counts.Convention() != LineBreaks::kMixed)
    Check(FromCrLf(crlf, counts.Convention()) == text, "the line-break round trip changes the text");
}

void CheckConversion(const QByteArray& bytes, bool whole_file) {
  ConversionSettings settings;
  settings.whole_file = whole_file;
  const FileOutcome outcome = ConvertBytes(bytes, settings);
  if (outcome.error) return;
  // The result is written in the encoding the input was read in, its BOM kept.
  const TextEncoding written = DecodeAuto(bytes, settings.legacy_encoding).encoding;
  Check(!DecodeAs(outcome.output, written).error, "a converted file does not read back in its encoding");
}

}  // namespace
}  // namespace veldrane::files

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  using namespace veldrane::files;
  static const std::vector<TextEncoding> encodings = Encodings();
  const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));

  CheckUtf8Validation(bytes);
  for (const TextEncoding& encoding : encodings) {
    CheckNul(bytes, encoding);
    if (encoding.bom && !StartsWithBom(bytes, encoding)) continue;  // bom set: the bytes begin with it
    const DecodedText decoded = DecodeAs(bytes, encoding);
    CheckDecoding(bytes, encoding, decoded);
    if (!decoded.error) CheckText(decoded.text);
  }
  const DecodedText automatic = DecodeAuto(bytes, encodings.front());
  if (!automatic.error) CheckText(automatic.text);
  if (bytes.size() <= kConvertBytesLimit) {
    CheckConversion(bytes, false);
    CheckConversion(bytes, true);
  }
  return 0;
}
