#include "migration/dpr_writer.h"

#include <QStringList>
#include <algorithm>

#include "migration/dfm_values.h"

namespace veldrane::migration {

QString DprText(const DprProject& project) {
  QStringList lines{"program " + project.program_name + u';', "", "{$IFDEF FPC}{$MODE Delphi}{$ENDIF}"};
  // Delphi finds every unit by the program's `in` paths; Free Pascal looks for a unit that
  // another unit uses only in its unit path.
  QStringList folders;
  for (const DprUnit& unit : project.units) {
    const QString folder = unit.path.section(u'/', 0, -2);
    if (!folder.isEmpty() && !folders.contains(folder)) folders.append(folder);
  }
  for (const QString& folder : folders) lines << "{$IFDEF FPC}{$UNITPATH " + folder + "}{$ENDIF}";
  lines << ""
        << "uses"
        << "  {$IFDEF FPC}Interfaces,{$ENDIF}"
        << "  Forms";
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

  // As in VB, only the startup object is created: the other forms are created the first time
  // the code names them (each form unit's instance function).
  const bool any_form = std::any_of(project.units.begin(), project.units.end(),
                                    [](const DprUnit& unit) { return unit.creatable; });
  if (project.sub_main) {
    lines << "  Main;";
    if (any_form) lines << "  if Application.MainForm <> nil then Application.Run;";
  } else {
    if (!project.startup_form.isEmpty()) lines << "  " + project.startup_form + "; // the startup form";
    lines << "  Application.Run;";
  }
  lines << "end."
        << "";
  return lines.join("\r\n");
}

}  // namespace veldrane::migration
