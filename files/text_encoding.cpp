#include "files/text_encoding.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <cstring>

#include "files/legacy_detection.h"
#include "files/vb6_code_pages.h"
#include "qt_text/utf16.h"

namespace veldrane::files {
namespace {

constexpr char kUtf8Bom[] = "\xEF\xBB\xBF";
constexpr char kUtf16LEBom[] = "\xFF\xFE";
constexpr char kUtf16BEBom[] = "\xFE\xFF";

bool IsHighSurrogate(char16_t u) { return u >= 0xD800 && u <= 0xDBFF; }
bool IsLowSurrogate(char16_t u) { return u >= 0xDC00 && u <= 0xDFFF; }

DecodedText DecodeUtf16(const QByteArray& bytes, qsizetype start, TextEncoding encoding) {
  DecodedText out{{}, encoding, {}};
  const bool le = encoding.kind == TextEncoding::Kind::kUtf16LE;
  const auto* p = reinterpret_cast<const unsigned char*>(bytes.constData());
  const qsizetype n = bytes.size();
  if ((n - start) % 2 != 0) {
    out.error = CodingError{n - 1, "odd number of bytes for UTF-16"};
    return out;
  }
  out.text.resize((n - start) / 2);
  char16_t* units = reinterpret_cast<char16_t*>(out.text.data());
  for (qsizetype i = start, k = 0; i < n; i += 2, ++k) {
    units[k] = le ? char16_t(p[i] | p[i + 1] << 8) : char16_t(p[i] << 8 | p[i + 1]);
  }
  const qsizetype count = out.text.size();
  for (qsizetype k = 0; k < count; ++k) {
    if (IsHighSurrogate(units[k]) && k + 1 < count && IsLowSurrogate(units[k + 1])) {
      ++k;
    } else if (IsHighSurrogate(units[k]) || IsLowSurrogate(units[k])) {
      out.error = CodingError{start + 2 * k, "unpaired UTF-16 surrogate"};
      out.text.clear();
      return out;
    }
  }
  return out;
}

// Offset where the first undecodable sequence starts: the bytes are fed one at a time, and
// the sequence begins right after the last byte that completed a character.
qsizetype FirstUndecodableOffset(const QByteArray& bytes, const QByteArray& name) {
  QStringDecoder decoder(name.constData(), QStringConverter::Flag::ConvertInitialBom);
  qsizetype sequence_start = 0;
  for (qsizetype i = 0; i < bytes.size(); ++i) {
    const QString produced = decoder.decode(QByteArrayView(bytes.constData() + i, 1));
    if (decoder.hasError()) return sequence_start;
    if (!produced.isEmpty()) sequence_start = i + 1;
  }
  return sequence_start;  // a sequence left incomplete at the end
}

DecodedText DecodeNamed(const QByteArray& bytes, const TextEncoding& encoding) {
  DecodedText out{{}, encoding, {}};
  // Stateless: the whole file is one call, so a sequence left incomplete at its end counts.
  QStringDecoder decoder(encoding.name.constData(),
                         QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom);
  out.text = decoder.decode(bytes);
  if (decoder.hasError()) {
    out.error = CodingError{FirstUndecodableOffset(bytes, encoding.name),
                            "bytes not valid in " + encoding.DisplayName()};
    out.text.clear();
  }
  return out;
}

CodingError UnencodableAt(const QString& text, qsizetype index, const TextEncoding& encoding) {
  const char16_t unit = text[index].unicode();
  const bool pair =
      IsHighSurrogate(unit) && index + 1 < text.size() && IsLowSurrogate(text[index + 1].unicode());
  const char32_t c = pair ? QChar::surrogateToUcs4(unit, text[index + 1].unicode()) : char32_t(unit);
  return CodingError{-1, UnencodableMessage(c, std::nullopt, encoding), index};
}

}  // namespace

QString UnencodableMessage(char32_t character, std::optional<qsizetype> line, const TextEncoding& encoding) {
  const bool surrogate = character >= 0xD800 && character <= 0xDFFF;
  const QString what =
      surrogate ? QString("unpaired surrogate")
                : "character U+" + QString::number(uint(character), 16).toUpper().rightJustified(4, '0');
  const QString where = line ? QString(" on line %1").arg(*line) : QString();
  return QString("%1%2 cannot be written in %3").arg(what, where, encoding.DisplayName());
}

QString TextEncoding::DisplayName() const {
  switch (kind) {
    case Kind::kUtf8:
      return "UTF-8";
    case Kind::kUtf16LE:
      return "UTF-16LE";
    case Kind::kUtf16BE:
      return "UTF-16BE";
    case Kind::kNamed:
      break;
  }
  return QString::fromLatin1(name);
}

std::optional<TextEncoding> EncodingFromName(const QString& name) {
  // Qt names some of these converters with an empty or a different name (windows-874,
  // windows-949): they are opened by the table's names, which Qt accepts.
  if (const Vb6CodePage* page = Vb6CodePageNamed(name))
    return TextEncoding{TextEncoding::Kind::kNamed, page->name, false};
  const QByteArray latin = name.toLatin1();
  QStringDecoder probe(latin.constData());
  if (!probe.isValid() || !QStringEncoder(latin.constData()).isValid()) return std::nullopt;
  // A converter without a standard name is kept under the name it was opened by.
  const QByteArray canonical = probe.name() ? QByteArray(probe.name()) : latin;
  if (canonical == "UTF-8") return TextEncoding{TextEncoding::Kind::kUtf8, canonical, false};
  if (canonical == "UTF-16LE") return TextEncoding{TextEncoding::Kind::kUtf16LE, canonical, false};
  if (canonical == "UTF-16BE") return TextEncoding{TextEncoding::Kind::kUtf16BE, canonical, false};
  if (canonical.startsWith("UTF-16")) return std::nullopt;  // byte order must be named
  return TextEncoding{TextEncoding::Kind::kNamed, canonical, false};
}

qsizetype Utf8SequenceLength(QByteArrayView bytes, qsizetype i) {
  const auto* p = reinterpret_cast<const unsigned char*>(bytes.constData());
  const qsizetype n = bytes.size();
  const unsigned char b = p[i];
  if (b < 0x80) return 1;
  qsizetype len = 0;
  unsigned char lo = 0x80, hi = 0xBF;  // allowed range of the second byte
  if (b >= 0xC2 && b <= 0xDF) {
    len = 2;
  } else if (b >= 0xE0 && b <= 0xEF) {
    len = 3;
    if (b == 0xE0) lo = 0xA0;  // overlong
    if (b == 0xED) hi = 0x9F;  // surrogates
  } else if (b >= 0xF0 && b <= 0xF4) {
    len = 4;
    if (b == 0xF0) lo = 0x90;  // overlong
    if (b == 0xF4) hi = 0x8F;  // above U+10FFFF
  } else {
    return 0;
  }
  if (i + len > n) return 0;
  if (p[i + 1] < lo || p[i + 1] > hi) return 0;
  for (qsizetype k = 2; k < len; ++k) {
    if (p[i + k] < 0x80 || p[i + k] > 0xBF) return 0;
  }
  return len;
}

qsizetype FirstInvalidUtf8Offset(QByteArrayView bytes) {
  for (qsizetype i = 0; i < bytes.size();) {
    const qsizetype len = Utf8SequenceLength(bytes, i);
    if (len == 0) return i;
    i += len;
  }
  return -1;
}

DecodedText DecodeAs(const QByteArray& bytes, const TextEncoding& encoding) {
  switch (encoding.kind) {
    case TextEncoding::Kind::kUtf8: {
      DecodedText out{{}, encoding, {}};
      const qsizetype start = encoding.bom ? 3 : 0;
      if (const qsizetype bad = FirstInvalidUtf8Offset(QByteArrayView(bytes).sliced(start)); bad >= 0) {
        out.error = CodingError{start + bad, "invalid UTF-8"};
      } else {
        // fromUtf8 would drop a leading BOM; a forced encoding keeps it as a character.
        out.text = QStringDecoder(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom)
                       .decode(QByteArrayView(bytes).sliced(start));
      }
      return out;
    }
    case TextEncoding::Kind::kUtf16LE:
    case TextEncoding::Kind::kUtf16BE:
      return DecodeUtf16(bytes, encoding.bom ? 2 : 0, encoding);
    case TextEncoding::Kind::kNamed:
      break;
  }
  return DecodeNamed(bytes, encoding);
}

DecodedText DecodeAuto(const QByteArray& bytes, const std::optional<TextEncoding>& legacy) {
  using Choice = DecodedText::Choice;
  const auto decode = [&bytes](const TextEncoding& encoding, Choice choice) {
    DecodedText decoded = DecodeAs(bytes, encoding);
    decoded.choice = choice;
    return decoded;
  };
  if (bytes.startsWith(kUtf8Bom))
    return decode({TextEncoding::Kind::kUtf8, "UTF-8", true}, Choice::kByteOrderMark);
  if (bytes.startsWith(kUtf16LEBom))
    return decode({TextEncoding::Kind::kUtf16LE, "UTF-16LE", true}, Choice::kByteOrderMark);
  if (bytes.startsWith(kUtf16BEBom))
    return decode({TextEncoding::Kind::kUtf16BE, "UTF-16BE", true}, Choice::kByteOrderMark);
  // Before UTF-8: UTF-16 text of ASCII characters is valid UTF-8 too.
  if (const std::optional<TextEncoding> utf16 = DetectUtf16WithoutBom(bytes))
    return decode(*utf16, Choice::kDetected);
  if (FirstInvalidUtf8Offset(bytes) < 0)
    return decode({TextEncoding::Kind::kUtf8, "UTF-8", false}, Choice::kValidUtf8);
  if (legacy) return decode(*legacy, Choice::kGiven);
  if (const std::optional<TextEncoding> detected = DetectLegacyEncoding(bytes))
    return decode(*detected, Choice::kDetected);
  return decode(FallbackLegacyEncoding(), Choice::kFallback);
}

qsizetype FirstNulOffset(const QByteArray& bytes, const TextEncoding& encoding) {
  if (encoding.kind == TextEncoding::Kind::kUtf16LE || encoding.kind == TextEncoding::Kind::kUtf16BE) {
    for (qsizetype i = encoding.bom ? 2 : 0; i + 1 < bytes.size(); i += 2) {
      if (bytes[i] == 0 && bytes[i + 1] == 0) return i;
    }
    return -1;
  }
  const void* nul = std::memchr(bytes.constData(), 0, bytes.size());
  return nul ? static_cast<const char*>(nul) - bytes.constData() : -1;
}

EncodedText Encode(const QString& text, const TextEncoding& encoding) {
  EncodedText out;
  const bool with_bom = encoding.bom && encoding.IsUnicode();
  const char16_t* units = Utf16View(text).data();
  const qsizetype n = text.size();
  // Unicode encodings fail only on a lone surrogate.
  if (encoding.IsUnicode()) {
    for (qsizetype k = 0; k < n; ++k) {
      if (IsHighSurrogate(units[k]) && k + 1 < n && IsLowSurrogate(units[k + 1])) {
        ++k;
      } else if (IsHighSurrogate(units[k]) || IsLowSurrogate(units[k])) {
        out.error = UnencodableAt(text, k, encoding);
        return out;
      }
    }
  }
  switch (encoding.kind) {
    case TextEncoding::Kind::kUtf8:
      if (with_bom) out.bytes.append(kUtf8Bom);
      out.bytes.append(text.toUtf8());  // the text holds no lone surrogate, checked above
      return out;
    case TextEncoding::Kind::kUtf16LE:
    case TextEncoding::Kind::kUtf16BE: {
      const bool le = encoding.kind == TextEncoding::Kind::kUtf16LE;
      if (with_bom) out.bytes.append(le ? kUtf16LEBom : kUtf16BEBom);
      out.bytes.reserve(out.bytes.size() + 2 * n);
      for (qsizetype k = 0; k < n; ++k) {
        const char hi = char(units[k] >> 8), lo = char(units[k] & 0xFF);
        if (le) {
          out.bytes.append(lo).append(hi);
        } else {
          out.bytes.append(hi).append(lo);
        }
      }
      return out;
    }
    case TextEncoding::Kind::kNamed:
      break;
  }
  QStringEncoder encoder(encoding.name.constData());
  out.bytes = encoder.encode(text);
  if (!encoder.hasError()) return out;
  // Find the first character that failed: feed one code point at a time.
  QStringEncoder probe(encoding.name.constData());
  for (qsizetype k = 0; k < n; ++k) {
    const qsizetype width = IsHighSurrogate(units[k]) && k + 1 < n ? 2 : 1;
    const QByteArray ignored = probe.encode(QStringView(text).mid(k, width));  // runs on conversion
    if (probe.hasError()) {
      out.error = UnencodableAt(text, k, encoding);
      break;
    }
    k += width - 1;
  }
  if (!out.error) out.error = CodingError{-1, "text cannot be written in " + encoding.DisplayName()};
  out.bytes.clear();
  return out;
}

}  // namespace veldrane::files
