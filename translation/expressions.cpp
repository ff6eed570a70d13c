#include <cmath>
#include <cstdio>

#include "translation/control_members.h"
#include "translation/intrinsics.h"
#include "translation/unit_translator.h"
#include "translation/vb_constants.h"

namespace veldrane::translation {
namespace {

bool IsStringLike(const TypeInfo& t) { return t.base == VbType::kString && !t.is_array; }
bool IsVariantLike(const TypeInfo& t) {
  return !t.is_array && (t.base == VbType::kVariant || t.base == VbType::kUnknown);
}
bool IsNumberLike(const TypeInfo& t) { return !t.is_array && IsNumeric(t.base); }

TypeInfo ErrObjectType() {
  TypeInfo t;
  t.base = VbType::kObject;
  t.name = u"ErrObject";
  return t;
}

std::string RoutineFor(VbType type) {
  switch (type) {
    case VbType::kByte:
      return "VbCByte";
    case VbType::kBoolean:
      return "VbCBool";
    case VbType::kInteger:
      return "VbCInt";
    case VbType::kLong:
      return "VbCLng";
    case VbType::kSingle:
      return "VbCSng";
    case VbType::kDouble:
      return "VbCDbl";
    case VbType::kCurrency:
      return "VbCCur";
    case VbType::kDate:
      return "VbCDate";
    case VbType::kString:
      return "VbCStr";
    default:
      return "";
  }
}

std::string DoubleText(double number) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.17g", number);
  std::string text = buffer;
  if (text.find_first_of(".eEn") == std::string::npos) text += ".0";
  return text;
}

// A date literal's text (M/D/YYYY, optionally a time, or only a time) as Pascal; empty
// when it is not in one of those forms.
std::string DateLiteral(std::u16string_view text) {
  int month = 0, day = 0, year = 0, hour = 0, minute = 0, second = 0;
  char ampm[3] = {};
  const std::string s = Utf8(text);
  bool has_date = false, has_time = false;
  int used = 0;
  if (std::sscanf(s.c_str(), " %d/%d/%d%n", &month, &day, &year, &used) == 3) has_date = true;
  const char* rest = s.c_str() + (has_date ? used : 0);
  int n = std::sscanf(rest, " %d:%d:%d %2s", &hour, &minute, &second, ampm);
  if (n < 3) {
    second = 0;
    n = std::sscanf(rest, " %d:%d %2s", &hour, &minute, ampm);
    if (n >= 2) has_time = true;
  } else {
    has_time = true;
  }
  if (!has_date && !has_time) return "";
  if (ampm[0] == 'P' || ampm[0] == 'p') hour = hour % 12 + 12;
  if (ampm[0] == 'A' || ampm[0] == 'a') hour %= 12;
  if (has_date && year < 100) year += year < 30 ? 2000 : 1900;
  std::string out;
  if (has_date)
    out = "EncodeDate(" + std::to_string(year) + ", " + std::to_string(month) + ", " + std::to_string(day) +
          ")";
  if (has_time) {
    const std::string t = "EncodeTime(" + std::to_string(hour) + ", " + std::to_string(minute) + ", " +
                          std::to_string(second) + ", 0)";
    out = out.empty() ? t : "(" + out + " + " + t + ")";
  }
  return out;
}

}  // namespace

TypeInfo ArgumentType(char letter) {
  switch (letter) {
    case 'S':
      return TypeInfo::Of(VbType::kString);
    case 'L':
      return TypeInfo::Of(VbType::kLong);
    case 'I':
      return TypeInfo::Of(VbType::kInteger);
    case 'D':
      return TypeInfo::Of(VbType::kDouble);
    case 'G':
      return TypeInfo::Of(VbType::kSingle);
    case 'B':
      return TypeInfo::Of(VbType::kBoolean);
    case 'T':
      return TypeInfo::Of(VbType::kDate);
    default:
      return TypeInfo::Of(VbType::kVariant);
  }
}

void UnitTranslator::Note(int line, const std::string& message) {
  if (!failure_.empty()) return;
  failure_ = message;
  failure_line_ = line;
}

std::string UnitTranslator::NewTemp(const TypeInfo& type) {
  if (!routine_) {
    Note(0, "an expression outside a routine that needs a temporary variable");
    return "_T0";
  }
  const std::string name = "_T" + std::to_string(++routine_->temp_count);
  routine_->var_lines.push_back(name + ": " + PascalType(type) + ";");
  return name;
}

std::string UnitTranslator::AsVariant(const Value& v) {
  if (in_constant_) return v.text;
  if (const Value d = Defaulted(v); d.type.control_class.empty() && !v.type.control_class.empty())
    return AsVariant(d);
  if (!v.type.control_class.empty() && v.text != "nil") {
    Note(0, "a form or control as a Variant");
    return "Unassigned";
  }
  if (v.type.is_array && v.type.base == VbType::kString && v.type.dims <= 1) {
    helpers_.insert(Helper::kStringsToVariant);
    return "_StringsToVariant(" + v.text + ")";
  }
  if (v.type.is_array) {
    Note(0, "a typed array used as a Variant");
    return v.text;
  }
  if (v.text == "nil") {
    helpers_.insert(Helper::kNothing);
    return "_Nothing";
  }
  switch (v.type.base) {
    case VbType::kDate:
      return "VarFromDateTime(" + v.text + ")";
    case VbType::kInteger:
      if (v.is_literal) return "SmallInt(" + v.text + ")";
      return v.is_lvalue ? v.text : "VbCInt(" + v.text + ")";
    case VbType::kLong:
      if (v.is_literal) return "LongInt(" + v.text + ")";
      return v.is_lvalue ? v.text : "VbCLng(" + v.text + ")";
    case VbType::kByte:
      return v.is_lvalue ? v.text : "VbCByte(" + v.text + ")";
    case VbType::kSingle:
      // Free Pascal would make every Single a Double Variant.
      return "VarAsType(" + (v.is_lvalue ? v.text : "VbCSng(" + v.text + ")") + ", varSingle)";
    case VbType::kCurrency:
      return v.is_lvalue ? v.text : "Currency(" + v.text + ")";
    case VbType::kDouble:
      return v.is_literal ? "Double(" + v.text + ")" : v.text;
    case VbType::kRecord:
      Note(0, "a user-defined type used as a Variant");
      return v.text;
    default:
      return v.text;
  }
}

std::string UnitTranslator::AsString(const Value& v) {
  if (IsStringLike(v.type) || in_constant_) return v.text;
  if (const Value d = Defaulted(v); d.type.control_class.empty() && !v.type.control_class.empty())
    return AsString(d);
  if (v.type.is_array && v.type.base == VbType::kByte) {
    helpers_.insert(Helper::kBytes);
    return "_BytesToString(" + v.text + ")";
  }
  return "VbCStr(" + AsVariant(v) + ")";
}

std::string UnitTranslator::AsNumber(const Value& v) {
  if (in_constant_) return v.text;
  if (const Value d = Defaulted(v); d.type.control_class.empty() && !v.type.control_class.empty())
    return AsNumber(d);
  if (v.type.base == VbType::kBoolean && !v.type.is_array) return "VbBoolToNum(" + v.text + ")";
  if (IsNumberLike(v.type)) return v.text;
  if (IsStringLike(v.type)) return "VbCDbl(" + v.text + ")";
  return v.text;
}

