#include "migration/vbp_file.h"

#include <QRegularExpression>

namespace veldrane::migration {
namespace {

QString Unquoted(QString value) {
  value = value.trimmed();
  if (value.size() >= 2 && value.startsWith(u'"') && value.endsWith(u'"'))
    value = value.mid(1, value.size() - 2);
  return value;
}

// "Name; path" for modules and classes; a form or user control gives the path alone.
void SplitNameAndPath(const QString& value, QString* name, QString* path) {
  const qsizetype semicolon = value.indexOf(u';');
  if (semicolon < 0) {
    *path = value.trimmed();
    return;
  }
  *name = value.left(semicolon).trimmed();
  *path = value.mid(semicolon + 1).trimmed();
}

}  // namespace

QString MemberKindName(MemberKind kind) {
  switch (kind) {
    case MemberKind::kForm:
      return "form";
    case MemberKind::kModule:
      return "module";
    case MemberKind::kClass:
      return "class";
    case MemberKind::kUserControl:
      return "user control";
  }
  return {};
}

bool IsSubMainStartup(const QString& startup) {
  return startup.simplified().compare("Sub Main", Qt::CaseInsensitive) == 0;
}

VbpProject ParseVbp(const QString& text) {
  static const QRegularExpression kLineBreak("\r\n|\r|\n");
  VbpProject project;
  const QStringList lines = text.split(kLineBreak);
  for (int i = 0; i < lines.size(); ++i) {
    const QString line = lines[i].trimmed();
    if (line.startsWith(u'[')) break;
    const qsizetype equals = line.indexOf(u'=');
    if (equals <= 0) continue;
    const QString key = line.left(equals).trimmed().toLower();
    const QString value = line.mid(equals + 1);
    auto add_member = [&](MemberKind kind) {
      VbpMember member{kind, {}, {}, i + 1};
      SplitNameAndPath(value, &member.declared_name, &member.path);
      member.path = Unquoted(member.path);
      if (!member.path.isEmpty()) project.members.push_back(std::move(member));
    };
    if (key == "form") {
      add_member(MemberKind::kForm);
    } else if (key == "module") {
      add_member(MemberKind::kModule);
    } else if (key == "class") {
      add_member(MemberKind::kClass);
    } else if (key == "usercontrol") {
      add_member(MemberKind::kUserControl);
    } else if (key == "propertypage" || key == "designer" || key == "userdocument" || key == "resfile32" ||
               key == "relateddoc") {
      project.not_migrated.append(QString("%1 (line %2)").arg(line).arg(i + 1));
    } else if (key == "name") {
      project.name = Unquoted(value);
    } else if (key == "title") {
      project.title = Unquoted(value);
    } else if (key == "startup") {
      project.startup = Unquoted(value);
    }
  }
  return project;
}

}  // namespace veldrane::migration
