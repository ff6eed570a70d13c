#include "translation/unit_translator.h"
#include "vb/tree_walk.h"

namespace veldrane::translation {
namespace {

constexpr const char* kRuntimeUnits[] = {"SysUtils",  "Variants",      "VrErrors", "VrStrings",
                                         "VrConvert", "VrVariants",    "VrDates",  "VrFormat",
                                         "VrFiles",   "VrCollections", "VrSystem", "VrConstants"};

bool IsProperty(vb::ProcedureKind kind) {
  return kind == vb::ProcedureKind::kPropertyGet || kind == vb::ProcedureKind::kPropertyLet ||
         kind == vb::ProcedureKind::kPropertySet;
}

std::string Guid(std::u16string_view name) {
  uint64_t h1 = 1469598103934665603ull, h2 = 7809847782465536322ull;
  for (char16_t c : vb::NameKey(name)) {
    h1 = (h1 ^ c) * 1099511628211ull;
    h2 = (h2 ^ c) * 6364136223846793005ull + 1442695040888963407ull;
  }
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "{%08X-%04X-%04X-%04X-%012llX}", unsigned(h1 >> 32),
                unsigned((h1 >> 16) & 0xFFFF), unsigned(h1 & 0xFFFF), unsigned(h2 >> 48),
                static_cast<unsigned long long>(h2 & 0xFFFFFFFFFFFFull));
  return buffer;
}

}  // namespace

const char* const kFormUnits[12] = {"Classes",  "Graphics", "Controls", "Forms",   "StdCtrls", "ExtCtrls",
                                    "ComCtrls", "Dialogs",  "Menus",    "Clipbrd", "Grids",    "TypInfo"};

UnitTranslator::UnitTranslator(const ProjectSymbols& project, const ModuleSymbols& module,
                               std::u16string_view source, SharedDeclarations& shared)
    : project_(project), module_(module), shared_(shared) {
  size_t start = 0;
  while (start <= source.size()) {
    size_t end = source.find_first_of(u"\r\n", start);
    if (end == std::u16string_view::npos) end = source.size();
    source_lines_.emplace_back(source.substr(start, end - start));
    if (end < source.size() && source[end] == u'\r' && end + 1 < source.size() && source[end + 1] == u'\n')
      ++end;
    start = end + 1;
  }
}

std::string UnitTranslator::ClassInterfaceName(std::u16string_view vb_class) const {
  const ModuleSymbols* c = project_.FindClass(vb_class);
  return "I" + Utf8(c ? c->vb_name : std::u16string(vb_class));
}

std::string UnitTranslator::ClassImplementationName(std::u16string_view vb_class) {
  const ModuleSymbols* c = project_.FindClass(vb_class);
  if (c && c != &module_) used_units_.insert(c->unit_name);
  return "T" + Utf8(c ? c->vb_name : std::u16string(vb_class));
}

std::string UnitTranslator::ElementPascalType(const TypeInfo& type) {
  switch (type.base) {
    case VbType::kRecord: {
      const Symbol* s = Lookup(type.name);
      if (s && s->module && s->module != &module_ && shared_.unit_name.empty()) {
        if (declaring_) interface_units_.insert(s->module->unit_name);
        used_units_.insert(s->module->unit_name);
        return s->module->unit_name + "." + s->pascal;
      }
      return s ? s->pascal : PascalName(Utf8(type.name));
    }
    case VbType::kObject:
      if (type.is_collection) return "IVbCollection";
      if (!type.control_class.empty()) {
        uses_forms_ = true;
        const ModuleSymbols* form = project_.FindForm(type.name);
        if (!form || type.control_class != "TForm") return type.control_class;
        if (form != &module_) (declaring_ ? interface_units_ : used_units_).insert(form->unit_name);
        return form->form->class_name;
      }
      if (const ModuleSymbols* c = project_.FindClass(type.name)) {
        if (c != &module_ && declaring_ && shared_.unit_name.empty()) interface_units_.insert(c->unit_name);
        if (c != &module_ && shared_.unit_name.empty()) used_units_.insert(c->unit_name);
        return ClassInterfaceName(type.name);
      }
      return "IInterface";
    default:
      return PascalTypeName(type.base);
  }
}

std::string UnitTranslator::PascalType(const TypeInfo& type) {
  std::string element = ElementPascalType(type);
  if (!type.is_array) return element;
  const int dims = std::max(1, type.dims);
  if (dims == 1 && type.base == VbType::kString) return "TVbStringArray";
  std::string text = element;
  for (int i = 0; i < dims; ++i) text = "TArray<" + text + ">";
  return text;
}

std::string UnitTranslator::ZeroValue(const TypeInfo& type) {
  if (type.is_array) return "";
  switch (type.base) {
    case VbType::kByte:
    case VbType::kInteger:
    case VbType::kLong:
    case VbType::kSingle:
    case VbType::kDouble:
    case VbType::kCurrency:
    case VbType::kDate:
      return "0";
    case VbType::kBoolean:
      return "False";
    case VbType::kString:
      return type.fixed_length > 0 ? "VbFixedStringInit(" + std::to_string(type.fixed_length) + ")" : "''";
    case VbType::kRecord:
      return "Default(" + PascalType(type) + ")";
    case VbType::kObject:
      return "nil";
    default:
      return "Unassigned";
  }
}

