#include "migration/form_unit.h"

#include <QHash>
#include <QSet>

#include "migration/frx_resources.h"
#include "migration/lcl_layout_text.h"
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

QString PropertyValue(const FormControl& control, const QString& name) {
  for (const DfmProperty& property : control.properties)
    if (property.name == name) return property.value;
  return {};
}

// Whether the LCL lays the form out otherwise than VB: a group box or a main menu.
bool NeedsLclLayout(const FormControl& control) {
  for (const FormControl& child : control.children)
    if (child.delphi_class == u"TGroupBox" || child.delphi_class == u"TMainMenu" || NeedsLclLayout(child))
      return true;
  return false;
}

QStringList ComponentFields(const FormControl& root) {
  QStringList fields;
  AddFields(root, &fields);
  return fields;
}

BuiltUnit BuildFormUnit(const QString& unit_name, const QString& form_name, const FormDesign& design,
                        const EventResolution& events, const ConvertedFile& file,
                        const UnitContext& context) {
  const QString type_name = "T" + form_name;
  QHash<QString, const EventBinding*> binding_of;  // VB routine, lower case -> its binding
  for (const EventBinding& binding : events.wired) {
    if (!binding_of.contains(binding.vb_routine.toLower()))
      binding_of.insert(binding.vb_routine.toLower(), &binding);
  }

  BuiltUnit built;
  const PascalDeclarations declarations = FileDeclarations(file, context.resolve);
  built.not_carried = declarations.not_carried;
  QStringList published = ComponentFields(design.root),
              private_part = Indented(declarations.private_variables),
              public_part = Indented(declarations.public_variables);
  QSet<QString> declared;
  std::vector<TextLine> code = CodeLines(file);
  for (const ConvertedHeader& header : file.headers) {
    const SourceRoutine& routine = file.info.routines[header.routine];
    MethodHeader method;
    QStringList* part = routine.is_public ? &public_part : &private_part;
    if (const EventBinding* binding = binding_of.value(routine.name.toLower())) {
      method = {"procedure", binding->method, binding->parameters, ";", QString()};
      part = &published;
    } else {
      method = VbMethod(file, header, context.resolve, &built.not_carried);
    }
    if (!declared.contains(method.name.toLower())) {
      part->append("    " + Declaration(method));
      declared.insert(method.name.toLower());
    }
    code[header.line].text = RewrittenHeaderLine(code[header.line].text, header, type_name, method);
    ++built.methods;
  }

  const QString base = design.root.delphi_class.isEmpty() ? QString("TForm") : design.root.delphi_class;
  const bool form = base == "TForm";
  if (form) public_part << "    destructor Destroy; override;";
  UnitSkeleton skeleton;
  skeleton.unit_name = unit_name;
  skeleton.interface_uses = QStringList{"SysUtils", "Classes", "Variants", "Graphics", "Controls",
                                        "Forms",    "Dialogs", "StdCtrls", "ExtCtrls", "Menus"} +
                            *context.interface_uses + OcxUnitsFor(design.root);
  skeleton.interface_uses.last() += DelphiPictureUnits(design.root);
  skeleton.implementation_uses = context.other_units;
  for (const QString& unit : *context.interface_uses) skeleton.implementation_uses.removeAll(unit);
  skeleton.interface_lines << Section("const", declarations.public_constants + declarations.private_constants)
                           << "type" << declarations.public_types << declarations.private_types
                           << QString("  %1 = class(%2)").arg(type_name, base) << published;
  if (!private_part.isEmpty()) skeleton.interface_lines << "  private" << private_part;
  if (!public_part.isEmpty()) skeleton.interface_lines << "  public" << public_part;
  const QString client_height = PropertyValue(design.root, "ClientHeight");
  const bool keep_layout = form && !client_height.isEmpty() && NeedsLclLayout(design.root);
  if (keep_layout)
    skeleton.interface_lines << "  {$IFDEF LCL}"
                             << "  protected"
                             << "    VbLayoutKept: Boolean;"
                             << "    procedure DoShow; override;"
                             << "    procedure KeepVbLayoutOnce(Data: PtrInt);"
                             << "  {$ENDIF}";
  skeleton.interface_lines << "  end;";
  skeleton.implementation_lines << "{$R *.dfm}";
  if (form) {
    // VB creates a form the first time the code names it; so does the form's instance function.
    skeleton.interface_lines << "" << QString("function %1: %2;").arg(form_name, type_name);
    skeleton.implementation_lines
        << ""
        << "var" << QString("  AutoInstance: %1;").arg(type_name) << ""
        << QString("function %1: %2;").arg(form_name, type_name) << "begin"
        << QString("  if AutoInstance = nil then Application.CreateForm(%1, AutoInstance);").arg(type_name)
        << "  Result := AutoInstance;"
        << "end;"
        << "" << QString("destructor %1.Destroy;").arg(type_name) << "begin"
        << "  if AutoInstance = Self then AutoInstance := nil;"
        << "  inherited Destroy;"
        << "end;";
  }
  if (keep_layout) {
    skeleton.implementation_lines
        << ""
        << "{$IFDEF LCL}" << QString::fromUtf8(kLclLayoutRoutine).trimmed().split(u'\n') << ""
        << QString("procedure %1.DoShow;").arg(type_name) << "begin"
        << "  inherited DoShow;"
        << "  if VbLayoutKept then Exit;"
        << "  VbLayoutKept := True;"
        << "  Application.QueueAsyncCall(KeepVbLayoutOnce, 0); // once the widgets have their sizes"
        << "end;"
        << "" << QString("procedure %1.KeepVbLayoutOnce(Data: PtrInt);").arg(type_name) << "begin"
        << QString("  KeepVbLayout(Self, %1);").arg(client_height) << "end;"
        << "{$ENDIF}";
  }
  built.unit = AssembleUnit(skeleton, std::move(code), file.eol);
  built.left_as_converted = RoutinesLeftAsConverted(file);
  return built;
}

}  // namespace veldrane::migration
