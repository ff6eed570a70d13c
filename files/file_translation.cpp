#include "files/file_translation.h"

#include "qt_text/utf16.h"

namespace veldrane::files {

SourceText DecodeSource(const QByteArray& bytes, const ConversionSettings& settings) {
  SourceText source;
  DecodedText decoded = DecodeInput(bytes, settings);
  source.input_encoding = decoded.encoding.DisplayName();
  if (const qsizetype nul = FirstNulOffset(bytes, decoded.encoding); nul >= 0) {
    source.error = QString("binary file (NUL at byte offset %1)").arg(nul);
  } else if (decoded.error) {
    source.error = QString("%1 at byte offset %2").arg(decoded.error->cause).arg(decoded.error->byte_offset);
  } else {
    source.text = std::u16string(Utf16View(decoded.text));
  }
  return source;
}

}  // namespace veldrane::files
