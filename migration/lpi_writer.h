#pragma once
// The Lazarus project file (.lpi) beside a program's .dpr: what Lazarus opens and lazbuild builds.

#include <QString>
#include <QStringList>

#include "migration/dpr_writer.h"

namespace veldrane::migration {

// The .lpi of `project`: the .dpr `dpr_file` as its main file, every unit of the project listed
// (forms with their component name), the LCL package required, Delphi syntax mode and
// `unit_folders` ('/' separators, relative to the .lpi: the runtime units' folder) searched for
// units. The program is built beside the .lpi, its compiled units below lib/.
QString LpiText(const DprProject& project, const QString& dpr_file, const QStringList& unit_folders = {});

}  // namespace veldrane::migration
