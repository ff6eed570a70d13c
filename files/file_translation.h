#pragma once

#include <QByteArray>
#include <QString>

#include "files/file_conversion.h"

namespace veldrane::files {

// One file's way through the translator: decode as the exact conversion does, translate the
// module alone into a Pascal unit named `unit_name`, encode as UTF-8. Each construct left
// untranslated becomes a warning "line N: not translated: why".
FileOutcome TranslateBytes(const QByteArray& bytes, const ConversionSettings& settings, const QString& unit_name);

}  // namespace veldrane::files