std::string UnitTranslator::AsInteger(const Value& v) {
  if (in_constant_) return v.text;
  if (const Value d = Defaulted(v); d.type.control_class.empty() && !v.type.control_class.empty())
    return AsInteger(d);
  if (v.type.base == VbType::kBoolean) return "VbBoolToNum(" + v.text + ")";
  if (IsIntegral(v.type.base) && !v.type.is_array) return v.text;
  return "VbCLng(" + AsVariant(v) + ")";
}

std::string UnitTranslator::Condition(const Value& v) {
  if (const Value d = Defaulted(v); d.type.control_class.empty() && !v.type.control_class.empty())
    return Condition(d);
  if (v.type.base == VbType::kBoolean && !v.type.is_array) return v.text;
  if (IsNumberLike(v.type)) return "(" + v.text + " <> 0)";
  return "VbCBool(" + AsVariant(v) + ")";
}

std::string UnitTranslator::Convert(const Value& v, const TypeInfo& target) {
  if (target.base != VbType::kObject && !v.type.control_class.empty())
    if (const Value d = Defaulted(v); d.type.control_class.empty()) return Convert(d, target);
  if (target.is_array || v.type.is_array) {
    if (target.is_array && !v.type.is_array && IsVariantLike(v.type))
      Note(0, "a Variant holding an array assigned to a typed array");
    // A String and a Byte array convert into each other byte for byte (UTF-16 code units).
    if (target.is_array && target.base == VbType::kByte && !v.type.is_array && IsStringLike(v.type)) {
      helpers_.insert(Helper::kBytes);
      return "_StringToBytes(" + v.text + ")";
    }
    if (target.is_array && v.type.is_array && std::max(1, target.dims) != std::max(1, v.type.dims)) {
      Note(0, "an array of " + std::to_string(std::max(1, v.type.dims)) + " dimensions where one of " +
                  std::to_string(std::max(1, target.dims)) + " is declared");
      return "nil";
    }
    // VB copies arrays on assignment; Pascal's dynamic arrays would be shared.
    if (target.is_array && v.type.is_array && v.is_lvalue) return "Copy(" + v.text + ")";
    if (!target.is_array && v.type.is_array) return AsVariant(v);
    return v.text;
  }
  const VbType from = v.type.base;
  switch (target.base) {
    case VbType::kUnknown:
    case VbType::kVariant:
      return AsVariant(v);
    case VbType::kString: {
      const std::string s = AsString(v);
      return target.fixed_length > 0 ? "VbFixedString(" + s + ", " + std::to_string(target.fixed_length) + ")"
                                     : s;
    }
    case VbType::kBoolean:
      return Condition(v);
    case VbType::kByte:
    case VbType::kInteger:
    case VbType::kLong:
      if (from == VbType::kBoolean) return "VbBoolToNum(" + v.text + ")";
      // Integer arithmetic overflows at 16 bits in VB, also when the result goes to a Long.
      if (from == VbType::kInteger && target.base != VbType::kInteger && !v.is_lvalue && !v.is_literal)
        return "VbCInt(" + v.text + ")";
      if (IsIntegral(from)) return v.text;
      return RoutineFor(target.base) + "(" + AsVariant(v) + ")";
    case VbType::kSingle:
    case VbType::kDouble:
    case VbType::kCurrency:
    case VbType::kDate:
      if (from == VbType::kBoolean) return "VbBoolToNum(" + v.text + ")";
      if (from == VbType::kInteger && !v.is_lvalue && !v.is_literal) return "VbCInt(" + v.text + ")";
      if (IsNumeric(from)) return v.text;
      return RoutineFor(target.base) + "(" + AsVariant(v) + ")";
    case VbType::kObject:
      // Forms and controls are objects of the library, the project's Objects interfaces.
      if (!v.type.control_class.empty() && target.control_class.empty() && v.text != "nil") {
        Note(0, "a form or control as an Object of no control type");
        return "nil";
      }
      if (IsVariantLike(v.type)) {
        if (target.is_collection) return "(IInterface(" + v.text + ") as IVbCollection)";
        const ModuleSymbols* c = project_.FindClass(target.name);
        if (c) return "(IInterface(" + v.text + ") as " + ClassInterfaceName(target.name) + ")";
        return "IInterface(" + v.text + ")";
      }
      if (v.type.base == VbType::kObject && !vb::NamesEqual(v.type.name, target.name) &&
          project_.FindClass(target.name) && v.text != "nil")
        return "(" + v.text + " as " + ClassInterfaceName(target.name) + ")";
      return v.text;
    default:
      return v.text;
  }
}

Value UnitTranslator::Literal(const vb::LiteralExpr& l) {
  Value v;
  v.is_literal = true;
  switch (l.literal_kind) {
    case vb::LiteralKind::kInteger:
      v.type = TypeInfo::Of(VbType::kInteger);
      v.text = std::to_string(l.integer);
      break;
    case vb::LiteralKind::kLong:
      v.type = TypeInfo::Of(VbType::kLong);
      v.text = std::to_string(l.integer);
      break;
    case vb::LiteralKind::kSingle:
      v.type = TypeInfo::Of(VbType::kSingle);
      v.text = DoubleText(l.number);
      v.is_literal = false;
      break;
    case vb::LiteralKind::kDouble:
      v.type = TypeInfo::Of(VbType::kDouble);
      v.text = DoubleText(l.number);
      break;
    case vb::LiteralKind::kCurrency:
      v.type = TypeInfo::Of(VbType::kCurrency);
      v.text = DoubleText(l.number);
      v.is_literal = false;
      break;
    case vb::LiteralKind::kString:
      v.type = TypeInfo::Of(VbType::kString);
      v.text = PascalStringLiteral(l.text);
      v.is_literal = false;
      break;
    case vb::LiteralKind::kDate: {
      v.type = TypeInfo::Of(VbType::kDate);
      v.text = DateLiteral(l.text);
      if (v.text.empty()) v.text = "VbCDate(" + PascalStringLiteral(l.text) + ")";
      v.is_literal = false;
      break;
    }
    case vb::LiteralKind::kBoolean:
      v.type = TypeInfo::Of(VbType::kBoolean);
      v.text = l.integer ? "True" : "False";
      v.is_literal = false;
      break;
    case vb::LiteralKind::kNothing:
      v.type = TypeInfo::Of(VbType::kObject);
      v.text = "nil";
      v.is_literal = false;
      break;
    case vb::LiteralKind::kEmpty:
      v.type = TypeInfo::Of(VbType::kVariant);
      v.text = "Unassigned";
      v.is_literal = false;
      break;
    case vb::LiteralKind::kNull:
      v.type = TypeInfo::Of(VbType::kVariant);
      v.text = "Null";
      v.is_literal = false;
      break;
  }
  if (v.is_literal && v.text[0] == '-') v.text = "(" + v.text + ")";
  return v;
}

const Symbol* UnitTranslator::Lookup(std::u16string_view name) {
  const std::u16string key = vb::NameKey(name);
  if (routine_) {
    if (auto found = routine_->locals.find(key); found != routine_->locals.end()) return &found->second;
  }
  if (const Symbol* s = module_.Find(name)) return s;
  return project_.FindPublic(name, &module_);
}

const Symbol* UnitTranslator::DeclareImplicit(std::u16string_view name, char16_t suffix, int line) {
  if (!routine_ || module_.option_explicit) return nullptr;
  (void)line;
  Symbol s;
  s.kind = SymbolKind::kVariable;
  s.name = std::u16string(name);
  s.pascal = PascalName(Utf8(name));
  s.type = module_.DefaultType(name, suffix);
  s.module = &module_;
  routine_->var_lines.push_back(s.pascal + ": " + PascalType(s.type) + ";");
  if (const std::string zero = ZeroValue(s.type); !zero.empty())
    routine_->init_lines.push_back(s.pascal + " := " + zero + ";");
  return &(routine_->locals[vb::NameKey(name)] = s);
}

