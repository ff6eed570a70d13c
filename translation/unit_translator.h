#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "translation/binding.h"
#include "translation/pascal_text.h"
#include "translation/translator.h"
#include "vb/syntax_tree.h"

namespace veldrane::translation {

// The type a letter of the intrinsics' and control members' tables names: S String, L Long,
// I Integer, D Double, G Single, B Boolean, T Date, anything else Variant.
TypeInfo ArgumentType(char letter);

// The library's units translated forms and the code naming controls use.
extern const char* const kFormUnits[12];

// An expression written as Pascal, with the VB type it has.
struct Value {
  std::string text;
  TypeInfo type;
  bool is_lvalue = false;   // a variable, element or field: can be passed to a var parameter
  bool is_literal = false;  // a numeric literal (typed explicitly where it becomes a Variant)
  const Symbol* symbol = nullptr;
  std::string setter;  // a control's property: the statement assigning it, `$v` the value
};

// State of the routine being written.
struct RoutineState {
  const vb::ProcedureStmt* procedure = nullptr;
  std::string pascal_name;                  // the routine's Pascal name (for statics)
  std::map<std::u16string, Symbol> locals;  // parameters, locals, statics, implicit variables
  std::vector<std::string> var_lines;       // "name: type;"
  std::vector<std::string> const_lines;     // "name = value;"
  std::vector<std::string> init_lines;      // run first: zeroing and array allocation
  std::set<std::string> labels;
  int temp_count = 0;
  bool handles_errors = false;  // has On Error: statements are guarded
  int guard_count = 0;          // guarded statements, for Resume / Resume Next
  int gosub_count = 0;
  std::vector<std::string> with_stack;  // the Pascal expression each open With refers to
  std::vector<TypeInfo> with_types;
  struct Loop {
    bool is_for = false;
    std::string exit_label;  // set when an Exit leaves it from inside another kind of loop
  };
  std::vector<Loop> loops;
  bool uses_resume = false;
  std::vector<std::string> resume_labels;  // per guarded statement (from 1): where Resume goes
  std::string line_label;                  // set inside a single-line If: Resume runs the line again
  bool uses_gosub = false;
  std::vector<std::u16string> error_handlers;  // On Error GoTo labels, numbered from 1
};

// What the units of a translation of several files declare in one unit they all use, so
// that they may name each other's types without circular unit references: the public
// constants, enums and user-defined types, and every class's interface type.
struct SharedDeclarations {
  std::string unit_name;  // empty: a single file keeps everything in its own unit
  PascalWriter consts, forwards, types;
};

// Writes one VB file as one Pascal unit.
class UnitTranslator {
 public:
  UnitTranslator(const ProjectSymbols& project, const ModuleSymbols& module, std::u16string_view source,
                 SharedDeclarations& shared);
  TranslatedUnit Translate();

