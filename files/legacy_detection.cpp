#include "files/legacy_detection.h"

#include <uchardet/uchardet.h>

#include <cstring>
#include <memory>

namespace veldrane::files {
namespace {

struct CodePage {
  const char* detected;  // as uchardet names it
  const char* code_page;
};

// The detector's answers and the VB6 code page each stands for.
constexpr CodePage kCodePages[] = {
    {"WINDOWS-1250", "windows-1250"},
    {"ISO-8859-2", "windows-1250"},
    {"WINDOWS-1251", "windows-1251"},
    {"ISO-8859-5", "windows-1251"},
    {"WINDOWS-1252", "windows-1252"},
    {"ISO-8859-1", "windows-1252"},
    {"ISO-8859-15", "windows-1252"},
    {"WINDOWS-1253", "windows-1253"},
    {"ISO-8859-7", "windows-1253"},
    {"WINDOWS-1254", "windows-1254"},
    {"ISO-8859-9", "windows-1254"},
    {"WINDOWS-1255", "windows-1255"},
    {"ISO-8859-8", "windows-1255"},
    {"WINDOWS-1256", "windows-1256"},
    {"ISO-8859-6", "windows-1256"},
    {"WINDOWS-1257", "windows-1257"},
    {"ISO-8859-13", "windows-1257"},
    {"ISO-8859-4", "windows-1257"},
    {"WINDOWS-1258", "windows-1258"},
    {"TIS-620", "windows-874"},
    {"ISO-8859-11", "windows-874"},
    {"SHIFT_JIS", "Shift_JIS"},
    {"GB18030", "GBK"},
    {"GB2312", "GBK"},
    {"BIG5", "Big5"},
    {"EUC-KR", "windows-949"},
    {"UHC", "windows-949"},
};

struct DetectorDeleter {
  void operator()(uchardet* detector) const { uchardet_delete(detector); }
};

}  // namespace

std::optional<TextEncoding> DetectLegacyEncoding(const QByteArray& bytes) {
  const std::unique_ptr<uchardet, DetectorDeleter> detector(uchardet_new());
  if (!detector || uchardet_handle_data(detector.get(), bytes.constData(), std::size_t(bytes.size())) != 0)
    return std::nullopt;
  uchardet_data_end(detector.get());
  const QByteArray detected = QByteArray(uchardet_get_charset(detector.get())).toUpper();
  for (const CodePage& page : kCodePages) {
    if (detected != page.detected) continue;
    std::optional<TextEncoding> encoding = EncodingFromName(page.code_page);
    if (encoding && !DecodeAs(bytes, *encoding).error) return encoding;
    return std::nullopt;
  }
  return std::nullopt;
}

std::optional<TextEncoding> DetectUtf16WithoutBom(const QByteArray& bytes) {
  const qsizetype units = bytes.size() / 2;
  if (units == 0 || bytes.size() % 2 != 0 || !std::memchr(bytes.constData(), 0, bytes.size()))
    return std::nullopt;
  qsizetype zero_even = 0, zero_odd = 0;
  for (qsizetype i = 0; i < bytes.size(); ++i)
    if (bytes[i] == 0) ++(i % 2 ? zero_odd : zero_even);
  const auto zero_half = [units](qsizetype zeros, qsizetype other) {
    return 2 * zeros >= units && 8 * other <= zeros;
  };
  TextEncoding encoding;
  if (zero_half(zero_odd, zero_even)) {
    encoding.kind = TextEncoding::Kind::kUtf16LE;
    encoding.name = "UTF-16LE";
  } else if (zero_half(zero_even, zero_odd)) {
    encoding.kind = TextEncoding::Kind::kUtf16BE;
    encoding.name = "UTF-16BE";
  } else {
    return std::nullopt;
  }
  const DecodedText decoded = DecodeAs(bytes, encoding);
  if (decoded.error) return std::nullopt;
  for (const QChar c : decoded.text)
    if (c.unicode() < 0x20 && c != u'\t' && c != u'\n' && c != u'\r' && c != u'\f') return std::nullopt;
  return encoding;
}

TextEncoding FallbackLegacyEncoding() { return *EncodingFromName("windows-1252"); }

}  // namespace veldrane::files