// The Pascal reference to a symbol from this unit: other units' members are qualified.
std::string UnitTranslator::Qualified(const Symbol& s) {
  if (!s.module || s.module == &module_ || s.is_class_member) return s.pascal;
  if (s.kind != SymbolKind::kConstant && s.kind != SymbolKind::kEnumMember)
    used_units_.insert(s.module->unit_name);
  // Qualified only where two modules have the name: a unit's name is often also a
  // variable's, which would hide the unit.
  int modules_with_name = 0;
  for (const auto& m : project_.modules)
    if (const Symbol* other = m->Find(s.name); other && other->is_public && !m->is_class && !m->form)
      ++modules_with_name;
  if (modules_with_name < 2 || s.kind == SymbolKind::kConstant || s.kind == SymbolKind::kEnumMember)
    return s.pascal;
  if (declaring_) interface_units_.insert(s.module->unit_name);
  return s.module->unit_name + "." + s.pascal;
}

Value UnitTranslator::Name(const vb::NameExpr& name, bool as_call_target) {
  Value v;
  if (routine_ && routine_->procedure && vb::NamesEqual(name.name, routine_->procedure->name) &&
      !as_call_target && routine_->procedure->procedure_kind != vb::ProcedureKind::kSub) {
    const Symbol* self = module_.Find(name.name);
    v.text = "Result";
    v.type = self ? self->type : TypeInfo::Of(VbType::kVariant);
    if (routine_->procedure->procedure_kind == vb::ProcedureKind::kPropertyGet && self) v.type = self->type;
    v.is_lvalue = true;
    return v;
  }
  const Symbol* s = Lookup(name.name);
  if (!s || (s->module != &module_ && module_.form)) {
    // Forms and controls before the project's other names, as VB looks in the form first.
    bool found = false;
    Value form = FormName(name.name, &found);
    if (found) return form;
  }
  if (!s) {
    if (vb::NamesEqual(name.name, u"Me")) {
      v.text = "(Self as " + ClassInterfaceName(module_.vb_name) + ")";
      v.type.base = VbType::kObject;
      v.type.name = module_.vb_name;
      return v;
    }
    if (vb::NamesEqual(name.name, u"Err")) {
      // Err alone is its default member, Number; Member() asks for the object itself.
      v.text = as_call_target ? "Err" : "Err.Number";
      v.type = as_call_target ? ErrObjectType() : TypeInfo::Of(VbType::kLong);
      return v;
    }
    if (const auto constant = FindVbConstant(Utf8(name.name))) {
      v.text = std::string(constant->pascal);
      v.type = TypeInfo::Of(constant->type);
      return v;
    }
    bool found = false;
    Value call = CallIntrinsic(name.name, {}, name.line, &found);
    if (found) return call;
    s = DeclareImplicit(name.name, name.suffix, name.line);
    if (!s) {
      Note(name.line, "unknown name " + Utf8(name.name));
      v.text = PascalName(Utf8(name.name));
      return v;
    }
  }
  v.symbol = s;
  switch (s->kind) {
    case SymbolKind::kVariable:
    case SymbolKind::kParameter:
      v.text = Qualified(*s);
      v.type = s->type;
      v.is_lvalue = true;
      if (s->is_class_member && s->procedure) v.is_lvalue = false;
      return v;
    case SymbolKind::kConstant:
    case SymbolKind::kEnumMember:
      v.text = Qualified(*s);
      v.type = s->type;
      return v;
    case SymbolKind::kProcedure:
    case SymbolKind::kDeclare:
      if (as_call_target) {
        v.text = Qualified(*s);
        v.type = s->type;
        return v;
      }
      return CallRoutine(*s, "", {}, name.line);
    default:
      Note(name.line, "a type or module name used as a value: " + Utf8(name.name));
      v.text = s->pascal;
      return v;
  }
}

Value UnitTranslator::CallRoutine(const Symbol& routine, const std::string& target,
                                  const std::vector<vb::Argument>& args, int line) {
  static const std::vector<vb::Parameter> kNone;
  const std::vector<vb::Parameter>& params = routine.procedure ? routine.procedure->params
                                             : routine.declare ? routine.declare->params
                                                               : kNone;
  const ModuleSymbols& owner = routine.module ? *routine.module : module_;
  std::string name = target.empty() ? Qualified(routine) : target + routine.pascal;
  if (routine.procedure && routine.procedure->procedure_kind == vb::ProcedureKind::kPropertyGet) {
    name = target.empty() && routine.is_class_member ? "Get_" + routine.pascal
           : target.empty()
               ? (routine.module == &module_ ? "" : routine.module->unit_name + ".") + "Get_" + routine.pascal
               : target + "Get_" + routine.pascal;
  }
  // Arguments matched to parameters, by position then by name.
  std::vector<const vb::Argument*> matched(params.size(), nullptr);
  std::vector<const vb::Argument*> rest;
  size_t position = 0;
  for (const vb::Argument& a : args) {
    if (!a.name.empty()) {
      bool placed = false;
      for (size_t i = 0; i < params.size(); ++i)
        if (vb::NamesEqual(params[i].name, a.name)) matched[i] = &a, placed = true;
      if (!placed) Note(line, "named argument " + Utf8(a.name) + " not found");
      continue;
    }
    if (position < params.size() && !params[position].param_array) {
      matched[position++] = &a;
    } else {
      rest.push_back(&a);
    }
  }
  std::vector<std::string> texts;
  for (size_t i = 0; i < params.size(); ++i) {
    const vb::Parameter& p = params[i];
    TypeInfo type = ResolveType(p.type, p.suffix, p.name, owner, project_);
    if (p.is_array) {
      type.is_array = true;
      type.dims = std::max(type.dims, 1);
    }
    if (p.param_array) {
      std::string list;
      for (const vb::Argument* a : rest) {
        if (!list.empty()) list += ", ";
        list += a->value ? AsVariant(Expr(*a->value)) : "VbMissing";
      }
      texts.push_back("[" + list + "]");
      break;
    }
    const vb::Argument* a = matched[i];
    if (!a || !a->value) {
      if (!p.optional) Note(line, "argument " + Utf8(p.name) + " missing");
      if (p.default_value) {
        RoutineState* saved = routine_;
        Value d = Expr(*p.default_value);
        routine_ = saved;
        texts.push_back(Convert(d, type));
      } else if (type.base == VbType::kVariant || type.base == VbType::kUnknown) {
        texts.push_back("VbMissing");
      } else {
        texts.push_back(ZeroValue(type).empty() ? "Default(" + PascalType(type) + ")" : ZeroValue(type));
      }
      continue;
    }
    const bool by_ref = p.passing != vb::ParamPassing::kByVal && !p.optional;
    Value arg = Expr(*a->value);
    if (routine.declare) {
      // External routines take C strings, untyped variables and pointer-sized values.
      const bool any = vb::NamesEqual(p.type.name, u"Any");
      if (type.base == VbType::kString && !type.is_array) {
        texts.push_back("PAnsiChar(AnsiString(" + AsString(arg) + "))");
        continue;
      }
      if (any && !by_ref) {
        texts.push_back("PtrInt(" + Convert(arg, TypeInfo::Of(VbType::kLong)) + ")");
        continue;
      }
      if (any && arg.is_lvalue) {
        texts.push_back(arg.text);
        continue;
      }
    }
    if (by_ref || p.is_array) {
      const bool same = arg.is_lvalue && PascalType(arg.type) == PascalType(type) && type.fixed_length == 0;
      if (same || p.is_array) {
        texts.push_back(arg.text);
      } else {
        const std::string temp = NewTemp(type);
        pending_.push_back(temp + " := " + Convert(arg, type) + ";");
        texts.push_back(temp);
      }
    } else {
      texts.push_back(Convert(arg, type));
    }
  }
  if (params.empty() && !args.empty()) Note(line, "too many arguments to " + Utf8(routine.name));
  std::string text = name + "(";
  for (size_t i = 0; i < texts.size(); ++i) text += (i ? ", " : "") + texts[i];
  text += ")";
  Value v;
  v.text = text;
  v.type = routine.type;
  if (routine.declare && routine.type.base == VbType::kString) v.text = "string(" + text + ")";
  if (routine.procedure && (routine.procedure->procedure_kind == vb::ProcedureKind::kPropertyLet ||
                            routine.procedure->procedure_kind == vb::ProcedureKind::kPropertySet))
    Note(line, "a property without Property Get read");
  return v;
}

