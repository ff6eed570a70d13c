#include "migration/delphi_names.h"

#include "migration/form_design.h"

namespace veldrane::migration {

QString DelphiTypeName(const QString& vb_name) { return u'T' + DelphiIdentifier(vb_name); }

std::vector<MemberNames> NameMembers(const std::vector<MemberNameRequest>& members, QSet<QString> reserved,
                                     QStringList* notes) {
  std::vector<MemberNames> names(members.size());
  for (std::size_t i = 0; i < members.size(); ++i) {
    const MemberNameRequest& member = members[i];
    if (member.kind != MemberKind::kModule) names[i].type = DelphiTypeName(member.vb_name);
    if (member.kind == MemberKind::kForm) names[i].variable = DelphiIdentifier(member.vb_name);
    reserved.insert(names[i].type.toLower());
    reserved.insert(names[i].variable.toLower());
  }
  reserved.remove(QString());
  for (std::size_t i = 0; i < members.size(); ++i) {
    const MemberNameRequest& member = members[i];
    const bool form_like = member.kind == MemberKind::kForm || member.kind == MemberKind::kUserControl;
    const QString wanted = DelphiIdentifier(form_like ? member.file_base : member.vb_name);
    QString unit = wanted;
    if (reserved.contains(unit.toLower())) unit += "Unit";
    const QString base = unit;
    for (int n = 2; reserved.contains(unit.toLower()); ++n) unit = QString("%1_%2").arg(base).arg(n);
    reserved.insert(unit.toLower());
    if (unit != wanted)
      notes->append(
          QString("unit %1 named %2: %1 is the name of another unit, type or form").arg(wanted, unit));
    names[i].unit = unit;
  }
  return names;
}

}  // namespace veldrane::migration
