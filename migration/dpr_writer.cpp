#include "migration/dpr_writer.h"

#include <QStringList>

#include "migration/dfm_values.h"

namespace veldrane::migration {

QString DprText(const DprProject& project) {
  QStringList lines{
      "program " + project.program_name + u';', "",       "{$IFDEF FPC}{$MODE Delphi}{$ENDIF}", "", "uses",
      "  {$IFDEF FPC}Interfaces,{$ENDIF}",      "  Forms"};
  for (const DprUnit& unit : project.units) {
    lines.back() += u',';
    QString path = unit.path;
    path.replace(u'/', u'\\').replace(u'\'', QStringLiteral("''"));
    QString line = QString("  %1 in '%2'").arg(unit.unit_name, path);
    if (!unit.form_name.isEmpty()) line += " {" + unit.form_name + (unit.creatable ? "}" : ": TFrame}");
    lines.append(line);
  }
  lines.back() += u';';
  lines << ""
        << "begin"
        << "  Application.Initialize;";
  if (!project.title.isEmpty()) lines << "  Application.Title := " + DfmString(project.title) + u';';

  std::vector<const DprUnit*> forms;
  for (const DprUnit& unit : project.units) {
    if (!unit.creatable) continue;
    const bool startup =
        !project.sub_main && unit.form_name.compare(project.startup_form, Qt::CaseInsensitive) == 0;
    forms.insert(startup ? forms.begin() : forms.end(), &unit);
  }
  for (const DprUnit* form : forms)
    lines << QString("  Application.CreateForm(%1, %2);").arg(form->form_type, form->form_name);
  if (project.sub_main) lines << "  Main;";
  if (!project.sub_main || !forms.empty()) lines << "  Application.Run;";
  lines << "end."
        << "";
  return lines.join("\r\n");
}

}  // namespace veldrane::migration