// The value VB uses for an intrinsic's argument left out before others (Replace(s, a, b, , 2)).
static std::string OmittedArgument(const std::string& key, size_t index, char type_letter) {
  switch (type_letter) {
    case 'S':
      return "''";
    case 'B':
      return "False";
    case 'L':
    case 'I':
      if (key == "replace" && index == 3) return "1";
      if ((key == "replace" && index == 4) || (key == "instrrev" && index == 2) ||
          (key == "split" && index == 2))
        return "-1";
      if (key == "weekday" || key == "weekdayname" || key == "datediff" || key == "datepart") return "1";
      return "0";
    case 'D':
    case 'G':
      return "0";
    default:
      return "VbMissing";
  }
}

Value UnitTranslator::CallIntrinsic(std::u16string_view name, const std::vector<vb::Argument>& args, int line,
                                    bool* found) {
  *found = true;
  Value v;
  const std::string key = Utf8(vb::NameKey(name));
  auto arg = [&](size_t i) { return Expr(*args[i].value); };
  auto present = [&](size_t i) { return i < args.size() && args[i].value; };
  if (key == "lbound" || key == "ubound") {
    v.type = TypeInfo::Of(VbType::kLong);
    if (!present(0)) {
      Note(line, "LBound/UBound without an array");
      return v;
    }
    Value a = arg(0);
    int dim = 1;
    if (present(1)) {
      const vb::Expr& d = *args[1].value;
      if (d.kind == vb::ExprKind::kLiteral) dim = int(d.As<vb::LiteralExpr>().integer);
    }
    if (!a.type.is_array) {
      v.text = std::string(key == "lbound" ? "VarArrayLowBound(" : "VarArrayHighBound(") + a.text + ", " +
               std::to_string(dim) + ")";
      return v;
    }
    if (key == "lbound") {
      v.text = std::to_string(LowerBound(a, dim));
      return v;
    }
    std::string inner = a.text;
    for (int d = 1; d < dim; ++d) inner += "[0]";
    v.text = "High(" + inner + ")";
    // A String array may be empty (Split of ""); any other empty array was never allocated.
    const bool param_array = a.symbol && a.symbol->parameter && a.symbol->parameter->param_array;
    if (a.type.base != VbType::kString && !param_array) {  // an empty ParamArray has UBound -1
      uses_index_check_ = true;
      v.text = "_CheckIndex(" + v.text + ", 0, MaxInt)";
    }
    return v;
  }
  if (key == "ismissing") {
    v.type = TypeInfo::Of(VbType::kBoolean);
    v.text = present(0) ? "VbIsMissing(" + AsVariant(arg(0)) + ")" : "False";
    return v;
  }
  if (key == "array") {
    std::string list;
    for (size_t i = 0; i < args.size(); ++i)
      list += (i ? ", " : "") + (present(i) ? AsVariant(arg(i)) : "VbMissing");
    v.text = "VarArrayOf([" + list + "])";
    if (module_.option_base == 1) {
      helpers_.insert(Helper::kArrayBase1);
      v.text = "_ArrayBase1(" + v.text + ")";
    }
    return v;
  }
  if (key == "typename" && present(0)) {
    Value a = arg(0);
    if (a.type.base == VbType::kObject && !a.type.is_array && project_.FindClass(a.type.name)) {
      v.type = TypeInfo::Of(VbType::kString);
      v.text = "VbCStr(VbIIf(" + a.text + " = nil, 'Nothing', " +
               PascalStringLiteral(project_.FindClass(a.type.name)->vb_name) + "))";
      return v;
    }
  }
  if (key == "lenb" && present(0)) {
    v.type = TypeInfo::Of(VbType::kLong);
    v.text = "(VbLen(" + AsString(arg(0)) + ") * 2)";  // two bytes a UTF-16 code unit
    return v;
  }
  if (key == "len" && present(0)) {
    Value a = arg(0);
    v.type = TypeInfo::Of(VbType::kLong);
    v.text = IsVariantLike(a.type) ? "VbLen(" + a.text + ")" : "VbLen(" + AsString(a) + ")";
    return v;
  }
  if (key == "instr") {
    v.type = TypeInfo::Of(VbType::kVariant);
    v.type.base = VbType::kLong;
    std::vector<Value> values;
    for (size_t i = 0; i < args.size(); ++i) values.push_back(present(i) ? arg(i) : Value{});
    if (values.size() == 2) {
      v.text = "VbInStr(" + AsString(values[0]) + ", " + AsString(values[1]) + ")";
      if (module_.compare_text)
        v.text = "VbInStr(1, " + AsString(values[0]) + ", " + AsString(values[1]) + ", 1)";
    } else if (values.size() >= 3) {
      v.text = "VbInStr(" + Convert(values[0], TypeInfo::Of(VbType::kLong)) + ", " + AsString(values[1]) +
               ", " + AsString(values[2]) +
               (values.size() > 3 ? ", " + Convert(values[3], TypeInfo::Of(VbType::kInteger))
                                  : std::string(module_.compare_text ? ", 1" : "")) +
               ")";
    } else {
      Note(line, "InStr needs two arguments");
    }
    return v;
  }
  if (key == "choose" || key == "switch") {
    // VB evaluates every argument; so does the array of them.
    std::vector<std::string> values;
    for (size_t i = 0; i < args.size(); ++i) values.push_back(present(i) ? AsVariant(arg(i)) : "Null");
    if (key == "choose" && !values.empty()) {
      std::string list;
      for (size_t i = 1; i < values.size(); ++i) list += (i > 1 ? ", " : "") + values[i];
      const std::string index = Convert(arg(0), TypeInfo::Of(VbType::kLong));
      v.text = "VbIIf((" + index + " >= 1) and (" + index + " <= " + std::to_string(values.size() - 1) +
               "), VarArrayOf([" + list + ", Null])[VbCLng(" + index + ") - 1], Null)";
      if (values.size() == 1) v.text = "Null";
    } else {
      v.text = "Null";
      for (size_t i = values.size() / 2 * 2; i >= 2; i -= 2)
        v.text = "VbIIf(VbCBool(" + values[i - 2] + "), " + values[i - 1] + ", " + v.text + ")";
    }
    return v;
  }
  if (key == "msgbox" || key == "inputbox") uses_interaction_ = true;
  const std::optional<Intrinsic> intrinsic = FindIntrinsic(Utf8(name));
  if (!intrinsic) {
    *found = false;
    return v;
  }
  v.type = TypeInfo::Of(intrinsic->result);
  if (intrinsic->returns_array) {
    v.type = TypeInfo::Of(VbType::kString);
    v.type.is_array = true;
    v.type.dims = 1;
  }
  if (!name.empty() && name.back() == u'$' && intrinsic->result == VbType::kVariant)
    v.type.base = VbType::kString;
  std::string text = std::string(intrinsic->routine);
  const std::string_view sig = intrinsic->arguments;
  const size_t bar = sig.find('|');
  const size_t required = bar == std::string_view::npos ? sig.size() : bar;
  std::string list;
  size_t letter = 0;
  for (size_t i = 0; i < args.size(); ++i, ++letter) {
    if (!args[i].name.empty()) {
      Note(line, "named argument to " + Utf8(name));
      break;
    }
    if (letter < sig.size() && sig[letter] == '|') ++letter;
    const char type_letter = letter < sig.size() ? sig[letter] : (sig.empty() ? 'V' : sig.back());
    std::string a;
    if (!present(i)) {
      a = OmittedArgument(key, i, type_letter);
    } else if (type_letter == 'A') {
      a = arg(i).text;
    } else if (type_letter == '*') {
      a = AsVariant(arg(i));
    } else {
      a = Convert(arg(i), ArgumentType(type_letter));
    }
    list += (i ? ", " : "") + a;
  }
  if (args.size() < required && sig.find('*') == std::string_view::npos)
    Note(line, Utf8(name) + " needs " + std::to_string(required) + " arguments");
  if (sig.find('*') != std::string_view::npos && key != "choose") list = "[" + list + "]";
  if (key == "choose" && !args.empty()) {
    const size_t comma = list.find(", ");
    list = comma == std::string::npos ? list + ", []"
                                      : list.substr(0, comma) + ", [" + list.substr(comma + 2) + "]";
  }
  // Option Compare Text is the compare argument where none is given.
  if (module_.compare_text) {
    const size_t compare_at = key == "strcomp" ? 2 : key == "instrrev" ? 3 : key == "replace" ? 5 : 0;
    if (compare_at > 0 && args.size() <= compare_at) {
      // The optional arguments between: InStrRev's Start -1, Replace's Start 1 and Count -1.
      for (size_t i = args.size(); i < compare_at; ++i)
        list += std::string(list.empty() ? "" : ", ") + (key == "replace" && i == 3 ? "1" : "-1");
      list += ", 1";
    }
  }
  v.text = list.empty() && intrinsic->result == VbType::kVoid ? text : text + "(" + list + ")";
  if (list.empty() && intrinsic->result != VbType::kVoid) v.text = text;
  return v;
}