 private:
  // units.cpp
  void WriteModule(PascalWriter& out);
  // A routine, comment or unparsed statement of the module's body (false for anything else).
  bool WriteCodeMember(const vb::Stmt& s, const std::string& owner, PascalWriter& code);
  void WriteClass(PascalWriter& out);
  // WithEvents fields of project classes: a sink object each, declared in `fields`, that calls
  // the owner's Field_Event handlers; the sinks' classes (after the owner's) and their code.
  struct EventSink {
    std::string field, class_name, events_interface;
    std::vector<const vb::EventStmt*> events;
  };
  std::vector<EventSink> WithEventsSinks(const std::string& owner_class, PascalWriter& fields);
  void WriteSinkClasses(const std::vector<EventSink>& sinks, const std::string& owner_class,
                        PascalWriter& out, PascalWriter& code);
  // form_units.cpp: a form's class, its events' adapters and its implicit instance.
  void WriteForm(PascalWriter& out);
  void WriteUnloadRoutines(const std::string& class_name, PascalWriter& out);  // a form's, not a frame's
  std::string EventAdapter(const FormEvent& event, const std::string& class_name, PascalWriter& code);
  // A control's, form's, App's... member through the control table (control_members.h).
  Value ControlAccess(const Value& object, std::u16string_view name, const std::vector<vb::Argument>* args,
                      int line);
  Value Defaulted(const Value& value);  // a control used as a value: its default property
  // Names of forms and controls: this form's members, its components, the project's forms,
  // App, Screen and Clipboard; `found` false when the name is none of them.
  Value FormName(std::u16string_view name, bool* found);
  Value FormInstance(const ModuleSymbols& form);
  Value ComponentOf(const ModuleSymbols& form, const std::string& owner, std::u16string_view name,
                    bool* found);
  Value ControlElement(const Value& array, const std::vector<vb::Argument>& args, int line);
  // Load and Unload of forms and control-array elements; false for another statement.
  bool LoadStatement(const vb::CallStmt& stmt, PascalWriter& out);
  bool ForEachControl(const vb::ForEachStmt& stmt, const Value& element, const Value& group,
                      PascalWriter& out);
  void WriteDeclarations(PascalWriter& interface_part, PascalWriter& implementation_part);
  void WriteType(const vb::TypeStmt& type, PascalWriter& out);
  void WriteEnum(const vb::EnumStmt& e, PascalWriter& out);
  void WriteConst(const vb::ConstStmt& c, PascalWriter& interface_part, PascalWriter& implementation_part);
  void WriteDeclare(const vb::DeclareStmt& d, PascalWriter& interface_part,
                    PascalWriter& implementation_part);
  std::string Header(const vb::ProcedureStmt& p, const std::string& owner, bool for_interface);
  std::string ParameterList(const std::vector<vb::Parameter>& params);
  // What sets up a variable as VB's Dim does: arrays allocated, As New objects created,
  // fixed-length strings (also in user-defined types) filled with spaces; with `zero` also
  // numbers, Booleans and records zeroed (Pascal leaves locals and fields undefined).
  std::vector<std::string> InitLines(const std::string& target, const vb::VarDeclarator& v,
                                     const TypeInfo& type, bool zero);
  std::string ProcedurePascalName(const vb::ProcedureStmt& p) const;
  void WriteRoutine(const vb::ProcedureStmt& p, const std::string& owner, PascalWriter& out);
  std::string UsesClause(bool for_interface);
  void WriteHelpers(PascalWriter& out);
  struct InterfaceMethod {
    bool function = false;
    std::string prefix;
    std::u16string vb_name;
  };
  std::vector<InterfaceMethod> InterfaceMethods(const ModuleSymbols& cls) const;
  std::vector<const vb::EventStmt*> EventsOf(
      const ModuleSymbols& cls) const;  // routines the unit's code needs (index checks)
  std::vector<std::string> OtherUnits() const;

  // Types
  std::string PascalType(const TypeInfo& type);
  std::string ElementPascalType(const TypeInfo& type);
  std::string ZeroValue(const TypeInfo& type);
  std::string ClassInterfaceName(std::u16string_view vb_class) const;
  std::string ClassImplementationName(std::u16string_view vb_class);

  // expressions.cpp
  Value Expr(const vb::Expr& expr);
  Value Literal(const vb::LiteralExpr& literal);
  Value Name(const vb::NameExpr& name, bool as_call_target = false);
  Value Member(const vb::MemberExpr& member);
  Value Call(const vb::CallExpr& call);
  Value Binary(const vb::BinaryExpr& binary);
  Value Unary(const vb::UnaryExpr& unary);
  Value CallRoutine(const Symbol& routine, const std::string& target, const std::vector<vb::Argument>& args,
                    int line);
  Value CallIntrinsic(std::u16string_view name, const std::vector<vb::Argument>& args, int line, bool* found);
  long LowerBound(const Value& array, int dim);  // VB's lower bound of a dimension, where known
  Value Index(const Value& array, const std::vector<vb::Argument>& args, int line);
  std::u16string DefaultMember(const TypeInfo& type) const;         // a project class's default member, or ""
  Value BindLate(const Value& object, std::u16string_view member);  // a Variant's member: guessed class
  Value ObjectMember(const Value& object, std::u16string_view name, const std::vector<vb::Argument>* args,
                     int line);
  std::string Convert(const Value& value, const TypeInfo& target);
  std::string Condition(const Value& value);
  std::string AsVariant(const Value& value);
  std::string AsString(const Value& value);
  std::string AsNumber(const Value& value);   // Booleans as -1/0, strings and Variants as Double
  std::string AsInteger(const Value& value);  // for \, Mod and indexes: integral as is, else rounded to Long
  std::string Compare(const Value& left, const Value& right, const std::string& op);
  const Symbol* Lookup(std::u16string_view name);
  std::string Qualified(const Symbol& s);
  const Symbol* DeclareImplicit(std::u16string_view name, char16_t suffix, int line);
  std::string NewTemp(const TypeInfo& type);

