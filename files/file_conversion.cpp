#include "files/file_conversion.h"

#include "files/designer_header.h"
#include "files/line_breaks.h"
#include "files/streamed_encoding.h"

namespace veldrane::files {
namespace {

QString AtOffset(const CodingError& error) {
  return QString("%1 at byte offset %2").arg(error.cause).arg(error.byte_offset);
}

QString Described(const DecodedText& decoded) {
  const QString name = decoded.encoding.DisplayName();
  switch (decoded.choice) {
    case DecodedText::Choice::kGiven:
      return name;
    case DecodedText::Choice::kByteOrderMark:
      return name + " (byte order mark)";
    case DecodedText::Choice::kValidUtf8:
      return name;
    case DecodedText::Choice::kDetected:
      return name + " (detected)";
    case DecodedText::Choice::kFallback:
      return name + " (no code page detected)";
  }
  return name;
}

QString BreakName(LineBreaks kind) {
  return kind == LineBreaks::kLf ? "LF" : kind == LineBreaks::kCr ? "CR" : "CR LF";
}

// The encoding error with the line of the input that holds the character, when the input
// holds it (the conversion may have brought it in).
QString UnencodableInInput(const CodingError& error, const QString& converted, const QString& input,
                           const TextEncoding& encoding) {
  if (error.text_index < 0) return error.cause;
  const qsizetype i = error.text_index;
  const bool pair =
      converted[i].isHighSurrogate() && i + 1 < converted.size() && converted[i + 1].isLowSurrogate();
  const QStringView character = QStringView(converted).mid(i, pair ? 2 : 1);
  const char32_t c =
      pair ? QChar::surrogateToUcs4(converted[i], converted[i + 1]) : char32_t(converted[i].unicode());
  const qsizetype found = input.indexOf(character);
  if (found < 0) return error.cause;
  return UnencodableMessage(c, LineNumberAt(input, found), encoding);
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
  outcome.input_encoding = Described(decoded);
  if (const qsizetype nul = FirstNulOffset(bytes, decoded.encoding); nul >= 0) {
    outcome.error = QString("binary file (NUL at byte offset %1)").arg(nul);
    return outcome;
  }
  if (decoded.error) {
    outcome.error = AtOffset(*decoded.error);
    return outcome;
  }

  // The decoded text is the one copy of the input text besides the run's buffer; an error
  // message that needs the input decodes it again.
  QString code = std::move(decoded.text);
  const qsizetype header = settings.whole_file ? 0 : DesignerHeaderLength(code);
  code.remove(0, header);
  LineBreaks written_breaks = LineBreaks::kCrLf;
  if (settings.eol == EolMode::kAuto) {
    const LineBreakCounts counts = CountLineBreaks(code);
    written_breaks = counts.Convention() == LineBreaks::kMixed ? counts.Dominant() : counts.Convention();
    if (counts.Convention() == LineBreaks::kMixed) {
      outcome.warnings.append(QString("mixed line breaks (%1 CR LF, %2 LF, %3 CR): converted with CR LF, "
                                      "written with %4")
                                  .arg(counts.crlf)
                                  .arg(counts.lf)
                                  .arg(counts.cr)
                                  .arg(BreakName(written_breaks)));
    }
    code = ToCrLf(code);
  }

  TextEncoding output = settings.output_encoding.value_or(decoded.encoding);
  output.bom = decoded.encoding.bom && output.IsUnicode();
  // The result is encoded straight out of the run's buffer, piece by piece. The buffer holds
  // its own copy of the text, so the decoded text is let go as soon as the buffer is filled.
  const bool only_header = code.isEmpty();
  StreamedOutput encoded;
  bool result_empty = false;
  RunControls controls = settings.run;
  controls.on_loaded = [&code] { code = QString(); };
  outcome.run =
      RunConversion(std::u16string_view(reinterpret_cast<const char16_t*>(code.utf16()), code.size()),
                    controls, [&](const SourceBuffer& buffer) {
                      result_empty = buffer.Length() == 0;
                      encoded = EncodeBuffer(buffer, written_breaks, output);
                    });
  if (!bytes.isEmpty() && result_empty) {
    outcome.warnings.append(only_header
                                ? QString("the result is empty: the file holds only a designer header")
                                : QString("the result is empty"));
  }
  if (encoded.error) {
    outcome.error =
        UnencodableInInput(*encoded.error, encoded.piece, DecodeInput(bytes, settings).text, output);
    return outcome;
  }
  outcome.output = std::move(encoded.bytes);
  outcome.encoding = output;
  return outcome;
}

}  // namespace veldrane::files