long UnitTranslator::LowerBound(const Value& array, int dim) {
  if (dim == 1)
    if (auto found = lower_bounds_.find(array.text); found != lower_bounds_.end()) return found->second;
  if (array.symbol && array.symbol->declarator && int(array.symbol->declarator->bounds.size()) >= dim) {
    const vb::ArrayBound& b = array.symbol->declarator->bounds[size_t(dim - 1)];
    if (!b.lower) return array.symbol->module ? array.symbol->module->option_base : module_.option_base;
    const vb::Expr* e = b.lower.get();
    long sign = 1;
    if (e->kind == vb::ExprKind::kUnary) sign = -1, e = e->As<vb::UnaryExpr>().operand.get();
    if (e->kind == vb::ExprKind::kLiteral) return sign * long(e->As<vb::LiteralExpr>().integer);
  }
  return array.symbol && dim == 1 ? array.symbol->lower_bound : 0;
}

Value UnitTranslator::Index(const Value& array, const std::vector<vb::Argument>& args, int line) {
  if (args.empty() && array.type.is_array) return array;  // a() passes the whole array
  Value v;
  v.symbol = array.symbol;
  if (array.type.is_collection) {
    v.type = TypeInfo::Of(VbType::kVariant);
    v.text = array.text + "[" +
             (args.empty() || !args[0].value ? "VbMissing" : AsVariant(Expr(*args[0].value))) + "]";
    return v;
  }
  std::string list;
  std::string row = array.text;
  for (size_t i = 0; i < args.size(); ++i) {
    if (!args[i].value) {
      Note(line, "an index left out");
      continue;
    }
    std::string index = AsInteger(Expr(*args[i].value));
    if (array.type.is_array) {
      // VB's bounds, so that a subscript out of them is error 9 as in VB.
      uses_index_check_ = true;
      index = "_CheckIndex(" + index + ", " + std::to_string(LowerBound(array, int(i) + 1)) + ", High(" +
              row + "))";
      row += "[0]";
    }
    list += (i ? ", " : "") + index;
  }
  if (array.type.is_array) {
    v.type = array.type.Element();
    v.is_lvalue = array.is_lvalue;
  } else {
    // A Variant holding an array: Pascal indexes it as VB does, for reading and writing.
    v.type = TypeInfo::Of(VbType::kVariant);
    v.is_lvalue = array.is_lvalue;
  }
  v.text = array.text + "[" + list + "]";
  return v;
}

std::u16string UnitTranslator::DefaultMember(const TypeInfo& type) const {
  const ModuleSymbols* cls =
      type.base == VbType::kObject && !type.is_array ? project_.FindClass(type.name) : nullptr;
  if (!cls) return u"";
  // The member the class marks with Attribute Member.VB_UserMemId = 0.
  for (const vb::Attribute& a : cls->tree->attributes) {
    const size_t dot = a.name.find(u'.');
    if (dot != std::u16string::npos && vb::NamesEqual(a.name.substr(dot + 1), u"VB_UserMemId") &&
        a.value == u"0")
      return a.name.substr(0, dot);
  }
  return u"";
}

Value UnitTranslator::BindLate(const Value& object, std::u16string_view member) {
  if (object.type.is_array || !object.type.control_class.empty() ||
      (object.type.base != VbType::kVariant && object.type.base != VbType::kUnknown &&
       !(object.type.base == VbType::kObject && !project_.FindClass(object.type.name))))
    return object;
  // A Variant or Object is taken to hold an object of the first project class with a public
  // member of that name; a Collection when the member is one of its own.
  for (const auto& m : project_.modules) {
    if (!m->is_class || project_.FindClass(m->vb_name) != m.get()) continue;
    const Symbol* s = m->Find(member);
    if (!s || !s->is_public) continue;
    Value bound;
    bound.type.base = VbType::kObject;
    bound.type.name = m->vb_name;
    bound.text = "(IInterface(" + object.text + ") as " + ClassInterfaceName(m->vb_name) + ")";
    return bound;
  }
  const std::string key = Utf8(vb::NameKey(member));
  if (key == "count" || key == "item" || key == "add" || key == "remove") {
    Value bound;
    bound.type.base = VbType::kObject;
    bound.type.name = u"Collection";
    bound.type.is_collection = true;
    bound.text = "(IInterface(" + object.text + ") as IVbCollection)";
    return bound;
  }
  return object;
}

