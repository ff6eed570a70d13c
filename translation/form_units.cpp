// A form's unit: its class with the components and the code's routines as methods, the
// adapters the .dfm wires to the Delphi events, and VB's implicit instance; and what code
// does with forms and controls.
#include <cstdio>

#include "translation/control_members.h"
#include "translation/unit_translator.h"

namespace veldrane::translation {
namespace {

std::string Replace(std::string text, const std::string& what, const std::string& with) {
  for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + with.size()))
    text.replace(at, what.size(), with);
  return text;
}

// The component name of a control array's elements without their index: Command1_2 -> Command1.
std::string ArrayBaseName(const FormComponent& c) {
  const size_t underscore = c.name.rfind('_');
  return underscore == std::string::npos ? c.name : c.name.substr(0, underscore);
}

// What a VB event handler's parameters receive from the Delphi event's, in order (a control
// array's handler takes the element's index first), and what goes back after the call.
struct EventParameters {
  const char* vb_event;
  const char* values;  // Pascal per VB parameter, '|'-separated
  const char* back;    // '|'-separated, "" where nothing goes back; `$p` the VB parameter
};

const EventParameters kEventParameters[] = {
    {"KeyPress", "Ord(Key)", "if $p = 0 then Key := #0 else Key := Char($p)"},
    {"KeyDown", "Key|VbShiftMask(Shift)", "Key := $p|"},
    {"KeyUp", "Key|VbShiftMask(Shift)", "Key := $p|"},
    {"MouseDown", "VbMouseButtonMask(Button)|VbShiftMask(Shift)|VbEventX(Sender, X)|VbEventY(Sender, Y)", ""},
    {"MouseUp", "VbMouseButtonMask(Button)|VbShiftMask(Shift)|VbEventX(Sender, X)|VbEventY(Sender, Y)", ""},
    {"MouseMove", "VbMouseButtonsHeld(Shift)|VbShiftMask(Shift)|VbEventX(Sender, X)|VbEventY(Sender, Y)", ""},
    // UnloadMode: 1 (vbFormCode) when the code's Unload closes the form, else 0 (closed by the user).
    {"QueryUnload", "0|_UnloadMode", "CanClose := $p = 0|"},
    {"Unload", "0", "if $p <> 0 then Action := caNone else Action := caFree"},
};

// "$n", a pattern's n-th argument (built by appending: GCC 12 at -O3 warns wrongly about
// "$" + std::to_string(n)).
std::string Placeholder(size_t n) {
  std::string text = "$";
  text += std::to_string(n);
  return text;
}

std::vector<std::string> Split(const char* text) {
  std::vector<std::string> parts;
  std::string_view rest = text;
  if (rest.empty()) return parts;
  while (true) {
    const size_t bar = rest.find('|');
    parts.emplace_back(rest.substr(0, bar));
    if (bar == std::string_view::npos) break;
    rest.remove_prefix(bar + 1);
  }
  return parts;
}

}  // namespace

Value UnitTranslator::FormInstance(const ModuleSymbols& form) {
  uses_forms_ = true;
  Value v;
  v.type.base = VbType::kObject;
  v.type.name = form.vb_name;
  v.type.control_class = "TForm";
  if (&form != &module_) used_units_.insert(form.unit_name);
  v.text = form.form->instance_name;
  return v;
}

Value UnitTranslator::ComponentOf(const ModuleSymbols& form, const std::string& owner,
                                  std::u16string_view name, bool* found) {
  Value v;
  *found = false;
  for (const FormComponent& c : form.form->components) {
    if (!vb::NamesEqual(c.vb_name, name)) continue;
    *found = true;
    v.type.base = VbType::kObject;
    v.type.control_class = c.delphi_class;
    if (c.index >= 0) {
      v.type.control_array = true;
      const std::string base = ArrayBaseName(c);
      v.type.name = std::u16string(base.begin(), base.end());
      v.text = owner.empty() ? "Self" : owner;
    } else {
      v.text = owner.empty() ? c.name : owner + "." + c.name;
      v.is_lvalue = false;
    }
    return v;
  }
  return v;
}

