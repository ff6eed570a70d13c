#include "files/file_conversion.h"

#include "files/designer_header.h"
#include "files/line_breaks.h"

namespace veldrane::files {
namespace {

QString AtOffset(const CodingError& error) {
  return QString("%1 at byte offset %2").arg(error.cause).arg(error.byte_offset);
}

}  // namespace

DecodedText DecodeInput(const QByteArray& bytes, const ConversionSettings& settings) {
  return settings.input_encoding ? DecodeAs(bytes, *settings.input_encoding)
                                 : DecodeAuto(bytes, settings.legacy_encoding);
}

FileOutcome ConvertBytes(const QByteArray& bytes, const ConversionSettings& settings) {
  FileOutcome outcome;
  DecodedText decoded = DecodeInput(bytes, settings);
  outcome.source_encoding = decoded.encoding;
  if (const qsizetype nul = FirstNulOffset(bytes, decoded.encoding); nul >= 0) {
    outcome.error = QString("binary file (NUL at byte offset %1)").arg(nul);
    return outcome;
  }
  if (decoded.error) {
    outcome.error = AtOffset(*decoded.error);
    return outcome;
  }

  QString code = std::move(decoded.text);
  if (!settings.whole_file) code.remove(0, DesignerHeaderLength(code));
  const LineBreaks convention = settings.eol == EolMode::kAuto ? DetectLineBreaks(code) : LineBreaks::kCrLf;
  code = ToCrLf(code, convention);

  outcome.run = RunConversion(
      std::u16string_view(reinterpret_cast<const char16_t*>(code.utf16()), code.size()), settings.run);
  const QString converted = FromCrLf(
      QString(reinterpret_cast<const QChar*>(outcome.run.text.data()), qsizetype(outcome.run.text.size())),
      convention);

  TextEncoding output = settings.output_encoding.value_or(decoded.encoding);
  output.bom = decoded.encoding.bom && output.IsUnicode();
  EncodedText encoded = Encode(converted, output);
  if (encoded.error) {
    outcome.error = encoded.error->cause;
    return outcome;
  }
  outcome.output = std::move(encoded.bytes);
  outcome.encoding = output;
  return outcome;
}

}  // namespace veldrane::files
