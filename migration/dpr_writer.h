#pragma once

#include <QString>
#include <vector>

namespace veldrane::migration {

struct DprUnit {
  QString unit_name;
  QString path;            // relative to the .dpr, '/' separators
  QString form_name;       // the form's variable for a form unit ("{Form1}" and CreateForm); else empty
  QString form_type;       // "TForm1"
  bool creatable = false;  // a form, created by Application.CreateForm; else a user control's frame
};

struct DprProject {
  QString program_name;  // a Pascal identifier
  QString title;         // may be empty
  std::vector<DprUnit> units;
  QString startup_form;   // the form created first; empty for none
  bool sub_main = false;  // the project starts in Sub Main
};

// The program file: "program", "uses" with every unit "in '<path>'" (forms with their
// "{Name}" comment), Application.Initialize, the title, Application.CreateForm for the
// startup form and then the other forms in project order, and Application.Run. A project
// that starts in Sub Main creates its forms (so that the code finds them as VB did) and
// then calls Main; without forms it does not enter Application.Run. Plain ASCII but for
// non-ASCII file names.
QString DprText(const DprProject& project);

}  // namespace veldrane::migration
