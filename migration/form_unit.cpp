#include "migration/form_unit.h"

#include <QHash>
#include <QSet>

#include "migration/frx_resources.h"
#include "migration/ocx_controls.h"

namespace veldrane::migration {
namespace {

void AddFields(const FormControl& control, QStringList* fields) {
  for (const FormControl& child : control.children) {
    fields->append(QString("    %1: %2;").arg(child.name, child.delphi_class));
    AddFields(child, fields);
  }
}

}  // namespace

QStringList ComponentFields(const FormControl& root) {
  QStringList fields;
  AddFields(root, &fields);
  return fields;
}

BuiltUnit BuildFormUnit(const QString& unit_name, const QString& form_name, const FormDesign& design,
                        const EventResolution& events, const ConvertedFile& file,
                        const QStringList& other_units) {
  const QString type_name = "T" + form_name;
  QHash<QString, const EventBinding*> binding_of;  // VB routine, lower case -> its binding
  for (const EventBinding& binding : events.wired) {
    if (!binding_of.contains(binding.vb_routine.toLower()))
      binding_of.insert(binding.vb_routine.toLower(), &binding);
  }

  QStringList published = ComponentFields(design.root), private_part, public_part;
  QSet<QString> declared;
  std::vector<TextLine> code = file.lines;
  BuiltUnit built;
  for (const ConvertedHeader& header : file.headers) {
    const SourceRoutine& routine = file.info.routines[header.routine];
    MethodHeader method = PlainMethod(file.lines[header.line], header, routine.name);
    QStringList* part = routine.is_public ? &public_part : &private_part;
    if (const EventBinding* binding = binding_of.value(routine.name.toLower())) {
      method = {"procedure", binding->method, binding->parameters, ";", QString()};
      part = &published;
    }
    if (!declared.contains(method.name.toLower())) {
      part->append("    " + Declaration(method));
      declared.insert(method.name.toLower());
    }
    code[header.line].text = RewrittenHeaderLine(code[header.line].text, header, type_name, method);
    ++built.methods;
  }

  const QString base = design.root.delphi_class.isEmpty() ? QString("TForm") : design.root.delphi_class;
  UnitSkeleton skeleton;
  skeleton.unit_name = unit_name;
  skeleton.interface_uses = {"SysUtils", "Classes",  "Graphics", "Controls", "Forms",
                             "Dialogs",  "StdCtrls", "ExtCtrls", "Menus"};
  skeleton.interface_uses += OcxUnitsFor(design.root);
  skeleton.interface_uses.last() += DelphiPictureUnits(design.root);
  skeleton.interface_lines << "type" << QString("  %1 = class(%2)").arg(type_name, base) << published;
  if (!private_part.isEmpty()) skeleton.interface_lines << "  private" << private_part;
  if (!public_part.isEmpty()) skeleton.interface_lines << "  public" << public_part;
  skeleton.interface_lines << "  end;";
  if (base == "TForm")
    skeleton.interface_lines << ""
                             << "var" << QString("  %1: %2;").arg(form_name, type_name);
  skeleton.implementation_uses = other_units;
  skeleton.implementation_lines << "{$R *.dfm}";
  built.unit = AssembleUnit(skeleton, std::move(code), file.eol);
  built.left_as_converted = RoutinesLeftAsConverted(file);
  return built;
}

}  // namespace veldrane::migration
