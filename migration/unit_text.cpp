#include "migration/unit_text.h"

namespace veldrane::migration {

QStringList UsesClause(const QStringList& units) {
  if (units.isEmpty()) return {};
  return {"uses", "  " + units.join(", ") + u';'};
}

UnitText AssembleUnit(const UnitSkeleton& skeleton, std::vector<TextLine> code, const QString& eol) {
  QStringList head{
      "unit " + skeleton.unit_name + u';', "", "{$IFDEF FPC}{$MODE Delphi}{$ENDIF}", "", "interface", ""};
  if (!skeleton.interface_uses.isEmpty()) head << UsesClause(skeleton.interface_uses) << "";
  if (!skeleton.interface_lines.isEmpty()) head << skeleton.interface_lines << "";
  head << "implementation"
       << "";
  if (!skeleton.implementation_uses.isEmpty()) head << UsesClause(skeleton.implementation_uses) << "";
  if (!skeleton.implementation_lines.isEmpty()) head << skeleton.implementation_lines << "";

  UnitText unit;
  unit.code_first_line = int(head.size());
  if (!code.empty() && code.back().eol.isEmpty()) code.back().eol = eol;
  QString text = head.join(eol) + eol + JoinLines(code) + "end." + eol;
  unit.text = std::move(text);
  return unit;
}

}  // namespace veldrane::migration
