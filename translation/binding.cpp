#include "translation/binding.h"

#include <optional>

#include "translation/control_members.h"
#include "translation/pascal_text.h"
#include "vb/tree_walk.h"

namespace veldrane::translation {
namespace {

long ConstantValue(const vb::Expr* expr, long fallback) {
  if (!expr) return fallback;
  if (expr->kind == vb::ExprKind::kLiteral) return long(expr->As<vb::LiteralExpr>().integer);
  if (expr->kind == vb::ExprKind::kUnary && expr->As<vb::UnaryExpr>().op == vb::UnaryOp::kNegate)
    return -ConstantValue(expr->As<vb::UnaryExpr>().operand.get(), -fallback);
  if (expr->kind == vb::ExprKind::kParen)
    return ConstantValue(expr->As<vb::ParenExpr>().inner.get(), fallback);
  return fallback;
}

}  // namespace

TypeInfo LiteralType(const vb::Expr* expr) {
  if (expr && expr->kind == vb::ExprKind::kUnary) return LiteralType(expr->As<vb::UnaryExpr>().operand.get());
  if (!expr || expr->kind != vb::ExprKind::kLiteral) return TypeInfo::Of(VbType::kVariant);
  switch (expr->As<vb::LiteralExpr>().literal_kind) {
    case vb::LiteralKind::kInteger:
      return TypeInfo::Of(VbType::kInteger);
    case vb::LiteralKind::kLong:
      return TypeInfo::Of(VbType::kLong);
    case vb::LiteralKind::kSingle:
      return TypeInfo::Of(VbType::kSingle);
    case vb::LiteralKind::kDouble:
      return TypeInfo::Of(VbType::kDouble);
    case vb::LiteralKind::kCurrency:
      return TypeInfo::Of(VbType::kCurrency);
    case vb::LiteralKind::kString:
      return TypeInfo::Of(VbType::kString);
    case vb::LiteralKind::kDate:
      return TypeInfo::Of(VbType::kDate);
    case vb::LiteralKind::kBoolean:
      return TypeInfo::Of(VbType::kBoolean);
    default:
      return TypeInfo::Of(VbType::kVariant);
  }
}

namespace {

bool IsPublicScope(vb::Scope scope, bool procedure) {
  if (scope == vb::Scope::kPublic || scope == vb::Scope::kGlobal || scope == vb::Scope::kFriend) return true;
  return procedure && scope == vb::Scope::kNone;
}

void ReadOptions(const vb::StmtList& body, ModuleSymbols& m) {
  for (const vb::StmtPtr& stmt : body) {
    if (stmt->kind == vb::StmtKind::kOption) {
      const auto& option = stmt->As<vb::OptionStmt>();
      if (option.option == vb::OptionKind::kExplicit) m.option_explicit = true;
      if (option.option == vb::OptionKind::kBase) m.option_base = option.base;
      if (option.option == vb::OptionKind::kCompareText) m.compare_text = true;
    } else if (stmt->kind == vb::StmtKind::kDefType) {
      const auto& def = stmt->As<vb::DefTypeStmt>();
      const VbType type = BuiltinType(Utf8(def.type_name));
      for (const vb::LetterRange& range : def.ranges)
        for (char16_t c = range.first; c <= range.last && c >= u'A' && c <= u'Z'; ++c)
          m.def_types[c - u'A'] = type;
    }
  }
}

}  // namespace

std::string Utf8(std::u16string_view text) { return CommentText(text); }

const Symbol* ModuleSymbols::Find(std::u16string_view name) const {
  const auto found = members.find(vb::NameKey(name));
  return found == members.end() ? nullptr : &found->second;
}

TypeInfo ModuleSymbols::DefaultType(std::u16string_view name, char16_t suffix) const {
  if (VbType t = SuffixType(suffix); t != VbType::kUnknown) return TypeInfo::Of(t);
  if (!name.empty()) {
    char16_t first = name[0];
    if (first >= u'a' && first <= u'z') first = char16_t(first - u'a' + u'A');
    if (first >= u'A' && first <= u'Z' && def_types[first - u'A'] != VbType::kUnknown)
      return TypeInfo::Of(def_types[first - u'A']);
  }
  return TypeInfo::Of(VbType::kVariant);
}

const Symbol* ProjectSymbols::FindPublic(std::u16string_view name, const ModuleSymbols* except) const {
  for (const auto& module : modules) {
    if (module.get() == except || module->is_class || module->form) continue;
    if (const Symbol* s = module->Find(name); s && s->is_public) return s;
  }
  return nullptr;
}

const ModuleSymbols* ProjectSymbols::FindModule(std::u16string_view vb_name) const {
  for (const auto& module : modules)
    if (vb::NamesEqual(module->vb_name, vb_name)) return module.get();
  return nullptr;
}

const ModuleSymbols* ProjectSymbols::FindClass(std::u16string_view vb_name) const {
  const ModuleSymbols* m = FindModule(vb_name);
  return m && m->is_class ? m : nullptr;
}

const ModuleSymbols* ProjectSymbols::FindForm(std::u16string_view vb_name) const {
  const ModuleSymbols* m = FindModule(vb_name);
  return m && m->form ? m : nullptr;
}

TypeInfo ResolveType(const vb::TypeRef& ref, char16_t suffix, std::u16string_view name,
                     const ModuleSymbols& module, const ProjectSymbols& project) {
  if (ref.empty()) return module.DefaultType(name, suffix);
  TypeInfo t;
  std::u16string type_name = ref.name;
  if (type_name.size() > 4 && vb::NamesEqual(type_name.substr(0, 4), u"VBA."))
    type_name = type_name.substr(4);
  if (VbType builtin = BuiltinType(Utf8(type_name)); builtin != VbType::kUnknown) {
    t.base = builtin;
    if (builtin == VbType::kString && ref.string_length)
      t.fixed_length = int(ConstantValue(ref.string_length.get(), 0));
    if (builtin == VbType::kObject) t.name = u"Object";
    return t;
  }
  if (vb::NamesEqual(type_name, u"Collection")) {
    t.base = VbType::kObject;
    t.name = u"Collection";
    t.is_collection = true;
    return t;
  }
  // Forms of the project and VB's control types are objects of the VCL/LCL.
  const std::string control = project.FindForm(type_name) ? "TForm" : DelphiClassOfVbType(type_name);
  if (!control.empty()) {
    t.base = VbType::kObject;
    t.name = type_name;
    t.control_class = control;
    return t;
  }
  auto find = [&](const ModuleSymbols& m) -> const Symbol* {
    const Symbol* s = m.Find(type_name);
    return s && (s->kind == SymbolKind::kRecordType || s->kind == SymbolKind::kEnum) ? s : nullptr;
  };
  const Symbol* s = find(module);
  for (size_t i = 0; !s && i < project.modules.size(); ++i) s = find(*project.modules[i]);
  if (s && s->kind == SymbolKind::kEnum) return TypeInfo::Of(VbType::kLong);
  if (s) {
    t.base = VbType::kRecord;
    t.name = s->name;
    return t;
  }
  // VBA's own enumerations (VbCompareMethod, VbMsgBoxResult, ...) are Longs.
  if (type_name.size() > 2 && vb::NamesEqual(type_name.substr(0, 2), u"Vb") && !project.FindClass(type_name))
    return TypeInfo::Of(VbType::kLong);
  t.base = VbType::kObject;
  t.name = type_name;
  return t;
}

// The type of a constant's expression, from its literals and the constants bound before it.
TypeInfo ConstantType(const vb::Expr* expr, const ModuleSymbols& module) {
  if (!expr) return TypeInfo::Of(VbType::kVariant);
  switch (expr->kind) {
    case vb::ExprKind::kLiteral:
      return LiteralType(expr);
    case vb::ExprKind::kParen:
      return ConstantType(expr->As<vb::ParenExpr>().inner.get(), module);
    case vb::ExprKind::kUnary:
      return ConstantType(expr->As<vb::UnaryExpr>().operand.get(), module);
    case vb::ExprKind::kName: {
      const Symbol* s = module.Find(expr->As<vb::NameExpr>().name);
      return s && (s->kind == SymbolKind::kConstant || s->kind == SymbolKind::kEnumMember)
                 ? s->type
                 : TypeInfo::Of(VbType::kLong);
    }
    case vb::ExprKind::kBinary: {
      const auto& b = expr->As<vb::BinaryExpr>();
      const TypeInfo l = ConstantType(b.left.get(), module);
      const TypeInfo r = ConstantType(b.right.get(), module);
      if (b.op == vb::BinaryOp::kConcat || (l.base == VbType::kString && r.base == VbType::kString))
        return TypeInfo::Of(VbType::kString);
      if (b.op == vb::BinaryOp::kDivide || b.op == vb::BinaryOp::kPower) return TypeInfo::Of(VbType::kDouble);
      if (b.op >= vb::BinaryOp::kEqual && b.op <= vb::BinaryOp::kIs) return TypeInfo::Of(VbType::kBoolean);
      return TypeInfo::Of(WiderNumeric(l.base, r.base));
    }
    default:
      return TypeInfo::Of(VbType::kVariant);
  }
}

namespace {

// The lower bound a Dim or ReDim in `body` (or the module) gives the array `name`, when it
// is a literal; nullopt when unknown.
std::optional<long> DeclaredLowerBound(const vb::StmtList& body, const ModuleSymbols& module,
                                       std::u16string_view name) {
  std::optional<long> found;
  auto from_bounds = [&](const std::vector<vb::ArrayBound>& bounds) -> std::optional<long> {
    if (bounds.empty()) return std::nullopt;
    if (!bounds[0].lower) return module.option_base;
    const vb::Expr* e = bounds[0].lower.get();
    if (e->kind == vb::ExprKind::kLiteral) return long(e->As<vb::LiteralExpr>().integer);
    return std::nullopt;
  };
  vb::ForEachStatement(body, [&](const vb::Stmt& s) {
    if (found) return;
    if (s.kind == vb::StmtKind::kVariables) {
      for (const vb::VarDeclarator& v : s.As<vb::VariablesStmt>().variables)
        if (v.is_array && vb::NamesEqual(v.name, name)) found = from_bounds(v.bounds);
    } else if (s.kind == vb::StmtKind::kReDim) {
      for (const vb::ReDimClause& c : s.As<vb::ReDimStmt>().arrays)
        if (c.target->kind == vb::ExprKind::kName && vb::NamesEqual(c.target->As<vb::NameExpr>().name, name))
          found = from_bounds(c.bounds);
    }
  });
  if (!found)
    if (const Symbol* s = module.Find(name); s && s->type.is_array) found = s->lower_bound;
  return found;
}

// A module's dynamic array declared without bounds (`Private a() As String`) has the dimensions
// the ReDims of that name in the module give it (a local array of the same name counts too).
void InferModuleArrayDimensions(ModuleSymbols& module) {
  vb::ForEachStatement(module.tree->body, [&](const vb::Stmt& s) {
    if (s.kind != vb::StmtKind::kReDim) return;
    for (const vb::ReDimClause& c : s.As<vb::ReDimStmt>().arrays) {
      if (c.target->kind != vb::ExprKind::kName) continue;
      auto found = module.members.find(vb::NameKey(c.target->As<vb::NameExpr>().name));
      if (found == module.members.end() || found->second.kind != SymbolKind::kVariable ||
          !found->second.declarator || !found->second.declarator->bounds.empty())
        continue;
      found->second.type.dims = std::max(found->second.type.dims, int(c.bounds.size()));
    }
  });
}

// Looks at every call of a project routine for array arguments whose lower bound is known:
// an array parameter that always receives arrays with one lower bound has it.
void InferParameterLowerBounds(ProjectSymbols& project) {
  std::map<const vb::Parameter*, std::optional<long>> seen;  // nullopt: callers disagree
  for (const auto& m : project.modules) {
    for (const vb::StmtPtr& top : m->tree->body) {
      if (top->kind != vb::StmtKind::kProcedure) continue;
      const auto& caller = top->As<vb::ProcedureStmt>();
      auto visit_call = [&](const vb::Expr& callee, const std::vector<vb::Argument>& args) {
        if (callee.kind != vb::ExprKind::kName) return;
        const std::u16string& name = callee.As<vb::NameExpr>().name;
        const Symbol* target = m->Find(name);
        if (!target) target = project.FindPublic(name, m.get());
        if (!target || !target->procedure) return;
        const auto& params = target->procedure->params;
        for (size_t i = 0; i < args.size() && i < params.size(); ++i) {
          if (!params[i].is_array || !args[i].value) continue;
          const vb::Expr* arg = args[i].value.get();
          if (arg->kind == vb::ExprKind::kCall && arg->As<vb::CallExpr>().args.empty())
            arg = arg->As<vb::CallExpr>().callee.get();
          std::optional<long> low;
          if (arg->kind == vb::ExprKind::kName) {
            const std::u16string& arg_name = arg->As<vb::NameExpr>().name;
            bool is_param = false;
            for (const vb::Parameter& p : caller.params) is_param |= vb::NamesEqual(p.name, arg_name);
            if (!is_param) low = DeclaredLowerBound(caller.body, *m, arg_name);
          }
          auto [entry, inserted] = seen.try_emplace(&params[i], low);
          if (!inserted && entry->second != low) entry->second = std::nullopt;
        }
      };
      vb::ForEachStatement(caller.body, [&](const vb::Stmt& s) {
        if (s.kind == vb::StmtKind::kCall)
          visit_call(*s.As<vb::CallStmt>().callee, s.As<vb::CallStmt>().args);
        // Calls inside expressions: the function calls of assignments and prints, one level deep.
        auto visit_expr = [&](const vb::Expr* e) {
          if (e && e->kind == vb::ExprKind::kCall)
            visit_call(*e->As<vb::CallExpr>().callee, e->As<vb::CallExpr>().args);
        };
        if (s.kind == vb::StmtKind::kAssign) visit_expr(s.As<vb::AssignStmt>().value.get());
        if (s.kind == vb::StmtKind::kPrint)
          for (const vb::PrintItem& item : s.As<vb::PrintStmt>().items) {
            visit_expr(item.value.get());
            if (item.value && item.value->kind == vb::ExprKind::kBinary) {
              visit_expr(item.value->As<vb::BinaryExpr>().left.get());
              visit_expr(item.value->As<vb::BinaryExpr>().right.get());
            }
          }
      });
    }
  }
  for (const auto& [param, low] : seen)
    if (low && *low != 0) project.parameter_lower_bounds[param] = *low;
}

}  // namespace

ProjectSymbols BindProject(const std::vector<const vb::Module*>& modules,
                           const std::vector<std::string>& unit_names,
                           const std::vector<const FormDescription*>& forms) {
  ProjectSymbols project;
  for (size_t i = 0; i < modules.size(); ++i) {
    auto m = std::make_unique<ModuleSymbols>();
    m->tree = modules[i];
    m->unit_name = unit_names[i];
    m->vb_name = modules[i]->name.empty() ? std::u16string(unit_names[i].begin(), unit_names[i].end())
                                          : modules[i]->name;
    m->is_class = modules[i]->source_kind == vb::SourceKind::kClass;
    m->form = i < forms.size() ? forms[i] : nullptr;
    ReadOptions(modules[i]->body, *m);
    project.modules.push_back(std::move(m));
  }
  // Types and enums first, so that variables and routines can name them.
  for (auto& m : project.modules) {
    for (const vb::StmtPtr& stmt : m->tree->body) {
      auto add = [&](const std::u16string& name, SymbolKind kind, bool is_public) -> Symbol& {
        Symbol& s = m->members[vb::NameKey(name)];
        s.kind = kind;
        s.name = name;
        s.pascal = PascalName(Utf8(name));
        s.is_public = is_public;
        s.module = m.get();
        return s;
      };
      if (stmt->kind == vb::StmtKind::kType) {
        const auto& type = stmt->As<vb::TypeStmt>();
        add(type.name, SymbolKind::kRecordType, type.scope != vb::Scope::kPrivate).record = &type;
      } else if (stmt->kind == vb::StmtKind::kEnum) {
        const auto& e = stmt->As<vb::EnumStmt>();
        add(e.name, SymbolKind::kEnum, e.scope != vb::Scope::kPrivate);
        for (const vb::StmtPtr& member : e.body) {
          if (member->kind != vb::StmtKind::kEnumMember) continue;
          Symbol& s = add(member->As<vb::EnumMemberStmt>().name, SymbolKind::kEnumMember,
                          e.scope != vb::Scope::kPrivate);
          s.type = TypeInfo::Of(VbType::kLong);
        }
      }
    }
  }
  for (auto& m : project.modules) {
    for (const vb::StmtPtr& stmt : m->tree->body) {
      auto add = [&](const std::u16string& name, SymbolKind kind, bool is_public) -> Symbol& {
        Symbol& s = m->members[vb::NameKey(name)];
        s.kind = kind;
        s.name = name;
        s.pascal = PascalName(Utf8(name));
        s.is_public = is_public;
        s.module = m.get();
        s.is_class_member = m->is_class || m->form;
        return s;
      };
      switch (stmt->kind) {
        case vb::StmtKind::kVariables: {
          const auto& vars = stmt->As<vb::VariablesStmt>();
          for (const vb::VarDeclarator& v : vars.variables) {
            Symbol& s = add(v.name, SymbolKind::kVariable, IsPublicScope(vars.scope, false));
            s.type = ResolveType(v.type, v.suffix, v.name, *m, project);
            s.declarator = &v;
            s.type.is_array = v.is_array;
            s.type.dims = v.is_array ? std::max<int>(1, int(v.bounds.size())) : 0;
            if (v.is_array && !v.bounds.empty())
              s.lower_bound = ConstantValue(v.bounds[0].lower.get(), m->option_base);
            else if (v.is_array)
              s.lower_bound = m->option_base;
          }
          break;
        }
        case vb::StmtKind::kConst: {
          const auto& consts = stmt->As<vb::ConstStmt>();
          for (const vb::ConstDeclarator& c : consts.constants) {
            Symbol& s = add(c.name, SymbolKind::kConstant, IsPublicScope(consts.scope, false));
            s.type = c.type.empty() && !c.suffix ? ConstantType(c.value.get(), *m)
                                                 : ResolveType(c.type, c.suffix, c.name, *m, project);
          }
          break;
        }
        case vb::StmtKind::kDeclare: {
          const auto& d = stmt->As<vb::DeclareStmt>();
          Symbol& s = add(d.name, SymbolKind::kDeclare, d.scope != vb::Scope::kPrivate);
          s.declare = &d;
          s.type = d.is_function ? ResolveType(d.return_type, d.suffix, d.name, *m, project)
                                 : TypeInfo::Of(VbType::kVoid);
          break;
        }
        case vb::StmtKind::kProcedure: {
          const auto& p = stmt->As<vb::ProcedureStmt>();
          auto& props = m->properties[vb::NameKey(p.name)];
          const bool is_property = p.procedure_kind == vb::ProcedureKind::kPropertyGet ||
                                   p.procedure_kind == vb::ProcedureKind::kPropertyLet ||
                                   p.procedure_kind == vb::ProcedureKind::kPropertySet;
          if (is_property) props.push_back(&p);
          if (is_property && m->Find(p.name) && p.procedure_kind != vb::ProcedureKind::kPropertyGet) break;
          Symbol& s = add(p.name, SymbolKind::kProcedure, IsPublicScope(p.scope, true));
          s.procedure = &p;
          if (p.procedure_kind == vb::ProcedureKind::kSub) {
            s.type = TypeInfo::Of(VbType::kVoid);
          } else if (p.procedure_kind == vb::ProcedureKind::kPropertyLet ||
                     p.procedure_kind == vb::ProcedureKind::kPropertySet) {
            const vb::Parameter* value = p.params.empty() ? nullptr : &p.params.back();
            s.type = value ? ResolveType(value->type, value->suffix, value->name, *m, project) : TypeInfo{};
          } else {
            s.type = ResolveType(p.return_type, p.suffix, p.name, *m, project);
            if (p.return_is_array) {
              s.type.is_array = true;
              s.type.dims = 1;
            }
          }
          break;
        }
        default:
          break;
      }
    }
  }
  for (auto& m : project.modules) InferModuleArrayDimensions(*m);
  InferParameterLowerBounds(project);
  return project;
}

}  // namespace veldrane::translation