Value UnitTranslator::FormName(std::u16string_view name, bool* found) {
  *found = true;
  if (module_.form) {
    Value component = ComponentOf(module_, "", name, found);
    if (*found) return component;
    *found = true;
    // A user control's code names itself UserControl.
    if (vb::NamesEqual(name, u"Me") ||
        (module_.form->base_class == "TFrame" && vb::NamesEqual(name, u"UserControl"))) {
      Value me;
      me.text = "Self";
      me.type.base = VbType::kObject;
      me.type.name = module_.vb_name;
      me.type.control_class = "TForm";
      return me;
    }
  }
  // Forms have an implicit instance; user controls only the ones their forms hold.
  if (const ModuleSymbols* form = project_.FindForm(name); form && form->form->base_class == "TForm")
    return FormInstance(*form);
  for (const char* object : {"App", "Screen", "Clipboard", "Forms"}) {
    if (!vb::NamesEqual(std::u16string(object, object + std::char_traits<char>::length(object)), name))
      continue;
    Value v;
    v.type.base = VbType::kObject;
    v.type.control_class = object;
    return v;
  }
  // A member of the form itself, as VB lets its code name them without Me.
  if (module_.form && FindControlMember(module_.form->base_class, name)) {
    Value me;
    me.text = "Self";
    me.type.base = VbType::kObject;
    me.type.name = module_.vb_name;
    me.type.control_class = "TForm";
    return ControlAccess(me, name, nullptr, 0);
  }
  *found = false;
  return Value{};
}

Value UnitTranslator::ControlElement(const Value& array, const std::vector<vb::Argument>& args, int line) {
  Value v;
  v.type.base = VbType::kObject;
  v.type.control_class = array.type.control_class;
  if (args.size() != 1 || !args[0].value) {
    Note(line, "a control array element takes one index");
    return v;
  }
  v.text = "(VbControlElement(" + array.text + ", '" + Utf8(array.type.name) + "', " +
           AsInteger(Expr(*args[0].value)) + ") as " + array.type.control_class + ")";
  return v;
}