std::vector<std::string> UnitTranslator::InitLines(const std::string& target, const vb::VarDeclarator& v,
                                                   const TypeInfo& type, bool zero) {
  std::vector<std::string> lines;
  if (v.is_array) {
    if (!v.bounds.empty()) lines.push_back(AllocateArray(target, type, v.bounds, false));
    return lines;
  }
  std::string value = zero || (type.base == VbType::kString && type.fixed_length > 0) ? ZeroValue(type) : "";
  if (v.is_new && type.is_collection) {
    value = "VbNewCollection";
  } else if (v.is_new && project_.FindClass(type.name)) {
    value = ClassImplementationName(type.name) + ".Create";
  } else if (v.is_new) {
    Note(v.line, "As New of a class outside the project");
  }
  if (!value.empty()) lines.push_back(target + " := " + value + ";");
  // A user-defined type's fixed-length strings start as spaces, as in VB.
  if (type.base == VbType::kRecord) {
    static const vb::StmtList kNoFields;
    const Symbol* record = Lookup(type.name);
    for (const vb::StmtPtr& s : record && record->record ? record->record->body : kNoFields) {
      if (s->kind != vb::StmtKind::kVariables) continue;
      for (const vb::VarDeclarator& field : s->As<vb::VariablesStmt>().variables) {
        const TypeInfo t = ResolveType(field.type, field.suffix, field.name, *record->module, project_);
        if (!field.is_array && t.base == VbType::kString && t.fixed_length > 0)
          lines.push_back(target + "." + PascalName(Utf8(field.name)) + " := " + ZeroValue(t) + ";");
      }
    }
  }
  return lines;
}

std::string UnitTranslator::ProcedurePascalName(const vb::ProcedureStmt& p) const {
  const std::string name = PascalName(Utf8(p.name));
  switch (p.procedure_kind) {
    case vb::ProcedureKind::kPropertyGet:
      return "Get_" + Utf8(p.name);
    case vb::ProcedureKind::kPropertyLet:
      return "Let_" + Utf8(p.name);
    case vb::ProcedureKind::kPropertySet:
      return "Set_" + Utf8(p.name);
    default:
      return name;
  }
}

std::string UnitTranslator::ParameterList(const std::vector<vb::Parameter>& params) {
  std::string list;
  for (const vb::Parameter& p : params) {
    TypeInfo type = ResolveType(p.type, p.suffix, p.name, module_, project_);
    std::string text;
    if (p.param_array) {
      text = "const " + PascalName(Utf8(p.name)) + ": array of Variant";
    } else {
      if (p.is_array) {
        type.is_array = true;
        type.dims = std::max(type.dims, 1);
      }
      const bool by_ref = p.is_array || (p.passing != vb::ParamPassing::kByVal && !p.optional);
      text = (by_ref ? "var " : "") + PascalName(Utf8(p.name)) + ": " + PascalType(type);
    }
    list += (list.empty() ? "" : "; ") + text;
  }
  return list.empty() ? "" : "(" + list + ")";
}

std::string UnitTranslator::Header(const vb::ProcedureStmt& p, const std::string& owner, bool for_interface) {
  (void)for_interface;
  const Symbol* s = module_.Find(p.name);
  std::string name = (owner.empty() ? "" : owner + ".") + ProcedurePascalName(p);
  const bool function =
      p.procedure_kind == vb::ProcedureKind::kFunction || p.procedure_kind == vb::ProcedureKind::kPropertyGet;
  std::string text = (function ? "function " : "procedure ") + name + ParameterList(p.params);
  if (function) {
    TypeInfo type = ResolveType(p.return_type, p.suffix, p.name, module_, project_);
    if (p.return_is_array) {
      type.is_array = true;
      type.dims = 1;
    }
    if (p.procedure_kind == vb::ProcedureKind::kPropertyGet && s) type = s->type;
    text += ": " + PascalType(type);
  }
  return text + ";";
}

void UnitTranslator::WriteRoutine(const vb::ProcedureStmt& p, const std::string& owner, PascalWriter& out) {
  RoutineState state;
  state.procedure = &p;
  state.pascal_name =
      (module_.is_class || module_.form ? "T" + Utf8(module_.vb_name) + "_" : "") + ProcedurePascalName(p);
  routine_ = &state;
  for (const vb::Parameter& param : p.params) {
    Symbol s;
    s.kind = SymbolKind::kParameter;
    s.name = param.name;
    s.pascal = PascalName(Utf8(param.name));
    s.type = ResolveType(param.type, param.suffix, param.name, module_, project_);
    if (param.is_array || param.param_array) {
      s.type.is_array = true;
      s.type.dims = std::max(1, s.type.dims);
    }
    if (param.param_array) s.type = TypeInfo::Of(VbType::kVariant), s.type.is_array = true, s.type.dims = 1;
    s.parameter = &param;
    s.module = &module_;
    if (auto low = project_.parameter_lower_bounds.find(&param); low != project_.parameter_lower_bounds.end())
      s.lower_bound = low->second;
    state.locals[vb::NameKey(param.name)] = s;
  }
  vb::ForEachStatement(p.body, [&](const vb::Stmt& s) {
    if (s.kind == vb::StmtKind::kOnError) {
      state.handles_errors = true;
      const auto& e = s.As<vb::OnErrorStmt>();
      if (e.on_error_kind == vb::OnErrorKind::kGoToLabel) {
        bool known = false;
        for (const auto& h : state.error_handlers) known |= vb::NamesEqual(h, e.label);
        if (!known) state.error_handlers.push_back(e.label);
      }
    }
    if (s.kind == vb::StmtKind::kResume) state.uses_resume = true;
  });
  const bool function =
      p.procedure_kind == vb::ProcedureKind::kFunction || p.procedure_kind == vb::ProcedureKind::kPropertyGet;
  if (function) {
    const Symbol* self = module_.Find(p.name);
    TypeInfo type = self ? self->type : TypeInfo{};
    if (p.procedure_kind == vb::ProcedureKind::kFunction) {
      type = ResolveType(p.return_type, p.suffix, p.name, module_, project_);
      if (p.return_is_array) type.is_array = true, type.dims = 1;
    }
    const std::string zero = ZeroValue(type);
    state.init_lines.push_back(zero.empty() ? "Result := nil;" : "Result := " + zero + ";");
  }

  PascalWriter body;
  body.Indent();
  Statements(p.body, body);
  const bool dispatch = state.handles_errors || state.uses_gosub;
  if (dispatch) body.Line("Exit;");
  if (!state.error_handlers.empty()) {
    state.labels.insert("_ErrHandler");
    body.Line("_ErrHandler:");
    body.Line("_ErrJump := False;");
    body.Line("_ErrInHandler := True;");
    body.Line("case _ErrMode of");
    for (size_t i = 0; i < state.error_handlers.size(); ++i)
      body.Line("  " + std::to_string(i + 1) + ": goto " + LabelName(state.error_handlers[i]) + ";");
    body.Line("end;");
    body.Line("Exit;");
  }
  for (const char* kind : {"_ResumeNext", "_Resume"}) {
    if (!state.labels.count(kind)) continue;
    body.Line(std::string(kind) + ":");
    body.Line("case _ErrAt of");
    for (int i = 1; i <= state.guard_count; ++i) {
      const std::string target =
          std::string(kind) == "_Resume" ? state.resume_labels[size_t(i - 1)] : "_R" + std::to_string(i);
      state.labels.insert(target);
      body.Line("  " + std::to_string(i) + ": goto " + target + ";");
    }
    body.Line("end;");
    body.Line("Exit;");
  }
  if (state.uses_gosub) {
    state.labels.insert("_GoSubReturn");
    body.Line("_GoSubReturn:");
    body.Line("_T0 := _GoSubStack[High(_GoSubStack)];");
    body.Line("SetLength(_GoSubStack, High(_GoSubStack));");
    body.Line("case _T0 of");
    for (int i = 1; i <= state.gosub_count; ++i)
      body.Line("  " + std::to_string(i) + ": goto _G" + std::to_string(i) + ";");
    body.Line("end;");
    state.var_lines.push_back("_GoSubStack: TArray<LongInt>;");
    state.var_lines.push_back("_T0: LongInt;");
  }
  if (state.handles_errors) {
    state.var_lines.push_back("_ErrMode, _ErrAt: LongInt;");
    state.var_lines.push_back("_ErrInHandler, _ErrJump: Boolean;");
    state.init_lines.insert(state.init_lines.begin(),
                            "_ErrMode := 0; _ErrAt := 0; _ErrInHandler := False; _ErrJump := False;");
  }

  out.Line(Header(p, owner, false));
  if (!state.labels.empty()) {
    std::string labels;
    for (const std::string& l : state.labels) labels += (labels.empty() ? "" : ", ") + l;
    out.Line("label " + labels + ";");
  }
  if (!state.const_lines.empty()) {
    out.Line("const");
    out.Indent();
    for (const std::string& line : state.const_lines) out.Line(line);
    out.Outdent();
  }
  if (!state.var_lines.empty()) {
    out.Line("var");
    out.Indent();
    for (const std::string& line : state.var_lines) out.Line(line);
    out.Outdent();
  }
  out.Line("begin");
  out.Indent();
  for (const std::string& line : state.init_lines) out.Line(line);
  out.Outdent();
  std::string text = body.Take();
  size_t start = 0;
  while (start < text.size()) {
    const size_t end = text.find('\n', start);
    const std::string line = text.substr(start, end - start);
    // Labels go to column one less, as is usual; the writer indents every line.
    out.Line(line);
    start = end + 1;
  }
  out.Line("end;");
  routine_ = nullptr;
}

