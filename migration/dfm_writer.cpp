#include "migration/dfm_writer.h"

#include <QHash>

namespace veldrane::migration {
namespace {

void WriteObject(QString& out, const FormControl& control, const QString& class_name,
                 const QHash<QString, std::vector<const EventBinding*>>& events, const QString& events_key,
                 int depth) {
  const QString indent(depth * 2, u' ');
  out += indent + QStringLiteral("object %1: %2\r\n").arg(control.name, class_name);
  for (const DfmProperty& property : control.properties)
    out += indent + QStringLiteral("  %1 = %2\r\n").arg(property.name, property.value);
  for (const EventBinding* binding : events.value(events_key))
    out += indent + QStringLiteral("  %1 = %2\r\n").arg(binding->delphi_event, binding->method);
  for (const FormControl& child : control.children)
    WriteObject(out, child, child.delphi_class, events, child.name.toLower(), depth + 1);
  out += indent + QStringLiteral("end\r\n");
}

}  // namespace

QByteArray WriteDfm(const FormDesign& design, const std::vector<EventBinding>& events,
                    const QString& form_type_name) {
  QHash<QString, std::vector<const EventBinding*>> by_component;  // lower-case name; "" for the form
  for (const EventBinding& binding : events) by_component[binding.component.toLower()].push_back(&binding);
  QString out;
  WriteObject(out, design.root, form_type_name, by_component, QString(), 0);
  return out.toLatin1();
}

}  // namespace veldrane::migration
