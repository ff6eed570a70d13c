#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "migration/text_lines.h"

namespace veldrane::migration {

// The parts of a unit that project mode writes around the converted code.
struct UnitSkeleton {
  QString unit_name;
  QStringList interface_uses;
  QStringList interface_lines;  // type and var sections, routine declarations
  QStringList implementation_uses;
  QStringList implementation_lines;  // "{$R *.dfm}"
};

struct UnitText {
  QString text;
  int code_first_line = 0;  // 0-based line of the unit where the converted code begins
};

// "unit X;", the compiler mode for Free Pascal, "interface", its uses and lines,
// "implementation", its uses and lines, then the converted `code` line for line and "end.".
// Every line the skeleton adds ends with `eol`; a converted last line without a line break
// gets one so that "end." stands on its own line.
UnitText AssembleUnit(const UnitSkeleton& skeleton, std::vector<TextLine> code, const QString& eol);

// "uses A, B;" wrapped as Delphi writes it: "uses" on its own line and the names indented.
QStringList UsesClause(const QStringList& units);

}  // namespace veldrane::migration