void UnitTranslator::WriteType(const vb::TypeStmt& type, PascalWriter& out) {
  out.Line(PascalName(Utf8(type.name)) + " = record");
  out.Indent();
  for (const vb::StmtPtr& s : type.body) {
    if (s->kind == vb::StmtKind::kComment) {
      out.Comment(s->As<vb::CommentStmt>().text);
      continue;
    }
    if (s->kind != vb::StmtKind::kVariables) continue;
    for (const vb::VarDeclarator& v : s->As<vb::VariablesStmt>().variables) {
      TypeInfo t = ResolveType(v.type, v.suffix, v.name, module_, project_);
      std::string pascal = ElementPascalType(t);
      if (v.is_array && !v.bounds.empty()) {
        std::string ranges;
        for (const vb::ArrayBound& b : v.bounds) {
          const std::string low = b.lower ? Expr(*b.lower).text : std::to_string(module_.option_base);
          ranges += (ranges.empty() ? "" : ", ") + std::string("0..") + Expr(*b.upper).text;
          (void)low;
        }
        pascal = "array[" + ranges + "] of " + pascal;
      } else if (v.is_array) {
        t.is_array = true;
        t.dims = 1;
        pascal = PascalType(t);
      }
      out.Line(PascalName(Utf8(v.name)) + ": " + pascal + ";");
    }
  }
  out.Outdent();
  out.Line("end;");
}

void UnitTranslator::WriteEnum(const vb::EnumStmt& e, PascalWriter& out) {
  std::string previous;
  long counter = 0;
  bool constant = true;
  for (const vb::StmtPtr& s : e.body) {
    if (s->kind == vb::StmtKind::kComment) {
      out.Comment(s->As<vb::CommentStmt>().text);
      continue;
    }
    if (s->kind != vb::StmtKind::kEnumMember) continue;
    const auto& m = s->As<vb::EnumMemberStmt>();
    const std::string name = PascalName(Utf8(m.name));
    std::string value;
    if (m.value) {
      in_constant_ = true;
      value = Expr(*m.value).text;
      in_constant_ = false;
      constant = m.value->kind == vb::ExprKind::kLiteral;
      if (constant) counter = long(m.value->As<vb::LiteralExpr>().integer);
    } else {
      value = constant || previous.empty() ? std::to_string(counter) : previous + " + 1";
    }
    out.Line(name + " = " + value + ";");
    previous = name;
    ++counter;
  }
}

void UnitTranslator::WriteConst(const vb::ConstStmt& c, PascalWriter& interface_part,
                                PascalWriter& implementation_part) {
  (void)implementation_part;
  for (const vb::ConstDeclarator& d : c.constants) {
    failure_.clear();
    in_constant_ = true;
    Value v = Expr(*d.value);
    in_constant_ = false;
    if (!failure_.empty()) {
      notes_.push_back({d.line, failure_});
      interface_part.Line("// VB: " + CommentText(SourceLine(d.line)));
      continue;
    }
    const Symbol* s = module_.Find(d.name);
    std::string text = v.text;
    if (s && s->type.base != v.type.base && s->type.base != VbType::kVariant && IsNumeric(s->type.base) &&
        v.is_literal)
      text = PascalTypeName(s->type.base) + "(" + v.text + ")";
    interface_part.Line(PascalName(Utf8(d.name)) + " = " + text + ";");
  }
}