Value UnitTranslator::ObjectMember(const Value& object, std::u16string_view name,
                                   const std::vector<vb::Argument>* args, int line) {
  if (!object.type.control_class.empty()) return ControlAccess(object, name, args, line);
  Value v;
  static const std::vector<vb::Argument> kNoArgs;
  const std::vector<vb::Argument>& list = args ? *args : kNoArgs;
  if (object.type.base == VbType::kRecord) {
    const Symbol* record = Lookup(object.type.name);
    if (record && record->record) {
      for (const vb::StmtPtr& stmt : record->record->body) {
        if (stmt->kind != vb::StmtKind::kVariables) continue;
        for (const vb::VarDeclarator& field : stmt->As<vb::VariablesStmt>().variables) {
          if (!vb::NamesEqual(field.name, name)) continue;
          v.type = ResolveType(field.type, field.suffix, field.name, *record->module, project_);
          v.type.is_array = field.is_array;
          v.type.dims = field.is_array ? std::max<int>(1, int(field.bounds.size())) : 0;
          v.text = object.text + "." + PascalName(Utf8(field.name));
          v.is_lvalue = object.is_lvalue;
          if (args && !args->empty()) return Index(v, *args, line);
          return v;
        }
      }
    }
    Note(line, "unknown field " + Utf8(name));
    v.text = object.text + "." + PascalName(Utf8(name));
    return v;
  }
  if (object.type.is_collection) {
    const std::string key = Utf8(vb::NameKey(name));
    if (key == "count") {
      v.text = object.text + ".Count";
      v.type = TypeInfo::Of(VbType::kLong);
    } else if (key == "item") {
      return Index(object, list, line);
    } else if (key == "add" || key == "remove") {
      std::string text;
      for (size_t i = 0; i < list.size(); ++i)
        text += (i ? ", " : "") + (list[i].value ? AsVariant(Expr(*list[i].value)) : "VbMissing");
      v.text = object.text + "." + (key == "add" ? "Add(" : "Remove(") + text + ")";
      v.type = TypeInfo::Of(VbType::kVoid);
      for (const vb::Argument& a : list)
        if (!a.name.empty()) Note(line, "named argument to Collection." + Utf8(name));
    } else {
      Note(line, "unknown Collection member " + Utf8(name));
    }
    return v;
  }
  if (object.type.name == u"ErrObject") {
    const std::string key = Utf8(vb::NameKey(name));
    v.text = "Err." + PascalName(Utf8(name));
    v.type = TypeInfo::Of(key == "number"                    ? VbType::kLong
                          : key == "clear" || key == "raise" ? VbType::kVoid
                                                             : VbType::kString);
    if (key == "raise") {
      std::string text;
      for (size_t i = 0; i < list.size(); ++i) {
        if (!list[i].value) break;
        text += (i ? ", " : "") +
                Convert(Expr(*list[i].value), TypeInfo::Of(i == 0 ? VbType::kLong : VbType::kString));
      }
      v.text = "Err.&Raise(" + text + ")";
    }
    return v;
  }
  if (!project_.FindClass(object.type.name) && !object.type.is_collection &&
      object.type.name != u"ErrObject") {
    const Value bound = BindLate(object, name);
    if (bound.type.is_collection || project_.FindClass(bound.type.name))
      return ObjectMember(bound, name, args, line);
  }
  const ModuleSymbols* cls =
      object.type.base == VbType::kObject ? project_.FindClass(object.type.name) : nullptr;
  if (!cls) {
    Note(line, "member " + Utf8(name) + " of an object whose class is not known here (late binding)");
    v.text = object.text + "." + PascalName(Utf8(name));
    return v;
  }
  const Symbol* member = cls->Find(name);
  if (!member || !member->is_public) {
    Note(line, "no public member " + Utf8(name) + " in class " + Utf8(cls->vb_name));
    v.text = object.text + "." + PascalName(Utf8(name));
    return v;
  }
  if (member->kind == SymbolKind::kVariable) {
    v.text = object.text + ".Get_" + member->pascal + "()";
    v.type = member->type;
    if (args && !args->empty()) return Index(v, *args, line);
    return v;
  }
  return CallRoutine(*member, object.text + ".", list, line);
}

Value UnitTranslator::Member(const vb::MemberExpr& member) {
  Value object;
  if (!member.object) {
    if (!routine_ || routine_->with_stack.empty()) {
      Note(member.line, "a With member outside With");
      return object;
    }
    object.text = routine_->with_stack.back();
    object.type = routine_->with_types.back();
    object.is_lvalue = true;
  } else if (member.object->kind == vb::ExprKind::kName) {
    const auto& name = member.object->As<vb::NameExpr>();
    const Symbol* s = Lookup(name.name);
    if (!s || s->kind == SymbolKind::kEnum) {
      if (const ModuleSymbols* m = project_.FindModule(name.name); m && !m->is_class && !m->form) {
        if (const Symbol* target = m->Find(member.name)) {
          vb::NameExpr inner(member.line);
          inner.name = member.name;
          (void)target;
          // Qualified access to a module member: resolve in that module.
          Value v;
          if (target->kind == SymbolKind::kProcedure || target->kind == SymbolKind::kDeclare)
            return CallRoutine(*target, "", {}, member.line);
          used_units_.insert(m->unit_name);
          v.text = m->unit_name + "." + target->pascal;
          v.type = target->type;
          v.is_lvalue = target->kind == SymbolKind::kVariable;
          v.symbol = target;
          return v;
        }
      }
      if (s && s->kind == SymbolKind::kEnum) {
        Value v;
        v.text = PascalName(Utf8(member.name));
        v.type = TypeInfo::Of(VbType::kLong);
        return v;
      }
      if (vb::NamesEqual(name.name, u"VBA") || vb::NamesEqual(name.name, u"Interaction") ||
          vb::NamesEqual(name.name, u"Strings") || vb::NamesEqual(name.name, u"Conversion")) {
        bool found = false;
        Value call = CallIntrinsic(member.name, {}, member.line, &found);
        if (found) return call;
      }
    }
    object = vb::NamesEqual(name.name, u"Err") && !s ? Name(name, true) : Expr(*member.object);
  } else {
    object = Expr(*member.object);
  }
  if (member.bang) {
    Note(member.line, "the ! operator");
    return object;
  }
  return ObjectMember(object, member.name, nullptr, member.line);
}