Value UnitTranslator::ControlAccess(const Value& object, std::u16string_view name,
                                    const std::vector<vb::Argument>* args, int line) {
  if (object.type.control_class != "App") uses_forms_ = true;
  static const std::vector<vb::Argument> kNoArgs;
  const std::vector<vb::Argument>& list = args ? *args : kNoArgs;
  Value v;
  if (object.type.control_array) {
    const std::string call = "(" + object.text + ", '" + Utf8(object.type.name) + "')";
    const std::string key = Utf8(vb::NameKey(name));
    if (key == "item" || key.empty()) return ControlElement(object, list, line);
    v.type = TypeInfo::Of(key == "count" ? VbType::kInteger : VbType::kLong);
    if (key == "count" || key == "ubound" || key == "lbound")
      v.text = (key == "count"    ? "VbControlCount"
                : key == "ubound" ? "VbControlUBound"
                                  : "VbControlLBound") +
               call;
    else
      Note(line, "member " + Utf8(name) + " of a control array");
    return v;
  }
  // A form of the project: its components, then its own public variables and routines.
  if (const ModuleSymbols* form = project_.FindForm(object.type.name);
      form && object.type.control_class == "TForm" && !name.empty()) {
    bool found = false;
    Value component = ComponentOf(*form, object.text == "Self" ? "" : object.text, name, &found);
    if (found && component.type.control_array && !list.empty()) return ControlElement(component, list, line);
    if (found) return component;
    if (const Symbol* member = form->Find(name); member && (member->is_public || form == &module_)) {
      const std::string prefix = object.text == "Self" ? "" : object.text + ".";
      if (member->kind == SymbolKind::kVariable) {
        v.text = prefix + member->pascal;
        v.type = member->type;
        v.is_lvalue = true;
        return args && !args->empty() ? Index(v, *args, line) : v;
      }
      if (member->kind == SymbolKind::kProcedure) {
        // A property is assigned through its Let or Set, read through its Get.
        const vb::ProcedureKind kind = member->procedure->procedure_kind;
        const bool write_only =
            kind == vb::ProcedureKind::kPropertyLet || kind == vb::ProcedureKind::kPropertySet;
        if (!write_only) v = CallRoutine(*member, prefix, list, line);
        v.type = member->type;
        const auto properties = form->properties.find(vb::NameKey(name));
        if (properties != form->properties.end() && list.empty())
          for (const vb::ProcedureStmt* p : properties->second)
            if (p->procedure_kind != vb::ProcedureKind::kPropertyGet)
              v.setter = prefix + (p->procedure_kind == vb::ProcedureKind::kPropertyLet ? "Let_" : "Set_") +
                         member->pascal + "($v)";
        return v;
      }
    }
  }
  // A user control of the project is a frame: it has what every control has.
  const ModuleSymbols* project_form = project_.FindForm(object.type.name);
  const std::string table_class = object.type.control_class == "TForm" && project_form
                                      ? project_form->form->base_class
                                      : object.type.control_class;
  const ControlMember* row = FindControlMember(table_class, name);
  if (!row) {
    // Named by the VB class: a control without counterpart is a TPanel standing in for it.
    std::string vb_class = table_class;
    for (const auto& m : project_.modules)
      for (const FormComponent& c : m->form ? m->form->components : std::vector<FormComponent>{})
        if (object.text == c.name || object.text.ends_with("." + c.name)) vb_class = c.vb_class;
    Note(line, (name.empty() ? std::string("the default property") : Utf8(name)) + " of " + vb_class +
                   " is not translated");
    v.text = object.text + "." + PascalName(Utf8(name));
    return v;
  }
  if (!list.empty() && !*row->arguments && row->type == 'O') {
    // ListItems(2): the object's default member takes the arguments.
    const Value collection = ControlAccess(object, name, nullptr, line);
    return ControlAccess(collection, u"", &list, line);
  }
  const std::string row_get = row->get ? row->get : "", row_set = row->set ? row->set : "";
  // The arguments, converted to the types the row gives.
  const std::string types = row->arguments;
  const size_t optional_from = types.find('|');
  std::string all;
  std::vector<std::string> texts;
  size_t slot = 0;
  for (const vb::Argument& a : list) {
    while (slot < types.size() && types[slot] == '|') ++slot;
    if (slot >= types.size()) {
      Note(line, "too many arguments to " + Utf8(name));
      break;
    }
    ++slot;
    TypeInfo type = ArgumentType(types[slot - 1]);
    if (types[slot - 1] == 'F') type.base = VbType::kObject, type.control_class = "TForm";
    texts.push_back(a.value ? Convert(Expr(*a.value), type) : "");
    all += (all.empty() ? "" : ", ") + texts.back();
  }
  const size_t required = optional_from == std::string::npos ? types.size() : optional_from;
  if (texts.size() < required) Note(line, "an argument of " + Utf8(name) + " missing");
  // Every argument given must reach the Pascal; one left out must not be needed there.
  for (const std::string* pattern : {&row_get, &row_set})
    for (size_t i = 0; i < texts.size() && !pattern->empty(); ++i) {
      const bool used =
          pattern->find(Placeholder(i + 1)) != std::string::npos || pattern->find("$*") != std::string::npos;
      if (!texts[i].empty() && !used)  // reported; the rest of the statement stands
        notes_.push_back(
            {line, "argument " + std::to_string(i + 1) + " of " + Utf8(name) + " is not carried"});
      if (texts[i].empty() && used) Note(line, "an argument of " + Utf8(name) + " left out");
    }
  auto fill = [&](std::string pattern) {
    pattern = Replace(pattern, "$o", object.text);
    pattern = Replace(pattern, "$n", Utf8(name));
    pattern = Replace(pattern, "$*", all);
    for (size_t i = 0; i < texts.size(); ++i) pattern = Replace(pattern, Placeholder(i + 1), texts[i]);
    // Optional arguments left out: the pattern's list ends where the arguments do.
    for (size_t i = texts.size() + 1; i <= 9; ++i) {
      std::string listed = ", ";
      listed += Placeholder(i);
      pattern = Replace(Replace(pattern, listed, ""), Placeholder(i), "");
    }
    return Replace(Replace(pattern, ", )", ")"), "()", "");
  };
  if (row->type == 'O') {
    v.type.base = VbType::kObject;
    v.type.control_class = row->object_class;
  } else {
    v.type = row->type == '-' ? TypeInfo::Of(VbType::kVoid) : ArgumentType(row->type);
  }
  if (row->get) {
    v.text = fill(row->get);
  } else {
    v.text = object.text + "." + PascalName(Utf8(name));
    if (!assigning_) Note(line, Utf8(name) + " is not read in the translation, only assigned");
  }
  if (row->set) v.setter = fill(row->set);
  // The routines the unit writes for what the libraries lack.
  for (const auto& [routine, helper] : {std::pair{"_GetProp", Helper::kLateBound},
                                        {"SubItem", Helper::kListItems},
                                        {"_AddListItem", Helper::kListItems},
                                        {"_ShowDialog", Helper::kDialogs},
                                        {"CancelError", Helper::kDialogs}})
    if (row_get.find(routine) != std::string::npos || row_set.find(routine) != std::string::npos)
      helpers_.insert(helper);
  return v;
}