void UnitTranslator::WriteDeclare(const vb::DeclareStmt& d, PascalWriter& interface_part,
                                  PascalWriter& implementation_part) {
  const bool function = d.is_function;
  std::string params;
  for (const vb::Parameter& p : d.params) {
    TypeInfo type = ResolveType(p.type, p.suffix, p.name, module_, project_);
    std::string pascal = PascalType(type);
    const bool by_ref = p.passing != vb::ParamPassing::kByVal;
    const bool any = vb::NamesEqual(p.type.name, u"Any");
    if (type.base == VbType::kString) pascal = "PAnsiChar";
    if (any && !by_ref) pascal = "PtrInt";
    const std::string name = PascalName(Utf8(p.name));
    // ByRef As Any takes any variable, as Pascal's untyped var parameter does.
    params += (params.empty() ? "" : "; ") +
              (any && by_ref ? "var " + name
                             : std::string(by_ref && type.base != VbType::kString ? "var " : "") + name +
                                   ": " + pascal);
  }
  TypeInfo result = ResolveType(d.return_type, d.suffix, d.name, module_, project_);
  const std::string header =
      (function ? "function " : "procedure ") + PascalName(Utf8(d.name)) +
      (params.empty() ? "" : "(" + params + ")") +
      (function ? ": " + (result.base == VbType::kString ? std::string("PAnsiChar") : PascalType(result))
                : "");
  interface_part.Line(header + ";");
  std::string lib = Utf8(d.lib);
  implementation_part.Line("{$IFDEF MSWINDOWS}");
  implementation_part.Line(header + "; stdcall; external " + PascalStringLiteral(d.lib) + " name " +
                           PascalStringLiteral(d.alias.empty() ? d.name : d.alias) + ";");
  implementation_part.Line("{$ELSE}");
  implementation_part.Line(header + ";");
  implementation_part.Line("begin");
  implementation_part.Line("  VbRaiseError(453);");
  implementation_part.Line("end;");
  implementation_part.Line("{$ENDIF}");
  notes_.push_back({d.line, "Declare of " + lib + ": only on Windows; elsewhere a call raises error 453"});
}

std::vector<std::string> UnitTranslator::OtherUnits() const {
  std::vector<std::string> units;
  for (const auto& m : project_.modules)
    if (m.get() != &module_) units.push_back(m->unit_name);
  return units;
}

std::string UnitTranslator::UsesClause(bool for_interface) {
  std::string text;
  // Forms and controls named by a module or class: the library's units, where first needed.
  if (uses_forms_ && !forms_units_written_ && !module_.form) {
    for (const char* unit : kFormUnits) text += std::string(unit) + ", ";
    text += "VrForms";
    forms_units_written_ = true;
  }
  if (for_interface) {
    for (const char* unit : kRuntimeUnits) text += (text.empty() ? "" : ", ") + std::string(unit);
    if (uses_interaction_) text += ", VrInteraction";
    if (!shared_.unit_name.empty()) text += ", " + shared_.unit_name;
  }
  // The interface names only the units its declarations need, so that units may use each
  // other (in their implementations) as VB modules do.
  for (const std::string& unit : OtherUnits()) {
    const bool in_interface = interface_units_.count(unit) > 0;
    if (for_interface ? in_interface : !in_interface && used_units_.count(unit))
      text += (text.empty() ? "" : ", ") + unit;
  }
  return text.empty() ? "" : "uses " + text + ";";
}

void UnitTranslator::WriteDeclarations(PascalWriter& decl, PascalWriter& impl) {
  declaring_ = true;
  // Types first (records may be used by everything after), then enums and constants,
  // variables, routine headers.
  PascalWriter types, consts, vars;
  const bool shared = !shared_.unit_name.empty();
  auto is_public = [](vb::Scope scope) { return scope != vb::Scope::kPrivate && scope != vb::Scope::kDim; };
  for (const vb::StmtPtr& s : module_.tree->body) {
    failure_.clear();
    switch (s->kind) {
      case vb::StmtKind::kType: {
        const auto& t = s->As<vb::TypeStmt>();
        WriteType(t, shared && is_public(t.scope) ? shared_.types : types);
        break;
      }
      case vb::StmtKind::kEnum: {
        const auto& e = s->As<vb::EnumStmt>();
        WriteEnum(e, shared && is_public(e.scope) ? shared_.consts : consts);
        break;
      }
      case vb::StmtKind::kConst: {
        const auto& c = s->As<vb::ConstStmt>();
        PascalWriter& into = shared && (c.scope == vb::Scope::kPublic || c.scope == vb::Scope::kGlobal)
                                 ? shared_.consts
                                 : consts;
        WriteConst(c, into, into);
        break;
      }
      case vb::StmtKind::kVariables:
        for (const vb::VarDeclarator& v : s->As<vb::VariablesStmt>().variables) {
          const Symbol* sym = module_.Find(v.name);
          if (!sym) continue;
          vars.Line(sym->pascal + ": " + PascalType(sym->type) + ";");
          // A class's fields are set up by its constructor.
          if (!module_.is_class && !module_.form)
            for (const std::string& line : InitLines(sym->pascal, v, sym->type, false))
              unit_init_.push_back(line);
          if (!failure_.empty()) notes_.push_back({v.line, failure_}), failure_.clear();
        }
        break;
      default:
        break;
    }
  }
  auto section = [&](const char* keyword, PascalWriter& part) {
    if (part.Text().empty()) return;
    decl.Line(keyword);
    decl.Indent();
    std::string t = part.Take();
    size_t start = 0;
    while (start < t.size()) {
      const size_t end = t.find('\n', start);
      decl.Line(t.substr(start, end - start));
      start = end + 1;
    }
    decl.Outdent();
    decl.Line("");
  };
  section("const", consts);
  if (!types.Text().empty()) {
    decl.Line("type");
    decl.Indent();
    std::string t = types.Take();
    size_t start = 0;
    while (start < t.size()) {
      const size_t end = t.find('\n', start);
      decl.Line(t.substr(start, end - start));
      start = end + 1;
    }
    decl.Outdent();
    decl.Line("");
  }
  if (!module_.is_class && !module_.form) section("var", vars);
  PascalWriter unused;
  for (const vb::StmtPtr& s : module_.tree->body) {
    if (s->kind == vb::StmtKind::kProcedure && !module_.is_class && !module_.form)
      decl.Line(Header(s->As<vb::ProcedureStmt>(), "", true));
    // A class's Declares are its own: unit-level routines of its implementation only.
    if (s->kind == vb::StmtKind::kDeclare)
      WriteDeclare(s->As<vb::DeclareStmt>(), module_.is_class || module_.form ? unused : decl, impl);
  }
  declaring_ = false;
}

