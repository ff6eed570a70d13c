#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace veldrane::migration {

// The kinds of member a VB6 project lists that are migrated into units.
enum class MemberKind { kForm, kModule, kClass, kUserControl };

QString MemberKindName(MemberKind kind);  // "form", "module", "class", "user control"

struct VbpMember {
  MemberKind kind = MemberKind::kModule;
  QString declared_name;  // "Global" in "Module=Global; Global.bas"; empty for forms
  QString path;           // as written in the project file: backslashes, any case, ".."
  int line = 0;           // 1-based line of the entry in the project file
};

struct VbpProject {
  QString name;                    // Name="..."
  QString title;                   // Title="..."
  QString startup;                 // Startup="frmMain", "Sub Main" or "(None)"; empty when absent
  std::vector<VbpMember> members;  // in the order of the project file
  // Entries naming files this tool does not migrate (property pages, designers, user
  // documents, resource files), as "Key=value (line N)", so that the report lists them.
  QStringList not_migrated;
};

// Reads the text of a .vbp file. Keys are matched in any case; reading stops at the first
// "[Section]" line, after which the IDE keeps tool settings rather than project members.
VbpProject ParseVbp(const QString& text);

// True when `startup` names the Sub Main procedure rather than a form.
bool IsSubMainStartup(const QString& startup);

}  // namespace veldrane::migration
