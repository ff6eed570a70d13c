#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "translation/translator.h"
#include "translation/vb_types.h"
#include "vb/syntax_tree.h"

namespace veldrane::translation {

// The type of a variable, parameter, function result or expression.
struct TypeInfo {
  VbType base = VbType::kVariant;
  std::u16string name;   // a class, Type or Enum name as written (kObject, kRecord)
  int fixed_length = 0;  // String * n
  int dims = 0;          // array dimensions (0: not an array; dynamic arrays: from ReDim, else 1)
  bool is_array = false;
  bool is_collection = false;
  // A component of the VCL/LCL: the Delphi class whose members the control table maps
  // (TButton; TForm for a form, whose VB name is `name`). `control_array`: the whole array.
  std::string control_class;
  bool control_array = false;
  // Twips in a unit of the coordinates a control is placed by (its form's ScaleMode) and of
  // those inside it (a form's or picture box's own ScaleMode, for ScaleWidth and mouse events).
  double scale = 1, own_scale = 1;

  TypeInfo Element() const {
    TypeInfo t = *this;
    t.is_array = false;
    t.dims = 0;
    return t;
  }
  static TypeInfo Of(VbType base) {
    TypeInfo t;
    t.base = base;
    return t;
  }
};

enum class SymbolKind {
  kVariable,
  kConstant,
  kProcedure,
  kDeclare,
  kEnumMember,
  kParameter,
  kEnum,
  kRecordType,
};

struct ModuleSymbols;

struct Symbol {
  SymbolKind kind = SymbolKind::kVariable;
  std::u16string name;
  std::string pascal;  // how Pascal refers to it (mangled for statics)
  TypeInfo type;
  bool is_public = false;
  bool by_ref = false;       // parameters
  bool optional = false;     // parameters
  bool param_array = false;  // parameters
  long lower_bound = 0;      // arrays: the lower bound of the first dimension, when known
  const vb::ProcedureStmt* procedure = nullptr;
  const vb::DeclareStmt* declare = nullptr;
  const vb::Parameter* parameter = nullptr;
  const vb::TypeStmt* record = nullptr;           // kRecordType
  const vb::VarDeclarator* declarator = nullptr;  // variables
  const ModuleSymbols* module = nullptr;          // where it is declared
  bool is_class_member = false;                   // a field, method or property of a class
};

// What one file declares at its top level.
struct ModuleSymbols {
  const vb::Module* tree = nullptr;
  std::u16string vb_name;
  std::string unit_name;
  bool is_class = false;
  const FormDescription* form = nullptr;  // forms and user controls
  bool option_explicit = false;
  bool compare_text = false;
  int option_base = 0;
  VbType def_types[26] = {};                 // DefInt A-Z and friends; kUnknown where none applies
  std::map<std::u16string, Symbol> members;  // by NameKey
  // Property procedures share one name: the Get (or the first seen) is in members, all here.
  std::map<std::u16string, std::vector<const vb::ProcedureStmt*>> properties;

  const Symbol* Find(std::u16string_view name) const;
  // The type an undeclared name or a declaration without As gets: its suffix, DefType, Variant.
  TypeInfo DefaultType(std::u16string_view name, char16_t suffix) const;
};

// Every file's symbols, for lookups across modules (public members are seen everywhere).
struct ProjectSymbols {
  std::vector<std::unique_ptr<ModuleSymbols>> modules;
  // Array parameters whose every caller passes an array with the same known lower bound.
  std::map<const vb::Parameter*, long> parameter_lower_bounds;

  const Symbol* FindPublic(std::u16string_view name, const ModuleSymbols* except) const;
  const ModuleSymbols* FindModule(std::u16string_view vb_name) const;
  const ModuleSymbols* FindClass(std::u16string_view vb_name) const;
  const ModuleSymbols* FindForm(std::u16string_view vb_name) const;
};

// Reads the declarations of each tree into symbols. `modules` and `unit_names` run in parallel.
// `forms`, when given, runs in parallel too (nullptr for what is not a form).
ProjectSymbols BindProject(const std::vector<const vb::Module*>& modules,
                           const std::vector<std::string>& unit_names,
                           const std::vector<const FormDescription*>& forms = {});

// The type a TypeRef (with suffix fallback) names, resolved in the project.
TypeInfo ResolveType(const vb::TypeRef& ref, char16_t suffix, std::u16string_view name,
                     const ModuleSymbols& module, const ProjectSymbols& project);

std::string Utf8(std::u16string_view text);

// The type of a constant's value when it is a literal (possibly negated); Variant otherwise.
TypeInfo LiteralType(const vb::Expr* expr);

}  // namespace veldrane::translation