Value UnitTranslator::Call(const vb::CallExpr& call) {
  const vb::Expr& callee = *call.callee;
  if (callee.kind == vb::ExprKind::kName) {
    const auto& name = callee.As<vb::NameExpr>();
    const Symbol* s = Lookup(name.name);
    const bool own_function =
        routine_ && routine_->procedure && vb::NamesEqual(name.name, routine_->procedure->name);
    if (s && (s->kind == SymbolKind::kProcedure || s->kind == SymbolKind::kDeclare) &&
        !(own_function && s->type.is_array && false))
      return CallRoutine(*s, "", call.args, call.line);
    if (!s && (vb::NamesEqual(name.name, u"UBound") || vb::NamesEqual(name.name, u"LBound")) &&
        !call.args.empty() && call.args[0].value && call.args[0].value->kind == vb::ExprKind::kName) {
      const Value array = Expr(*call.args[0].value);
      if (array.type.control_array) return ControlAccess(array, name.name, nullptr, call.line);
    }
    if (!s) {
      bool found = false;
      Value v = CallIntrinsic(name.name, call.args, call.line, &found);
      if (found) return v;
      // A member of the form itself, given arguments (Move 0, 0).
      if (module_.form && FindControlMember(module_.form->base_class, name.name)) {
        Value me = FormName(u"Me", &found);
        return ControlAccess(me, name.name, &call.args, call.line);
      }
    }
    Value target = Name(name);
    if (target.type.control_array) return ControlElement(target, call.args, call.line);
    if (!target.type.control_class.empty()) return ControlAccess(target, u"", &call.args, call.line);
    if (const std::u16string member = DefaultMember(target.type); !member.empty())
      return ObjectMember(target, member, &call.args, call.line);
    if (target.type.is_array || target.type.is_collection || IsVariantLike(target.type))
      return Index(target, call.args, call.line);
    Note(call.line, Utf8(name.name) + " is neither an array nor a routine");
    return target;
  }
  if (callee.kind == vb::ExprKind::kMember) {
    const auto& member = callee.As<vb::MemberExpr>();
    if (member.object && member.object->kind == vb::ExprKind::kName) {
      const auto& owner = member.object->As<vb::NameExpr>();
      if (!Lookup(owner.name)) {
        if (const ModuleSymbols* m = project_.FindModule(owner.name); m && !m->is_class && !m->form) {
          if (const Symbol* target = m->Find(member.name)) {
            if (target->kind == SymbolKind::kProcedure || target->kind == SymbolKind::kDeclare)
              return CallRoutine(*target, "", call.args, call.line);
            Value array;
            used_units_.insert(m->unit_name);
            array.text = m->unit_name + "." + target->pascal;
            array.type = target->type;
            array.is_lvalue = true;
            array.symbol = target;
            return Index(array, call.args, call.line);
          }
        }
        if (vb::NamesEqual(owner.name, u"VBA")) {
          bool found = false;
          Value v = CallIntrinsic(member.name, call.args, call.line, &found);
          if (found) return v;
        }
      }
    }
    Value object;
    if (!member.object) {
      if (!routine_ || routine_->with_stack.empty()) {
        Note(call.line, "a With member outside With");
        return object;
      }
      object.text = routine_->with_stack.back();
      object.type = routine_->with_types.back();
      object.is_lvalue = true;
    } else {
      const bool err = member.object->kind == vb::ExprKind::kName &&
                       vb::NamesEqual(member.object->As<vb::NameExpr>().name, u"Err") &&
                       !Lookup(member.object->As<vb::NameExpr>().name);
      object = err ? Name(member.object->As<vb::NameExpr>(), true) : Expr(*member.object);
    }
    return ObjectMember(object, member.name, &call.args, call.line);
  }
  Value target = Expr(callee);
  return Index(target, call.args, call.line);
}

std::string UnitTranslator::Compare(const Value& l, const Value& r, const std::string& op) {
  if (IsStringLike(l.type) && IsStringLike(r.type)) {
    if (module_.compare_text) return "(VbStrComp(" + l.text + ", " + r.text + ", 1) " + op + " 0)";
    return "(" + l.text + " " + op + " " + r.text + ")";
  }
  if (IsVariantLike(l.type) || IsVariantLike(r.type)) {
    if (module_.compare_text && (IsStringLike(l.type) || IsStringLike(r.type)))
      return "(VbStrComp(" + AsString(l) + ", " + AsString(r) + ", 1) " + op + " 0)";
    return "(" + AsVariant(l) + " " + op + " " + AsVariant(r) + ")";
  }
  if (l.type.base == VbType::kObject || r.type.base == VbType::kObject) {
    return "(" + l.text + " " + op + " " + r.text + ")";
  }
  return "(" + AsNumber(l) + " " + op + " " + AsNumber(r) + ")";
}

Value UnitTranslator::Binary(const vb::BinaryExpr& b) {
  Value l = Expr(*b.left);
  Value r = Expr(*b.right);
  if (b.op != vb::BinaryOp::kIs) l = Defaulted(l), r = Defaulted(r);
  Value v;
  const bool variant = IsVariantLike(l.type) || IsVariantLike(r.type);
  // VB's Empty counts as 0 in arithmetic; Free Pascal's would not.
  auto operand = [&](const Value& x) {
    if (!IsVariantLike(x.type)) return AsVariant(x);
    helpers_.insert(Helper::kEmptyAsZero);
    return "_EmptyAsZero(" + x.text + ")";
  };
  auto arithmetic = [&](const char* op) {
    if (variant) {
      v.type = TypeInfo::Of(VbType::kVariant);
      const bool numeric = IsNumberLike(l.type) || IsNumberLike(r.type);
      v.text = "(" + (numeric ? operand(l) : AsVariant(l)) + " " + op + " " +
               (numeric ? operand(r) : AsVariant(r)) + ")";
      return;
    }
    const VbType lt = IsStringLike(l.type) ? VbType::kDouble : l.type.base;
    const VbType rt = IsStringLike(r.type) ? VbType::kDouble : r.type.base;
    v.type = TypeInfo::Of(WiderNumeric(lt, rt));
    if (v.type.base == VbType::kDate && std::string(op) == "-" && lt == VbType::kDate && rt == VbType::kDate)
      v.type = TypeInfo::Of(VbType::kDouble);
    v.text = "(" + AsNumber(l) + " " + op + " " + AsNumber(r) + ")";
  };
  auto logical = [&](const char* op) {
    if (l.type.base == VbType::kBoolean && r.type.base == VbType::kBoolean) {
      v.type = TypeInfo::Of(VbType::kBoolean);
      v.text = "(" + l.text + " " + op + " " + r.text + ")";
    } else if (variant) {
      v.type = TypeInfo::Of(VbType::kVariant);
      v.text = "(" + AsVariant(l) + " " + op + " " + AsVariant(r) + ")";
    } else {
      const VbType lt = IsIntegral(l.type.base) ? l.type.base : VbType::kLong;
      const VbType rt = IsIntegral(r.type.base) ? r.type.base : VbType::kLong;
      v.type = TypeInfo::Of(WiderNumeric(lt, rt));
      v.text = "(" + AsInteger(l) + " " + op + " " + AsInteger(r) + ")";
    }
  };
  switch (b.op) {
    case vb::BinaryOp::kAdd:
      if (IsStringLike(l.type) && IsStringLike(r.type)) {
        v.type = TypeInfo::Of(VbType::kString);
        v.text = "(" + l.text + " + " + r.text + ")";
      } else {
        arithmetic("+");
      }
      break;
    case vb::BinaryOp::kSubtract:
      arithmetic("-");
      break;
    case vb::BinaryOp::kMultiply:
      arithmetic("*");
      break;
    case vb::BinaryOp::kDivide:
      if (variant) {
        v.type = TypeInfo::Of(VbType::kVariant);
        v.text = "(" + AsVariant(l) + " / " + AsVariant(r) + ")";
      } else {
        const bool single = (l.type.base == VbType::kSingle && r.type.base != VbType::kDouble) ||
                            (r.type.base == VbType::kSingle && l.type.base != VbType::kDouble);
        v.type = TypeInfo::Of(single ? VbType::kSingle : VbType::kDouble);
        v.text = in_constant_ ? "(" + l.text + " / " + r.text + ")"
                              : "VbDivide(" + AsNumber(l) + ", " + AsNumber(r) + ")";
      }
      break;
    case vb::BinaryOp::kIntDivide:
    case vb::BinaryOp::kMod: {
      const bool div = b.op == vb::BinaryOp::kIntDivide;
      if (variant) {
        v.type = TypeInfo::Of(VbType::kVariant);
        v.text = std::string(div ? "VbIntDiv(" : "VbMod(") + AsVariant(l) + ", " + AsVariant(r) + ")";
      } else {
        const VbType lt =
            IsIntegral(l.type.base) && l.type.base != VbType::kBoolean ? l.type.base : VbType::kLong;
        const VbType rt =
            IsIntegral(r.type.base) && r.type.base != VbType::kBoolean ? r.type.base : VbType::kLong;
        v.type = TypeInfo::Of(WiderNumeric(lt, rt));
        if (l.type.base == VbType::kBoolean || r.type.base == VbType::kBoolean)
          v.type = TypeInfo::Of(VbType::kInteger);
        v.text = "(" + AsInteger(l) + (div ? " div " : " mod ") + AsInteger(r) + ")";
        // A constant divisor of 0 would stop the compiler; VB raises the error when it runs.
        if (r.is_literal && r.text == "0")
          v.text = "VbCLng(" + std::string(div ? "VbIntDiv(" : "VbMod(") + AsVariant(l) + ", " +
                   AsVariant(r) + "))";
      }
      break;
    }
    case vb::BinaryOp::kPower:
      v.type = TypeInfo::Of(VbType::kDouble);
      if (in_constant_) Note(b.line, "a constant computed with ^");
      v.text = "VbPower(" + (variant ? "VbCDbl(" + AsVariant(l) + ")" : AsNumber(l)) + ", " +
               (variant ? "VbCDbl(" + AsVariant(r) + ")" : AsNumber(r)) + ")";
      break;
    case vb::BinaryOp::kConcat:
      if (variant) {
        v.type = TypeInfo::Of(VbType::kVariant);
        v.text = "VbConcat(" + AsVariant(l) + ", " + AsVariant(r) + ")";
      } else {
        v.type = TypeInfo::Of(VbType::kString);
        v.text = "(" + AsString(l) + " + " + AsString(r) + ")";
      }
      break;
    case vb::BinaryOp::kEqual:
      v.text = Compare(l, r, "=");
      v.type = TypeInfo::Of(VbType::kBoolean);
      break;
    case vb::BinaryOp::kNotEqual:
      v.text = Compare(l, r, "<>");
      v.type = TypeInfo::Of(VbType::kBoolean);
      break;
    case vb::BinaryOp::kLess:
      v.text = Compare(l, r, "<");
      v.type = TypeInfo::Of(VbType::kBoolean);
      break;
    case vb::BinaryOp::kGreater:
      v.text = Compare(l, r, ">");
      v.type = TypeInfo::Of(VbType::kBoolean);
      break;
    case vb::BinaryOp::kLessEqual:
      v.text = Compare(l, r, "<=");
      v.type = TypeInfo::Of(VbType::kBoolean);
      break;
    case vb::BinaryOp::kGreaterEqual:
      v.text = Compare(l, r, ">=");
      v.type = TypeInfo::Of(VbType::kBoolean);
      break;
    case vb::BinaryOp::kLike:
      v.type = TypeInfo::Of(VbType::kBoolean);
      v.text = "VbLike(" + AsString(l) + ", " + AsString(r) + (module_.compare_text ? ", True)" : ")");
      break;
    case vb::BinaryOp::kIs:
      v.type = TypeInfo::Of(VbType::kBoolean);
      if (l.text == "nil" || r.text == "nil" || !l.type.control_class.empty() ||
          !r.type.control_class.empty())
        v.text = "(TObject(" + l.text + ") = TObject(" + r.text + "))";
      else
        v.text = "(IInterface(" + l.text + ") = IInterface(" + r.text + "))";
      break;
    case vb::BinaryOp::kAnd:
      logical("and");
      break;
    case vb::BinaryOp::kOr:
      logical("or");
      break;
    case vb::BinaryOp::kXor:
      logical("xor");
      break;
    case vb::BinaryOp::kEqv:
      logical("xor");
      v.text = "(not " + v.text + ")";
      break;
    case vb::BinaryOp::kImp: {
      Value notl = l;
      notl.text = "(not " + (l.type.base == VbType::kBoolean ? l.text : AsInteger(l)) + ")";
      if (l.type.base != VbType::kBoolean && !IsVariantLike(l.type)) notl.type = TypeInfo::Of(VbType::kLong);
      l = notl;
      logical("or");
      break;
    }
  }
  return v;
}

