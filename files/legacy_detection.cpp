#include "files/legacy_detection.h"

#include <uchardet/uchardet.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

#include "files/unlikely_characters.h"
#include "files/vb6_code_pages.h"

namespace veldrane::files {
namespace {

struct DetectedName {
  const char* detected;  // as uchardet names it
  int code_page;
};

// The detector's answers and the VB6 code page each stands for.
constexpr DetectedName kDetectedNames[] = {
    {"WINDOWS-1250", 1250}, {"ISO-8859-2", 1250},   {"WINDOWS-1251", 1251}, {"ISO-8859-5", 1251},
    {"WINDOWS-1252", 1252}, {"ISO-8859-1", 1252},   {"ISO-8859-15", 1252},  {"WINDOWS-1253", 1253},
    {"ISO-8859-7", 1253},   {"WINDOWS-1254", 1254}, {"ISO-8859-9", 1254},   {"WINDOWS-1255", 1255},
    {"ISO-8859-8", 1255},   {"WINDOWS-1256", 1256}, {"ISO-8859-6", 1256},   {"WINDOWS-1257", 1257},
    {"ISO-8859-13", 1257},  {"ISO-8859-4", 1257},   {"WINDOWS-1258", 1258}, {"TIS-620", 874},
    {"ISO-8859-11", 874},   {"SHIFT_JIS", 932},     {"GB18030", 936},       {"GB2312", 936},
    {"BIG5", 950},          {"EUC-KR", 949},        {"UHC", 949},
};

// The detector's multi-byte answers are reliable when the bytes decode in them; its
// single-byte ones are guesses (short Japanese text comes back as windows-1252).
bool IsMultiByte(int code_page) {
  return code_page == 932 || code_page == 936 || code_page == 949 || code_page == 950;
}

struct DetectorDeleter {
  void operator()(uchardet* detector) const { uchardet_delete(detector); }
};

QByteArray DetectorAnswer(const QByteArray& bytes) {
  const std::unique_ptr<uchardet, DetectorDeleter> detector(uchardet_new());
  if (!detector || uchardet_handle_data(detector.get(), bytes.constData(), std::size_t(bytes.size())) != 0)
    return {};
  uchardet_data_end(detector.get());
  return QByteArray(uchardet_get_charset(detector.get())).toUpper();
}

// The lines that hold bytes beyond ASCII, up to 128 KiB: what tells the code pages apart.
QByteArray LinesBeyondAscii(const QByteArray& bytes) {
  constexpr qsizetype kMaxSample = qsizetype(128) << 10;
  QByteArray sample;
  for (qsizetype start = 0; start < bytes.size() && sample.size() < kMaxSample;) {
    qsizetype end = bytes.indexOf('\n', start);
    end = end < 0 ? bytes.size() : end + 1;
    const QByteArrayView line = QByteArrayView(bytes).sliced(start, end - start);
    if (std::any_of(line.begin(), line.end(), [](char b) { return b & 0x80; })) sample.append(line);
    start = end;
  }
  return sample;
}

struct Candidate {
  TextEncoding encoding;
  Plausibility judged;
  int rank;  // the detector's answer 0, windows-1252 1, then the table's order
};

}  // namespace

std::optional<TextEncoding> DetectLegacyEncoding(const QByteArray& bytes) {
  const QByteArray answer = DetectorAnswer(bytes);
  int answered = 0;
  for (const DetectedName& name : kDetectedNames)
    if (answer == name.detected) answered = name.code_page;
  const auto encoding_of = [](int code_page) { return *EncodingFromName("cp" + QString::number(code_page)); };
  if (IsMultiByte(answered) && !DecodeAs(bytes, encoding_of(answered)).error) return encoding_of(answered);

  // A weak answer: the VB6 code page whose reading holds the fewest unlikely characters wins;
  // on a tie the one whose Latin letters fit one language's alphabet best, then the
  // detector's answer. IBM852 is the detector's name for Baltic and Central European text
  // alike: it stands for windows-1250 and 1257, the bytes choosing between them.
  const bool ibm852 = answer == "IBM852";
  const QByteArray sample = LinesBeyondAscii(bytes);
  std::vector<Candidate> candidates;
  int order = 2;
  for (const Vb6CodePage& page : Vb6CodePages()) {
    const TextEncoding encoding = encoding_of(page.number);
    const DecodedText decoded = DecodeAs(sample, encoding);
    if (decoded.error) continue;
    const bool named = page.number == answered || (ibm852 && (page.number == 1250 || page.number == 1257));
    const int rank = named ? 0 : page.number == 1252 ? 1 : order++;
    candidates.push_back({encoding, JudgeDecoding(decoded.text), rank});
  }
  std::sort(candidates.begin(), candidates.end(), [](const Candidate& a, const Candidate& b) {
    if (a.judged.unlikely != b.judged.unlikely) return a.judged.unlikely < b.judged.unlikely;
    if (a.judged.outside_alphabet != b.judged.outside_alphabet)
      return a.judged.outside_alphabet < b.judged.outside_alphabet;
    return a.rank < b.rank;
  });
  for (const Candidate& candidate : candidates) {
    // Nothing named and windows-1252 as good as any: that is the fallback, not a finding.
    if (answered == 0 && !ibm852 && candidate.rank == 1) return std::nullopt;
    if (!DecodeAs(bytes, candidate.encoding).error) return candidate.encoding;
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
    return 4 * zeros >= units && 8 * other <= zeros;
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
