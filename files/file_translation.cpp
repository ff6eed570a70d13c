#include "files/file_translation.h"

#include "qt_text/utf16.h"
#include "translation/translator.h"

namespace veldrane::files {

FileOutcome TranslateBytes(const QByteArray& bytes, const ConversionSettings& settings, const QString& unit_name) {
  FileOutcome outcome;
  DecodedText decoded = DecodeInput(bytes, settings);
  outcome.source_encoding = decoded.encoding;
  outcome.input_encoding = decoded.encoding.DisplayName();
  if (const qsizetype nul = FirstNulOffset(bytes, decoded.encoding); nul >= 0) {
    outcome.error = QString("binary file (NUL at byte offset %1)").arg(nul);
    return outcome;
  }
  if (decoded.error) {
    outcome.error = QString("%1 at byte offset %2").arg(decoded.error->cause).arg(decoded.error->byte_offset);
    return outcome;
  }
  translation::SourceFile file{
      std::u16string(Utf16View(decoded.text)),
      unit_name.toStdString()};
  decoded.text = QString();
  translation::TranslatedUnit unit = std::move(translation::TranslateProject({file}).front());
  for (const translation::TranslationNote& note : unit.notes)
    outcome.warnings.append(
        QString("line %1: not translated: %2").arg(note.line).arg(QString::fromStdString(note.message)));
  outcome.output = QByteArray::fromStdString(unit.pascal);
  outcome.encoding = TextEncoding{};
  return outcome;
}

}  // namespace veldrane::files