Value UnitTranslator::Defaulted(const Value& value) {
  if (value.type.control_class.empty() || value.type.is_array) return value;
  if (value.type.control_array || value.type.control_class == "TForm" ||
      !FindControlMember(value.type.control_class, u"")) {
    return value;
  }
  return ControlAccess(value, u"", nullptr, 0);
}

bool UnitTranslator::LoadStatement(const vb::CallStmt& stmt, PascalWriter& out) {
  if (stmt.callee->kind != vb::ExprKind::kName || stmt.args.size() != 1 || !stmt.args[0].value) return false;
  const std::u16string& verb = stmt.callee->As<vb::NameExpr>().name;
  const bool load = vb::NamesEqual(verb, u"Load");
  if (!load && !vb::NamesEqual(verb, u"Unload")) return false;
  const vb::Expr& target = *stmt.args[0].value;
  if (target.kind == vb::ExprKind::kCall) {
    const auto& call = target.As<vb::CallExpr>();
    const Value array = Expr(*call.callee);
    if (array.type.control_array && call.args.size() == 1 && call.args[0].value) {
      Flush(out);
      out.Line(std::string(load ? "VbLoadControl(" : "VbUnloadControl(") + array.text + ", '" +
               Utf8(array.type.name) + "', " + AsInteger(Expr(*call.args[0].value)) + ");");
      return true;
    }
  }
  const Value form = Expr(target);
  if (form.type.control_class != "TForm") {
    Note(stmt.line, std::string(load ? "Load" : "Unload") + " of something that is not a form or control");
    return true;
  }
  Flush(out);
  // Naming the form loads it (its instance function creates it).
  if (load) {
    out.Line(form.text + ";");
  } else if (project_.FindForm(form.type.name)) {
    out.Line(form.text + "._UnloadByCode;");  // its QueryUnload sees vbFormCode
  } else {
    out.Line("VbUnloadForm(" + form.text + ");");
  }
  return true;
}

bool UnitTranslator::ForEachControl(const vb::ForEachStmt& stmt, const Value& element, const Value& group,
                                    PascalWriter& out) {
  const bool controls = group.type.control_class == "Controls";
  if (!group.type.control_array && !controls) return false;
  if (element.type.control_class.empty()) {
    Untranslated(stmt, SourceLine(stmt.line), "For Each over controls with an element that is not a control",
                 out);
    return true;
  }
  Flush(out);
  TypeInfo component;
  component.base = VbType::kObject;
  component.control_class = "TComponent";
  const std::string item = NewTemp(component);
  if (controls) helpers_.insert(Helper::kFormControls);
  const std::string elements = controls
                                   ? "_FormControls(" + group.text + ")"
                                   : "VbControlElements(" + group.text + ", '" + Utf8(group.type.name) + "')";
  out.Line("for " + item + " in " + elements + " do");
  out.Line("begin");
  out.Indent();
  out.Line(element.text + " := " + PascalType(element.type) + "(" + item + ");");
  ForEachBody(stmt, out);
  return true;
}