bool UnitTranslator::WriteCodeMember(const vb::Stmt& s, const std::string& owner, PascalWriter& code) {
  if (s.kind == vb::StmtKind::kProcedure) {
    WriteRoutine(s.As<vb::ProcedureStmt>(), owner, code);
    code.Line("");
  } else if (s.kind == vb::StmtKind::kComment) {
    code.Comment(s.As<vb::CommentStmt>().text);
  } else if (s.kind == vb::StmtKind::kUnparsed) {
    notes_.push_back({s.line, "does not parse: " + s.As<vb::UnparsedStmt>().message});
    code.Line("// VB: " + CommentText(s.As<vb::UnparsedStmt>().text));
  } else {
    return false;
  }
  return true;
}

void UnitTranslator::WriteModule(PascalWriter& out) {
  PascalWriter decl, impl, code;
  WriteDeclarations(decl, impl);
  for (const vb::StmtPtr& s : module_.tree->body) WriteCodeMember(*s, "", code);
  out.Line("interface");
  out.Line("");
  out.Line(UsesClause(true));
  out.Line("");
  out.Line(decl.Take());
  out.Line("implementation");
  out.Line("");
  if (const std::string uses = UsesClause(false); !uses.empty()) out.Line(uses);
  if (!static_vars_.empty()) {
    out.Line("var");
    for (const std::string& v : static_vars_) out.Line("  " + v);
  }
  out.Line(impl.Take());
  WriteHelpers(out);
  out.Line(code.Take());
  if (!unit_init_.empty()) {
    out.Line("initialization");
    for (const std::string& line : unit_init_) out.Line("  " + line);
  }
  out.Line("end.");
}

std::vector<const vb::EventStmt*> UnitTranslator::EventsOf(const ModuleSymbols& cls) const {
  std::vector<const vb::EventStmt*> events;
  for (const vb::StmtPtr& s : cls.tree->body)
    if (s->kind == vb::StmtKind::kEvent) events.push_back(&s->As<vb::EventStmt>());
  return events;
}

// The methods of a class's interface type: "function Name" or "procedure Name" and the VB
// name they come from, with the prefix their Pascal name has (Get_, Let_, Set_ or none).
std::vector<UnitTranslator::InterfaceMethod> UnitTranslator::InterfaceMethods(
    const ModuleSymbols& cls) const {
  std::vector<InterfaceMethod> methods;
  for (const vb::StmtPtr& s : cls.tree->body) {
    if (s->kind == vb::StmtKind::kProcedure) {
      const auto& p = s->As<vb::ProcedureStmt>();
      if (p.scope == vb::Scope::kPrivate) continue;
      const char* prefix = p.procedure_kind == vb::ProcedureKind::kPropertyGet   ? "Get_"
                           : p.procedure_kind == vb::ProcedureKind::kPropertyLet ? "Let_"
                           : p.procedure_kind == vb::ProcedureKind::kPropertySet ? "Set_"
                                                                                 : "";
      const bool function = p.procedure_kind == vb::ProcedureKind::kFunction ||
                            p.procedure_kind == vb::ProcedureKind::kPropertyGet;
      methods.push_back({function, prefix, p.name});
    } else if (s->kind == vb::StmtKind::kVariables) {
      for (const vb::VarDeclarator& v : s->As<vb::VariablesStmt>().variables) {
        const Symbol* sym = cls.Find(v.name);
        if (!sym || !sym->is_public) continue;
        methods.push_back({true, "Get_", v.name});
        methods.push_back({false, sym->type.base == VbType::kObject ? "Set_" : "Let_", v.name});
      }
    }
  }
  return methods;
}

std::vector<UnitTranslator::EventSink> UnitTranslator::WithEventsSinks(const std::string& owner_class,
                                                                       PascalWriter& fields) {
  // WithEvents fields: a sink object per field forwards the source's events to the
  // handlers named Field_Event.
  std::vector<EventSink> sinks;
  for (const vb::StmtPtr& s : module_.tree->body) {
    if (s->kind != vb::StmtKind::kVariables) continue;
    for (const vb::VarDeclarator& v : s->As<vb::VariablesStmt>().variables) {
      const ModuleSymbols* source = v.with_events ? project_.FindClass(v.type.name) : nullptr;
      if (!source || EventsOf(*source).empty()) continue;
      EventSink sink{Utf8(v.name), owner_class + "_" + Utf8(v.name) + "_Sink",
                     ClassInterfaceName(source->vb_name) + "_Events", EventsOf(*source)};
      fields.Line(sink.field + "_Sink: " + sink.events_interface + ";");
      sinks.push_back(sink);
      with_events_.insert(vb::NameKey(v.name));
    }
  }
  return sinks;
}

