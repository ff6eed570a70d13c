#pragma once

#include <QString>
#include <vector>

namespace veldrane::migration {

struct DprUnit {
  QString unit_name;
  QString path;            // relative to the .dpr, '/' separators
  QString form_name;       // the form's instance for a form unit ("{Form1}"); else empty
  bool creatable = false;  // a form (created on first use); else a user control's frame
};

struct DprProject {
  QString program_name;  // a Pascal identifier
  QString title;         // may be empty
  std::vector<DprUnit> units;
  QString startup_form;   // the form created first; empty for none
  bool sub_main = false;  // the project starts in Sub Main
};

// The program file: "program", "uses" with every unit "in '<path>'" (forms with their
// "{Name}" comment), Application.Initialize, the title, then as VB starts a program: the
// startup form created (naming it calls its unit's instance function, so it is created first
// and becomes the main form) and Application.Run; or, for Sub Main, Main called and the run
// loop entered only when Main created a form. The other forms are created when the code first
// names them. Plain ASCII but for non-ASCII file names.
QString DprText(const DprProject& project);

}  // namespace veldrane::migration