std::string UnitTranslator::EventAdapter(const FormEvent& event, const std::string& class_name,
                                         PascalWriter& code) {
  const std::string adapter = "_" + Utf8(event.vb_routine);
  const Symbol* handler = module_.Find(event.vb_routine);
  if (!handler || !handler->procedure) return "";
  const vb::ProcedureStmt& p = *handler->procedure;
  const std::u16string vb_event = event.vb_routine.substr(event.vb_routine.rfind(u'_') + 1);
  std::vector<std::string> values, back;
  for (const EventParameters& row : kEventParameters) {
    if (!vb::NamesEqual(
            std::u16string(row.vb_event, row.vb_event + std::char_traits<char>::length(row.vb_event)),
            vb_event))
      continue;
    values = Split(row.values);
    back = Split(row.back);
  }
  bool in_array = false;
  for (const FormComponent& c : module_.form->components)
    in_array |= c.name == event.component && c.index >= 0;
  if (in_array) {
    values.insert(values.begin(), "(Sender as TComponent).Tag");
    back.insert(back.begin(), "");
  }
  if (p.params.size() != values.size()) {
    notes_.push_back({p.line, Utf8(event.vb_routine) + " has not the parameters of its event: not wired"});
    return "";
  }
  code.Line("procedure " + class_name + "." + adapter + event.parameters + ";");
  // Each VB parameter a variable of its declared type, so ByRef ones can go back to the event.
  std::string arguments;
  std::vector<Value> parameters;
  if (!p.params.empty()) code.Line("var");
  for (size_t i = 0; i < p.params.size(); ++i) {
    const vb::Parameter& param = p.params[i];
    Value v;
    v.text = "P" + std::to_string(i);
    v.type = ResolveType(param.type, param.suffix, param.name, module_, project_);
    v.is_lvalue = true;
    parameters.push_back(v);
    code.Line("  " + v.text + ": " + PascalType(v.type) + ";");
    arguments += (i ? ", " : "") + v.text;
  }
  code.Line("begin");
  for (size_t i = 0; i < values.size(); ++i) {
    Value delphi;  // coordinates are Singles, everything else whole numbers
    delphi.text = values[i];
    delphi.type = ArgumentType(values[i].find("VbEvent") != std::string::npos ? 'G' : 'L');
    code.Line("  " + parameters[i].text + " := " + Convert(delphi, parameters[i].type) + ";");
  }
  const std::string call = handler->pascal + (arguments.empty() ? "" : "(" + arguments + ")") + ";";
  if (event.component.empty() &&
      (vb::NamesEqual(vb_event, u"QueryUnload") || vb::NamesEqual(vb_event, u"Unload"))) {
    // A statement left untranslated must not keep the form from closing: it is listed, the close goes on.
    code.Line("  try");
    code.Line("    " + call);
    code.Line("  except");
    code.Line("    on E: EVbNotTranslated do VbReportNotTranslated(E);");
    code.Line("  end;");
  } else {
    code.Line("  " + call);
  }
  for (size_t i = 0; i < back.size(); ++i)
    if (!back[i].empty())
      code.Line("  " + Replace(back[i], "$p", Convert(parameters[i], ArgumentType('L'))) + ";");
  if (vb::NamesEqual(vb_event, u"Unload") && event.component.empty())
    code.Line("  if Action = caFree then _ClosedForm;");
  code.Line("end;");
  code.Line("");
  return adapter;
}