  // statements.cpp
  void Statements(const vb::StmtList& body, PascalWriter& out);
  void Statement(const vb::Stmt& stmt, PascalWriter& out);
  void Simple(const vb::Stmt& stmt, PascalWriter& out);  // a statement that is not a block
  void Assign(const vb::AssignStmt& stmt, PascalWriter& out);
  void CallStatement(const vb::CallStmt& stmt, PascalWriter& out);
  void If(const vb::IfStmt& stmt, PascalWriter& out);
  void Select(const vb::SelectStmt& stmt, PascalWriter& out);
  void For(const vb::ForStmt& stmt, PascalWriter& out);
  void ForEach(const vb::ForEachStmt& stmt, PascalWriter& out);
  void ForEachBody(const vb::ForEachStmt& stmt, PascalWriter& out);  // after the loop's head and `begin`
  void Do(const vb::DoStmt& stmt, PascalWriter& out);
  void With(const vb::WithStmt& stmt, PascalWriter& out);
  void Print(const vb::PrintStmt& stmt, PascalWriter& out);
  void ReDim(const vb::ReDimStmt& stmt, PascalWriter& out);
  void Erase(const vb::EraseStmt& stmt, PascalWriter& out);
  void OnError(const vb::OnErrorStmt& stmt, PascalWriter& out);
  void Resume(const vb::ResumeStmt& stmt, PascalWriter& out);
  void FileStatement(const vb::Stmt& stmt, PascalWriter& out);
  void LocalVariables(const vb::VariablesStmt& stmt, PascalWriter& out);
  void Block(const vb::StmtList& body, PascalWriter& out);  // begin ... end without the ';'
  void Untranslated(const vb::Stmt& stmt, std::u16string_view text, const std::string& why,
                    PascalWriter& out);
  std::string AllocateArray(const std::string& target, const TypeInfo& type,
                            const std::vector<vb::ArrayBound>& bounds, bool preserve);
  std::string LabelName(std::u16string_view vb_label) const;
  void Flush(PascalWriter& out);  // writes the statements the last expressions needed first

  // Records why the expression or statement being written cannot be translated; the
  // statement is then kept as a comment and raises a run-time error instead.
  void Note(int line, const std::string& message);
  std::u16string SourceLine(int line) const;
  void Guarded(const std::vector<std::string>& lines, PascalWriter& out);

  const ProjectSymbols& project_;
  const ModuleSymbols& module_;
  SharedDeclarations& shared_;
  RoutineState* routine_ = nullptr;
  std::vector<std::string> pending_;  // statements to write before the current one
  std::vector<TranslationNote> notes_;
  std::vector<std::string> unit_init_;  // the unit's initialization section
  std::vector<std::string> static_vars_;
  std::map<std::string, long> lower_bounds_;  // arrays whose lower bound a ReDim set
  std::vector<std::u16string> source_lines_;
  std::string failure_;
  int failure_line_ = 0;
  bool uses_interaction_ = false;
  bool assigning_ = false;            // the target of an assignment is being written
  bool uses_forms_ = false;           // names forms or controls
  bool forms_units_written_ = false;  // the library's units for them are in a uses clause
  bool declaring_ = false;
  bool in_constant_ = false;  // a constant's value: only what Pascal evaluates at compile time // writing the
                              // interface section
  std::set<std::string> interface_units_;  // project units the interface section names
  std::set<std::string> used_units_;       // project units the code names
  std::set<std::u16string> with_events_;   // WithEvents fields (name keys): assignments re-advise
  bool uses_index_check_ = false;
  enum class Helper {
    kStringsToVariant,
    kArrayBase1,
    kEmptyAsZero,
    kNothing,
    kBytes,
    kDialogs,
    kFormControls,
    kLateBound,
    kListItems
  };
  std::set<Helper> helpers_;             // small routines the unit's code needs, written before it
  std::vector<FormEvent> wired_events_;  // a form's events, with the adapters the .dfm names
};

}  // namespace veldrane::translation