void UnitTranslator::WriteSinkClasses(const std::vector<EventSink>& sinks, const std::string& owner_class,
                                      PascalWriter& out, PascalWriter& code) {
  const std::string& tname = owner_class;
  for (const EventSink& sink : sinks) {
    out.Line(sink.class_name + " = class(TInterfacedObject, " + sink.events_interface + ")");
    out.Line("public");
    out.Indent();
    out.Line("FOwner: " + tname + ";");
    out.Line("constructor Create(AOwner: " + tname + ");");
    code.Line("constructor " + sink.class_name + ".Create(AOwner: " + tname + ");");
    code.Line("begin");
    code.Line("  inherited Create;");
    code.Line("  FOwner := AOwner;");
    code.Line("end;");
    code.Line("");
    for (const vb::EventStmt* e : sink.events) {
      const std::string header = "procedure " + PascalName(Utf8(e->name)) + ParameterList(e->params) + ";";
      out.Line(header);
      code.Line("procedure " + sink.class_name + "." + header.substr(10));
      code.Line("begin");
      if (const Symbol* h =
              module_.Find(std::u16string(sink.field.begin(), sink.field.end()) + u"_" + e->name);
          h && h->procedure) {
        std::string args;
        for (const vb::Parameter& p : e->params)
          args += (args.empty() ? "" : ", ") + PascalName(Utf8(p.name));
        code.Line("  FOwner." + h->pascal + "(" + args + ");");
      }
      code.Line("end;");
      code.Line("");
    }
    out.Outdent();
    out.Line("end;");
    out.Line("");
  }
}

void UnitTranslator::WriteClass(PascalWriter& out) {
  const std::string iname = "I" + Utf8(module_.vb_name);
  const std::string tname = "T" + Utf8(module_.vb_name);
  PascalWriter decl, impl, code;
  WriteDeclarations(decl, impl);
  declaring_ = true;
  bool has_initialize = false, has_terminate = false;
  PascalWriter members, fields;
  for (const vb::StmtPtr& s : module_.tree->body) {
    if (s->kind == vb::StmtKind::kProcedure) {
      const auto& p = s->As<vb::ProcedureStmt>();
      has_initialize |= vb::NamesEqual(p.name, u"Class_Initialize");
      has_terminate |= vb::NamesEqual(p.name, u"Class_Terminate");
      const Symbol* sym = module_.Find(p.name);
      const bool is_public = sym && sym->is_public;
      if (is_public || IsProperty(p.procedure_kind)) members.Line(Header(p, "", true));
    } else if (s->kind == vb::StmtKind::kVariables) {
      for (const vb::VarDeclarator& v : s->As<vb::VariablesStmt>().variables) {
        const Symbol* sym = module_.Find(v.name);
        if (!sym) continue;
        fields.Line(sym->pascal + ": " + PascalType(sym->type) + ";");
        if (sym->is_public) {
          const std::string type = PascalType(sym->type);
          members.Line("function Get_" + Utf8(v.name) + ": " + type + ";");
          members.Line("procedure " + std::string(sym->type.base == VbType::kObject ? "Set_" : "Let_") +
                       Utf8(v.name) + "(Value: " + type + ");");
        }
      }
    }
  }
  const std::vector<const vb::EventStmt*> events = EventsOf(module_);
  const std::string events_name = iname + "_Events";
  PascalWriter events_interface;
  if (!events.empty()) {
    members.Line("procedure _Advise(const Sink: " + events_name + ");");
    members.Line("procedure _Unadvise(const Sink: " + events_name + ");");
    fields.Line("_Sinks: TArray<" + events_name + ">;");
    events_interface.Line(events_name + " = interface(IInterface)");
    events_interface.Line("['" + Guid(module_.vb_name + u"_Events") + "']");
    events_interface.Indent();
    for (const vb::EventStmt* e : events)
      events_interface.Line("procedure " + PascalName(Utf8(e->name)) + ParameterList(e->params) + ";");
    events_interface.Outdent();
    events_interface.Line("end;");
    events_interface.Line("");
  }
  const std::vector<EventSink> sinks = WithEventsSinks(tname, fields);
  // Implements: the class also implements the other class's interface, its members named
  // Interface_Member.
  std::vector<const ModuleSymbols*> implemented;
  for (const vb::StmtPtr& s : module_.tree->body)
    if (s->kind == vb::StmtKind::kImplements)
      if (const ModuleSymbols* other = project_.FindClass(s->As<vb::ImplementsStmt>().type.name))
        implemented.push_back(other);
  const std::string member_text = members.Take();
  const std::string field_text = fields.Take();
  declaring_ = false;
  auto lines = [](const std::string& text, PascalWriter& into) {
    size_t start = 0;
    while (start < text.size()) {
      const size_t end = text.find('\n', start);
      into.Line(text.substr(start, end - start));
      start = end + 1;
    }
  };
  out.Line("interface");
  out.Line("");
  out.Line(UsesClause(true));
  out.Line("");
  out.Line(decl.Take());
  out.Line("type");
  out.Indent();
  PascalWriter& interface_into = shared_.unit_name.empty() ? out : shared_.types;
  if (!shared_.unit_name.empty()) shared_.forwards.Line(iname + " = interface;");
  if (!events.empty()) {
    if (!shared_.unit_name.empty()) shared_.forwards.Line(events_name + " = interface;");
    lines(events_interface.Take(), interface_into);
  }
  interface_into.Line(iname + " = interface(IInterface)");
  interface_into.Line("['" + Guid(module_.vb_name) + "']");
  interface_into.Indent();
  lines(member_text, interface_into);
  interface_into.Outdent();
  interface_into.Line("end;");
  interface_into.Line("");
  std::string interfaces = iname;
  for (const ModuleSymbols* other : implemented) interfaces += ", " + ClassInterfaceName(other->vb_name);
  out.Line(tname + " = class(TInterfacedObject, " + interfaces + ")");
  out.Line("public");
  out.Indent();
  lines(field_text, out);
  for (const ModuleSymbols* other : implemented) {
    for (const InterfaceMethod& m : InterfaceMethods(*other)) {
      const std::string name = m.prefix.empty() ? PascalName(Utf8(m.vb_name)) : m.prefix + Utf8(m.vb_name);
      const std::string own = m.prefix + Utf8(other->vb_name) + "_" + Utf8(m.vb_name);
      const bool exists = module_.Find(other->vb_name + u"_" + m.vb_name) != nullptr;
      if (exists)
        out.Line(std::string(m.function ? "function " : "procedure ") + ClassInterfaceName(other->vb_name) +
                 "." + name + " = " +
                 (m.prefix.empty() ? PascalName(Utf8(other->vb_name) + "_" + Utf8(m.vb_name)) : own) + ";");
      else
        notes_.push_back({0, "Implements " + Utf8(other->vb_name) + ": no " + Utf8(other->vb_name) + "_" +
                                 Utf8(m.vb_name)});
    }
  }

  out.Line("constructor Create;");
  out.Line("destructor Destroy; override;");
  for (const vb::StmtPtr& s : module_.tree->body)
    if (s->kind == vb::StmtKind::kProcedure) out.Line(Header(s->As<vb::ProcedureStmt>(), "", true));
  for (const vb::StmtPtr& s : module_.tree->body) {
    if (s->kind != vb::StmtKind::kVariables) continue;
    for (const vb::VarDeclarator& v : s->As<vb::VariablesStmt>().variables) {
      const Symbol* sym = module_.Find(v.name);
      if (!sym || !sym->is_public) continue;
      const std::string type = PascalType(sym->type);
      out.Line("function Get_" + Utf8(v.name) + ": " + type + ";");
      out.Line("procedure " + std::string(sym->type.base == VbType::kObject ? "Set_" : "Let_") +
               Utf8(v.name) + "(Value: " + type + ");");
      code.Line("function " + tname + ".Get_" + Utf8(v.name) + ": " + type + ";");
      code.Line("begin");
      code.Line("  Result := " + sym->pascal + ";");
      code.Line("end;");
      code.Line("");
      code.Line("procedure " + tname + "." + (sym->type.base == VbType::kObject ? "Set_" : "Let_") +
                Utf8(v.name) + "(Value: " + type + ");");
      code.Line("begin");
      code.Line("  " + sym->pascal + " := Value;");
      code.Line("end;");
      code.Line("");
    }
  }
  if (!events.empty()) {
    out.Line("procedure _Advise(const Sink: " + events_name + ");");
    out.Line("procedure _Unadvise(const Sink: " + events_name + ");");
    code.Line("procedure " + tname + "._Advise(const Sink: " + events_name + ");");
    code.Line("begin");
    code.Line("  _Sinks := _Sinks + [Sink];");
    code.Line("end;");
    code.Line("");
    code.Line("procedure " + tname + "._Unadvise(const Sink: " + events_name + ");");
    code.Line("var");
    code.Line("  I: LongInt;");
    code.Line("begin");
    code.Line("  for I := High(_Sinks) downto 0 do");
    code.Line("    if _Sinks[I] = Sink then Delete(_Sinks, I, 1);");
    code.Line("end;");
    code.Line("");
  }
  out.Outdent();
  out.Line("end;");
  out.Line("");
  WriteSinkClasses(sinks, tname, out, code);
  out.Outdent();
  out.Line("");
  for (const vb::StmtPtr& s : module_.tree->body) {
    if (WriteCodeMember(*s, tname, code)) {
    } else if (s->kind == vb::StmtKind::kImplements &&
               !project_.FindClass(s->As<vb::ImplementsStmt>().type.name)) {
      notes_.push_back({s->line, "Implements of a class outside the project"});
      code.Line("// VB: " + CommentText(SourceLine(s->line)));
    }
  }
  out.Line("implementation");
  out.Line("");
  if (const std::string uses = UsesClause(false); !uses.empty()) out.Line(uses);
  if (!static_vars_.empty()) {
    out.Line("var");
    for (const std::string& v : static_vars_) out.Line("  " + v);
  }
  out.Line(impl.Take());
  WriteHelpers(out);
  out.Line("constructor " + tname + ".Create;");
  out.Line("begin");
  out.Line("  inherited Create;");
  for (const vb::StmtPtr& s : module_.tree->body) {
    if (s->kind != vb::StmtKind::kVariables) continue;
    for (const vb::VarDeclarator& v : s->As<vb::VariablesStmt>().variables) {
      const Symbol* sym = module_.Find(v.name);
      if (!sym) continue;
      for (const std::string& line : InitLines(sym->pascal, v, sym->type, true)) out.Line("  " + line);
    }
  }
  for (const EventSink& sink : sinks)
    out.Line("  " + sink.field + "_Sink := " + sink.class_name + ".Create(Self);");
  if (has_initialize) out.Line("  Class_Initialize;");
  out.Line("end;");
  out.Line("");
  out.Line("destructor " + tname + ".Destroy;");
  out.Line("begin");
  if (has_terminate) {
    out.Line("  _AddRef;");
    out.Line("  Class_Terminate;");
  }
  for (const EventSink& sink : sinks)
    out.Line("  if " + sink.field + " <> nil then " + sink.field + "._Unadvise(" + sink.field + "_Sink);");
  out.Line("  inherited Destroy;");
  out.Line("end;");
  out.Line("");
  out.Line(code.Take());
  if (!unit_init_.empty()) {
    out.Line("initialization");
    for (const std::string& line : unit_init_) out.Line("  " + line);
  }
  out.Line("end.");
}

