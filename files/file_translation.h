#pragma once

#include <QByteArray>
#include <QString>
#include <optional>
#include <string>

#include "files/file_conversion.h"

namespace veldrane::files {

// An input read for translation: decoded as the exact conversion decodes it (encoding given
// or detected, binary files and invalid bytes refused), designer header and all.
struct SourceText {
  std::u16string text;
  QString input_encoding;        // how it was read, for -v
  std::optional<QString> error;  // the cause; nothing is to be translated
};

SourceText DecodeSource(const QByteArray& bytes, const ConversionSettings& settings);

}  // namespace veldrane::files