Value UnitTranslator::Unary(const vb::UnaryExpr& u) {
  Value operand = Expr(*u.operand);
  Value v;
  switch (u.op) {
    case vb::UnaryOp::kPlus:
      return operand;
    case vb::UnaryOp::kNegate:
      if (operand.is_literal) {
        v = operand;
        v.text = "(-" + operand.text + ")";
        return v;
      }
      v.type = IsStringLike(operand.type)              ? TypeInfo::Of(VbType::kDouble)
               : operand.type.base == VbType::kBoolean ? TypeInfo::Of(VbType::kInteger)
                                                       : operand.type;
      v.text = "(-" + (IsVariantLike(operand.type) ? operand.text : AsNumber(operand)) + ")";
      return v;
    case vb::UnaryOp::kNot:
      if (operand.type.base == VbType::kBoolean || IsVariantLike(operand.type)) {
        v.type = operand.type;
        v.text = "(not " + operand.text + ")";
      } else {
        v.type = IsIntegral(operand.type.base) ? operand.type : TypeInfo::Of(VbType::kLong);
        v.text = "(not " + AsInteger(operand) + ")";
      }
      return v;
  }
  return v;
}

Value UnitTranslator::Expr(const vb::Expr& e) {
  switch (e.kind) {
    case vb::ExprKind::kLiteral:
      return Literal(e.As<vb::LiteralExpr>());
    case vb::ExprKind::kName:
      return Name(e.As<vb::NameExpr>());
    case vb::ExprKind::kMember:
      return Member(e.As<vb::MemberExpr>());
    case vb::ExprKind::kCall:
      return Call(e.As<vb::CallExpr>());
    case vb::ExprKind::kUnary:
      return Unary(e.As<vb::UnaryExpr>());
    case vb::ExprKind::kBinary:
      return Binary(e.As<vb::BinaryExpr>());
    case vb::ExprKind::kParen: {
      Value v = Expr(*e.As<vb::ParenExpr>().inner);
      v.is_lvalue = false;
      v.text = "(" + v.text + ")";
      return v;
    }
    case vb::ExprKind::kNew: {
      const auto& n = e.As<vb::NewExpr>();
      Value v;
      v.type.base = VbType::kObject;
      v.type.name = n.type.name;
      if (vb::NamesEqual(n.type.name, u"Collection")) {
        v.type.is_collection = true;
        v.text = "VbNewCollection";
      } else if (const ModuleSymbols* form = project_.FindForm(n.type.name)) {
        v.type.control_class = "TForm";
        if (form != &module_) used_units_.insert(form->unit_name);
        v.text = form->form->class_name + ".Create(Application)";
      } else if (project_.FindClass(n.type.name)) {
        // The object goes straight into the interface reference: an `as` would leave a hidden
        // temporary holding it until the routine ends, and Class_Terminate would run late.
        v.text = ClassImplementationName(n.type.name) + ".Create";
      } else {
        Note(e.line, "New of a class outside the project: " + Utf8(n.type.name));
        v.text = "nil";
      }
      return v;
    }
    case vb::ExprKind::kTypeOf: {
      const auto& t = e.As<vb::TypeOfExpr>();
      Value object = Expr(*t.operand);
      Value v;
      v.type = TypeInfo::Of(VbType::kBoolean);
      if (project_.FindClass(t.type.name))
        v.text = "Supports(" + object.text + ", " + ClassInterfaceName(t.type.name) + ")";
      else if (const std::string control = DelphiClassOfVbType(t.type.name); !control.empty())
        v.text = "(" + object.text + " is " + control + ")";
      else if (vb::NamesEqual(t.type.name, u"Collection"))
        v.text = "Supports(" + object.text + ", IVbCollection)";
      else {
        Note(e.line, "TypeOf with a class outside the project");
        v.text = "False";
      }
      return v;
    }
    case vb::ExprKind::kAddressOf:
      Note(e.line, "AddressOf");
      return Value{"nil", TypeInfo::Of(VbType::kLong), false, false, nullptr, {}};
  }
  return Value{};
}

}  // namespace veldrane::translation