void UnitTranslator::WriteHelpers(PascalWriter& out) {
  if (helpers_.count(Helper::kStringsToVariant)) {
    out.Line("function _StringsToVariant(const A: TVbStringArray): Variant;");
    out.Line("var");
    out.Line("  I: LongInt;");
    out.Line("begin");
    out.Line("  Result := VarArrayCreate([0, High(A)], varOleStr);");
    out.Line("  for I := 0 to High(A) do Result[I] := A[I];");
    out.Line("end;");
    out.Line("");
  }
  if (helpers_.count(Helper::kArrayBase1)) {
    out.Line("function _ArrayBase1(const A: Variant): Variant;");
    out.Line("var");
    out.Line("  I: LongInt;");
    out.Line("begin");
    out.Line("  Result := VarArrayCreate([1, VarArrayHighBound(A, 1) + 1], varVariant);");
    out.Line("  for I := 0 to VarArrayHighBound(A, 1) do Result[I + 1] := A[I];");
    out.Line("end;");
    out.Line("");
  }
  if (helpers_.count(Helper::kBytes)) {
    out.Line("function _StringToBytes(const S: string): TArray<Byte>;");
    out.Line("begin");
    out.Line("  SetLength(Result, Length(S) * 2);");
    out.Line("  if S <> '' then Move(S[1], Result[0], Length(S) * 2);");
    out.Line("end;");
    out.Line("");
    out.Line("function _BytesToString(const B: TArray<Byte>): string;");
    out.Line("begin");
    out.Line("  SetLength(Result, Length(B) div 2);");
    out.Line("  if Result <> '' then Move(B[0], Result[1], Length(Result) * 2);");
    out.Line("end;");
    out.Line("");
  }
  if (helpers_.count(Helper::kNothing)) {
    out.Line("// Nothing as a Variant: an object reference that is not set.");
    out.Line("function _Nothing: Variant;");
    out.Line("begin");
    out.Line("  VarClear(Result);");
    out.Line("  TVarData(Result).VType := varDispatch;");
    out.Line("  TVarData(Result).VDispatch := nil;");
    out.Line("end;");
    out.Line("");
  }
  if (helpers_.count(Helper::kEmptyAsZero)) {
    out.Line("function _EmptyAsZero(const V: Variant): Variant;");
    out.Line("begin");
    out.Line("  if VarIsEmpty(V) then Result := SmallInt(0) else Result := V;");
    out.Line("end;");
    out.Line("");
  }
  if (helpers_.count(Helper::kDialogs)) {
    out.Line("// VB's common dialog raises error 32755 when cancelled if its CancelError is set.");
    out.Line("var");
    out.Line("  _CancelErrors: TArray<TObject>;");
    out.Line("");
    out.Line("function _GetCancelError(D: TObject): Boolean;");
    out.Line("var");
    out.Line("  I: LongInt;");
    out.Line("begin");
    out.Line("  Result := False;");
    out.Line("  for I := 0 to High(_CancelErrors) do if _CancelErrors[I] = D then Result := True;");
    out.Line("end;");
    out.Line("");
    out.Line("procedure _SetCancelError(D: TObject; Value: Boolean);");
    out.Line("var");
    out.Line("  I: LongInt;");
    out.Line("begin");
    out.Line("  for I := High(_CancelErrors) downto 0 do");
    out.Line("    if _CancelErrors[I] = D then Delete(_CancelErrors, I, 1);");
    out.Line("  if Value then _CancelErrors := _CancelErrors + [D];");
    out.Line("end;");
    out.Line("");
    out.Line("procedure _ShowDialog(D: TCommonDialog);");
    out.Line("begin");
    out.Line("  if not D.Execute and _GetCancelError(D) then VbRaiseError(32755);");
    out.Line("end;");
    out.Line("");
  }
  if (helpers_.count(Helper::kLateBound)) {
    out.Line("// A member of a control whose class the code does not name: its published property.");
    out.Line("function _GetProp(C: TObject; const Name: string): Variant;");
    out.Line("begin");
    out.Line("  if not TypInfo.IsPublishedProp(C, Name) then VbRaiseError(438);");
    out.Line("  Result := TypInfo.GetPropValue(C, Name);");
    out.Line("end;");
    out.Line("");
    out.Line("procedure _SetProp(C: TObject; const Name: string; const Value: Variant);");
    out.Line("begin");
    out.Line("  if not TypInfo.IsPublishedProp(C, Name) then VbRaiseError(438);");
    out.Line("  TypInfo.SetPropValue(C, Name, Value);");
    out.Line("end;");
    out.Line("");
  }
  if (helpers_.count(Helper::kListItems)) {
    out.Line("// A list view's items: VB's Add(, , Text) and SubItems(i), from 1.");
    out.Line("function _AddListItem(Items: TListItems; const Text: string = ''): TListItem;");
    out.Line("begin");
    out.Line("  Result := Items.Add;");
    out.Line("  Result.Caption := Text;");
    out.Line("end;");
    out.Line("");
    out.Line("function _GetSubItem(Item: TListItem; Index: LongInt): string;");
    out.Line("begin");
    out.Line(
        "  if (Index < 1) or (Index > Item.SubItems.Count) then Result := '' else Result := "
        "Item.SubItems[Index - 1];");
    out.Line("end;");
    out.Line("");
    out.Line("procedure _SetSubItem(Item: TListItem; Index: LongInt; const Value: string);");
    out.Line("begin");
    out.Line("  if Index < 1 then VbRaiseError(380);");
    out.Line("  while Item.SubItems.Count < Index do Item.SubItems.Add('');");
    out.Line("  Item.SubItems[Index - 1] := Value;");
    out.Line("end;");
    out.Line("");
  }
  if (helpers_.count(Helper::kFormControls)) {
    out.Line("// VB's Controls of a form: its components that are controls.");
    out.Line("function _FormControls(F: TComponent): TArray<TComponent>;");
    out.Line("var");
    out.Line("  I: LongInt;");
    out.Line("begin");
    out.Line("  Result := nil;");
    out.Line("  for I := 0 to F.ComponentCount - 1 do");
    out.Line("    if F.Components[I] is TControl then Result := Result + [F.Components[I]];");
    out.Line("end;");
    out.Line("");
  }
  if (!uses_index_check_) return;
  out.Line("function _CheckIndex(Index, Low, High: LongInt): LongInt;");
  out.Line("begin");
  out.Line("  if (Index < Low) or (Index > High) then VbRaiseError(9);");
  out.Line("  Result := Index;");
  out.Line("end;");
  out.Line("");
}

TranslatedUnit UnitTranslator::Translate() {
  PascalWriter out;
  out.Line("{$IFDEF FPC}{$MODE DelphiUnicode}{$ENDIF}");
  out.Line("{$Q+}{$R+}{$B+}");
  out.Line("unit " + module_.unit_name + ";");
  out.Line("");
  if (module_.form)
    WriteForm(out);
  else if (module_.is_class)
    WriteClass(out);
  else
    WriteModule(out);
  TranslatedUnit unit;
  unit.unit_name = module_.unit_name;
  unit.pascal = out.Take();
  unit.notes = std::move(notes_);
  unit.events = std::move(wired_events_);
  return unit;
}

}  // namespace veldrane::translation