void UnitTranslator::WriteForm(PascalWriter& out) {
  const FormDescription& form = *module_.form;
  const std::string& tname = form.class_name;
  PascalWriter decl, impl, code, fields, methods, adapters;
  WriteDeclarations(decl, impl);
  declaring_ = true;
  for (const vb::StmtPtr& s : module_.tree->body) {
    if (s->kind == vb::StmtKind::kProcedure) {
      methods.Line(Header(s->As<vb::ProcedureStmt>(), "", true));
    } else if (s->kind == vb::StmtKind::kVariables) {
      for (const vb::VarDeclarator& v : s->As<vb::VariablesStmt>().variables) {
        if (const Symbol* sym = module_.Find(v.name))
          fields.Line(sym->pascal + ": " + PascalType(sym->type) + ";");
        if (v.with_events && !project_.FindClass(v.type.name))
          notes_.push_back({v.line, "WithEvents of a class outside the project: " + Utf8(v.name) +
                                        "'s events are not delivered"});
      }
    }
  }
  const std::vector<EventSink> sinks = WithEventsSinks(tname, fields);
  declaring_ = false;
  // Every form closes as VB unloads it: freed, its instance cleared, unless Unload cancels.
  bool unload_wired = false;
  for (const FormEvent& event : form.events) {
    // A control array's elements share one handler, and so one adapter.
    std::string adapter;
    for (const FormEvent& e : wired_events_)
      if (e.vb_routine == event.vb_routine && e.delphi_event == event.delphi_event) adapter = e.handler;
    if (adapter.empty()) {
      adapter = EventAdapter(event, tname, code);
      if (adapter.empty()) continue;
      adapters.Line("procedure " + adapter + event.parameters + ";");
    }
    FormEvent wired = event;
    wired.handler = adapter;
    unload_wired |= event.component.empty() && event.delphi_event == "OnClose";
    wired_events_.push_back(wired);
  }
  // Initialize runs when the form object is created, before its controls are (see Create).
  const bool is_form = form.base_class == "TForm";
  const Symbol* initialize = module_.Find(is_form ? u"Form_Initialize" : u"UserControl_Initialize");
  if (initialize && !initialize->procedure) initialize = nullptr;
  for (const std::u16string& routine : form.unwired)
    if (const Symbol* handler = module_.Find(routine); handler && handler->procedure && handler != initialize)
      notes_.push_back({handler->procedure->line,
                        Utf8(routine) + " handles an event the control has not in Delphi: not wired"});
  if (!unload_wired && form.base_class == "TForm") {
    const std::string parameters = "(Sender: TObject; var Action: TCloseAction)";
    adapters.Line("procedure _FormClose" + parameters + ";");
    code.Line("procedure " + tname + "._FormClose" + parameters + ";");
    code.Line("begin");
    code.Line("  Action := caFree;");
    code.Line("  _ClosedForm;");
    code.Line("end;");
    code.Line("");
    wired_events_.push_back({u"", "", "OnClose", parameters, "_FormClose"});
  }
  for (const vb::StmtPtr& s : module_.tree->body) WriteCodeMember(*s, tname, code);
  auto lines = [](const std::string& text, PascalWriter& into) {
    for (size_t start = 0; start < text.size();) {
      const size_t end = text.find('\n', start);
      into.Line(text.substr(start, end - start));
      start = end + 1;
    }
  };
  out.Line("interface");
  out.Line("");
  std::string uses = UsesClause(true);
  std::string library;
  for (const char* unit : kFormUnits) library += std::string(unit) + ", ";
  for (const std::string& unit : form.units)
    if (library.find(unit + ",") == std::string::npos) library += unit + ", ";
  uses.insert(uses.size() - 1, form.uses_suffix);
  if (!uses_interaction_) library += "VrInteraction, ";  // MsgBox, InputBox and the rest
  out.Line("uses " + library + "VrForms, " + uses.substr(5));
  out.Line("");
  out.Line(decl.Take());
  out.Line("type");
  out.Indent();
  out.Line(tname + " = class(" + form.base_class + ")");
  out.Indent();
  for (const FormComponent& c : form.components) out.Line(c.name + ": " + c.delphi_class + ";");
  lines(adapters.Take(), out);
  out.Outdent();
  if (is_form) {
    out.Line("private");
    out.Indent();
    out.Line("_UnloadMode: SmallInt;");
    out.Line("procedure _ClosedForm;");
    out.Outdent();
  }
  // Containers' scales are set as the form is read, before Form_Load runs; VB's layout is put back
  // once the form is first shown (see VbKeepLayoutOnShow).
  std::vector<std::string> scales;
  if (form.scale_mode != 1)
    scales.push_back("VbSetScaleMode(Self, " + std::to_string(form.scale_mode) + ");");
  for (const FormComponent& c : form.components)
    if (c.scale_mode != 1)
      scales.push_back("VbSetScaleMode(" + c.name + ", " + std::to_string(c.scale_mode) + ");");
  const bool keep_layout = is_form && form.vb_client_height > 0;
  if (!scales.empty() || keep_layout) {
    out.Line("protected");
    out.Indent();
    if (keep_layout) out.Line("_LayoutKept: Boolean;");
    if (!scales.empty()) out.Line("procedure Loaded; override;");
    if (keep_layout) out.Line("procedure DoShow; override;");
    out.Outdent();
  }
  out.Line("public");
  out.Indent();
  lines(fields.Take(), out);
  if (is_form) out.Line("procedure _UnloadByCode;");
  out.Line("constructor Create(AOwner: TComponent); override;");
  out.Line("destructor Destroy; override;");
  lines(methods.Take(), out);
  out.Outdent();
  out.Line("end;");
  out.Line("");
  WriteSinkClasses(sinks, tname, out, code);
  out.Outdent();
  out.Line("");
  if (is_form) {
    out.Line("// VB's implicit instance: created when the code first names the form.");
    out.Line("function " + form.instance_name + ": " + tname + ";");
    out.Line("");
  }
  out.Line("implementation");
  out.Line("");
  out.Line("{$R *.dfm}");
  out.Line("");
  if (const std::string others = UsesClause(false); !others.empty()) out.Line(others);
  if (is_form || !static_vars_.empty()) out.Line("var");
  if (is_form) out.Line("  _Instance: " + tname + ";");
  for (const std::string& v : static_vars_) out.Line("  " + v);
  out.Line("");
  out.Line(impl.Take());
  WriteHelpers(out);
  if (is_form) {
    out.Line("function " + form.instance_name + ": " + tname + ";");
    out.Line("begin");
    out.Line("  if _Instance = nil then Application.CreateForm(" + tname + ", _Instance);");
    out.Line("  Result := _Instance;");
    out.Line("end;");
    out.Line("");
  }
  out.Line("constructor " + tname + ".Create(AOwner: TComponent);");
  out.Line("begin");
  for (const vb::StmtPtr& s : module_.tree->body) {
    if (s->kind != vb::StmtKind::kVariables) continue;
    for (const vb::VarDeclarator& v : s->As<vb::VariablesStmt>().variables)
      if (const Symbol* sym = module_.Find(v.name))
        for (const std::string& line : InitLines(sym->pascal, v, sym->type, false)) out.Line("  " + line);
  }
  if (initialize) {
    // As for the events: a statement left untranslated is listed and the form still loads.
    out.Line("  try");
    out.Line("    " + initialize->pascal + ";");
    out.Line("  except");
    out.Line("    on E: EVbNotTranslated do VbReportNotTranslated(E);");
    out.Line("  end;");
  }
  for (const EventSink& sink : sinks)
    out.Line("  " + sink.field + "_Sink := " + sink.class_name + ".Create(Self);");
  out.Line("  inherited Create(AOwner);");
  out.Line("end;");
  out.Line("");
  if (!scales.empty()) {
    out.Line("procedure " + tname + ".Loaded;");
    out.Line("begin");
    out.Line("  inherited Loaded;");
    for (const std::string& line : scales) out.Line("  " + line);
    out.Line("end;");
    out.Line("");
  }
  if (keep_layout) {
    out.Line("procedure " + tname + ".DoShow;");
    out.Line("begin");
    out.Line("  inherited DoShow;");
    out.Line("  if _LayoutKept then Exit;");
    out.Line("  _LayoutKept := True;");
    out.Line("  VbKeepLayoutOnShow(Self, " + std::to_string(form.vb_client_height) + ");");
    out.Line("end;");
    out.Line("");
  }
  out.Line("destructor " + tname + ".Destroy;");
  out.Line("begin");
  if (is_form) out.Line("  _ClosedForm;");
  for (const EventSink& sink : sinks)
    out.Line("  if " + sink.field + " <> nil then " + sink.field + "._Unadvise(" + sink.field + "_Sink);");
  out.Line("  inherited Destroy;");
  out.Line("end;");
  out.Line("");
  if (is_form) WriteUnloadRoutines(tname, out);
  out.Line(code.Take());  // a form's variables are its fields: nothing to initialise in the unit
  out.Line("end.");
}

void UnitTranslator::WriteUnloadRoutines(const std::string& tname, PascalWriter& out) {
  out.Line("procedure " + tname + "._UnloadByCode;");
  out.Line("begin");
  out.Line("  _UnloadMode := 1;");
  out.Line("  try");
  out.Line("    VbUnloadForm(Self);");
  out.Line("  finally");
  out.Line("    _UnloadMode := 0;  // a closed form is freed only once its events are done");
  out.Line("  end;");
  out.Line("end;");
  out.Line("");
  out.Line("// Unloaded: the next use of the implicit instance loads a new form.");
  out.Line("procedure " + tname + "._ClosedForm;");
  out.Line("begin");
  out.Line("  if _Instance = Self then _Instance := nil;");
  out.Line("end;");
  out.Line("");
}

}  // namespace veldrane::translation
