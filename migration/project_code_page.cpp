#include "migration/project_code_page.h"

#include <QMap>
#include <QRegularExpression>
#include <algorithm>

#include "files/legacy_detection.h"
#include "files/vb6_code_pages.h"

namespace veldrane::migration {
namespace {

// Bytes that a BOM, the UTF-16 pattern or UTF-8 validity already decide.
bool NeedsCodePage(const QByteArray& bytes) {
  const files::DecodedText decoded = files::DecodeAuto(bytes, files::FallbackLegacyEncoding());
  return decoded.choice == files::DecodedText::Choice::kGiven;
}

// The most frequent Charset of the fonts that names a VB6 code page, or 0.
int FontCharset(const QList<QByteArray>& project_files) {
  // The designer lines are ASCII in every code page VB6 writes.
  static const QRegularExpression kCharset(
      R"(^\s*Charset\s*=\s*(\d+)\s*$)",
      QRegularExpression::MultilineOption | QRegularExpression::CaseInsensitiveOption);
  QMap<int, int> counts;
  for (const QByteArray& bytes : project_files) {
    const QString text = QString::fromLatin1(bytes);
    for (auto it = kCharset.globalMatch(text); it.hasNext();) {
      const int charset = it.next().captured(1).toInt();
      if (files::Vb6CodePageOfCharset(charset)) ++counts[charset];
    }
  }
  int best = 0;
  for (auto it = counts.cbegin(); it != counts.cend(); ++it)
    if (best == 0 || it.value() > counts.value(best)) best = it.key();
  return best;
}

}  // namespace

ProjectCodePage ChooseProjectCodePage(const QList<QByteArray>& project_files,
                                      const std::optional<files::TextEncoding>& given) {
  if (given) return {*given, "given"};
  QList<QByteArray> legacy;
  for (const QByteArray& bytes : project_files)
    if (NeedsCodePage(bytes)) legacy.append(bytes);
  if (const int charset = FontCharset(project_files); charset != 0) {
    const files::TextEncoding hinted = *files::EncodingFromName(files::Vb6CodePageOfCharset(charset)->name);
    const bool decodes = std::all_of(legacy.cbegin(), legacy.cend(), [&](const QByteArray& bytes) {
      return !files::DecodeAs(bytes, hinted).error;
    });
    if (decodes) return {hinted, QString("font Charset %1").arg(charset)};
  }
  if (const auto detected = files::DetectLegacyEncoding(legacy.join("\r\n"))) return {*detected, "detected"};
  return {files::FallbackLegacyEncoding(), legacy.isEmpty() ? "no file needs one" : "no code page detected"};
}

}  // namespace veldrane::migration
