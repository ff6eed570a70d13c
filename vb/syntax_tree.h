#pragma once

// The syntax tree of one VB6 source file (module, class, form, user control, ...).
//
// Plain structs owning their children through std::unique_ptr. Every node has its kind (an
// enum) and its 1-based source line. Expressions derive from Expr, statements from Stmt; a
// walker switches on `kind` and casts with As<T>(). Names keep their original spelling (VB is
// case-insensitive: compare them through NameKey()).
//
// Conditional compilation (#If / #Const) is resolved while parsing: only the active branch
// is parsed; directive lines and the lines of inactive branches are kept as Comment
// statements (CommentKind::kDirective / kInactive) in their place.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace veldrane::vb {

// The key under which VB compares names: ASCII and Latin-1 letters folded to lower case.
std::u16string NameKey(std::u16string_view name);
// Case-insensitive equality of two names, as VB compares them.
bool NamesEqual(std::u16string_view a, std::u16string_view b);

// ---------------------------------------------------------------------------------------------
// Expressions

enum class ExprKind {
  kLiteral,    // LiteralExpr
  kName,       // NameExpr: a simple name, `Me` included
  kMember,     // MemberExpr: object.name or object!name (object null inside With: .name, !name)
  kCall,       // CallExpr: callee(args); VB's index and call are one syntax
  kUnary,      // UnaryExpr: -x, +x, Not x
  kBinary,     // BinaryExpr
  kParen,      // ParenExpr: (x), kept because a parenthesised argument is passed by value
  kNew,        // NewExpr: New T
  kTypeOf,     // TypeOfExpr: TypeOf x Is T
  kAddressOf,  // AddressOfExpr: AddressOf name
};

struct Expr {
  explicit Expr(ExprKind k, int l) : kind(k), line(l) {}
  virtual ~Expr() = default;
  Expr(const Expr&) = delete;
  Expr& operator=(const Expr&) = delete;

  template <class T>
  const T& As() const {
    return static_cast<const T&>(*this);
  }
  template <class T>
  T& As() {
    return static_cast<T&>(*this);
  }

  const ExprKind kind;
  int line;
};
using ExprPtr = std::unique_ptr<Expr>;

enum class LiteralKind {
  kInteger,   // 16-bit: decimal that fits, &H/&O up to FFFF (sign-wrapped), or suffix %
  kLong,      // 32-bit: decimal that fits, &H/&O up to FFFFFFFF (sign-wrapped), or suffix &
  kSingle,    // suffix !
  kDouble,    // a decimal point or exponent, a decimal integer beyond Long, or suffix #
  kCurrency,  // suffix @
  kString,
  kDate,  // #...#; `text` is what stands between the #
  kBoolean,
  kNothing,
  kEmpty,
  kNull,
};

struct LiteralExpr : Expr {
  static constexpr ExprKind kKind = ExprKind::kLiteral;
  explicit LiteralExpr(int l) : Expr(kKind, l) {}
  LiteralKind literal_kind = LiteralKind::kInteger;
  std::u16string source;     // as written, e.g. &HFF&, "a""b", 1.5E+3#, True
  std::u16string text;       // strings: the value ("" unescaped); dates: the text between the #
  std::int64_t integer = 0;  // integer kinds (VB's value after wrapping), booleans (-1 / 0)
  double number = 0;         // every numeric kind
};

struct NameExpr : Expr {
  static constexpr ExprKind kKind = ExprKind::kName;
  explicit NameExpr(int l) : Expr(kKind, l) {}
  std::u16string name;  // without brackets or suffix
  char16_t suffix = 0;  // type character $ % & ! # @, or 0
};

struct MemberExpr : Expr {
  static constexpr ExprKind kKind = ExprKind::kMember;
  explicit MemberExpr(int l) : Expr(kKind, l) {}
  ExprPtr object;  // null for a With member: .name / !name
  std::u16string name;
  char16_t suffix = 0;
  bool bang = false;  // object!name (dictionary access: the default member with "name")
};

struct Argument {
  int line = 0;
  std::u16string name;  // named argument name:=value, else empty
  bool by_val = false;  // ByVal written before the argument (calls of Declared routines)
  ExprPtr value;        // null: an omitted argument, as in f(1, , 3)
};

struct CallExpr : Expr {
  static constexpr ExprKind kKind = ExprKind::kCall;
  explicit CallExpr(int l) : Expr(kKind, l) {}
  ExprPtr callee;
  std::vector<Argument> args;
};

enum class UnaryOp { kNegate, kPlus, kNot };

struct UnaryExpr : Expr {
  static constexpr ExprKind kKind = ExprKind::kUnary;
  explicit UnaryExpr(int l) : Expr(kKind, l) {}
  UnaryOp op = UnaryOp::kNegate;
  ExprPtr operand;
};

enum class BinaryOp {
  kPower,
  kMultiply,
  kDivide,
  kIntDivide,
  kMod,
  kAdd,
  kSubtract,
  kConcat,
  kEqual,
  kNotEqual,
  kLess,
  kGreater,
  kLessEqual,
  kGreaterEqual,
  kLike,
  kIs,
  kAnd,
  kOr,
  kXor,
  kEqv,
  kImp,
};

struct BinaryExpr : Expr {
  static constexpr ExprKind kKind = ExprKind::kBinary;
  explicit BinaryExpr(int l) : Expr(kKind, l) {}
  BinaryOp op = BinaryOp::kAdd;
  ExprPtr left;
  ExprPtr right;
};

struct ParenExpr : Expr {
  static constexpr ExprKind kKind = ExprKind::kParen;
  explicit ParenExpr(int l) : Expr(kKind, l) {}
  ExprPtr inner;
};

// A type as written after As (or New, TypeOf ... Is): Long, String * 10, Object, ADODB.Recordset.
struct TypeRef {
  int line = 0;
  std::u16string name;    // dotted names kept whole: "ADODB.Recordset"; empty when no As clause
  ExprPtr string_length;  // String * n: n, else null
  bool empty() const { return name.empty(); }
};

struct NewExpr : Expr {
  static constexpr ExprKind kKind = ExprKind::kNew;
  explicit NewExpr(int l) : Expr(kKind, l) {}
  TypeRef type;
};

struct TypeOfExpr : Expr {
  static constexpr ExprKind kKind = ExprKind::kTypeOf;
  explicit TypeOfExpr(int l) : Expr(kKind, l) {}
  ExprPtr operand;
  TypeRef type;
};

struct AddressOfExpr : Expr {
  static constexpr ExprKind kKind = ExprKind::kAddressOf;
  explicit AddressOfExpr(int l) : Expr(kKind, l) {}
  ExprPtr operand;  // a NameExpr or MemberExpr (Module1.Proc)
};

// ---------------------------------------------------------------------------------------------
// Declarations' parts

enum class Scope { kNone, kDim, kPrivate, kPublic, kGlobal, kFriend, kStatic };

struct ArrayBound {
  ExprPtr lower;  // null when only the upper bound is written (Option Base applies)
  ExprPtr upper;
};

// One name of a Dim/Private/Public/Global/Static line or of a Type's members.
struct VarDeclarator {
  int line = 0;
  std::u16string name;
  char16_t suffix = 0;
  bool with_events = false;
  bool is_array = false;           // a(...) or a(): dynamic when bounds is empty
  std::vector<ArrayBound> bounds;  // (1 To 5, 3)
  TypeRef type;                    // empty: from the suffix, a DefType range or Variant
  bool is_new = false;             // As New T
};

enum class ParamPassing { kDefault, kByVal, kByRef };

struct Parameter {
  int line = 0;
  std::u16string name;
  char16_t suffix = 0;
  bool optional = false;
  bool param_array = false;
  ParamPassing passing = ParamPassing::kDefault;
  bool is_array = false;  // name()
  TypeRef type;
  ExprPtr default_value;  // Optional x As Long = 5
};

// ---------------------------------------------------------------------------------------------
// Statements

enum class StmtKind {
  // Trivia and recovery
  kBlankLine,  // BlankLineStmt
  kComment,    // CommentStmt
  kLabel,      // LabelStmt: a line label or a line number
  kUnparsed,   // UnparsedStmt
  // Declarations
  kOption,      // OptionStmt
  kDefType,     // DefTypeStmt
  kVariables,   // VariablesStmt: Dim / Private / Public / Global / Static
  kConst,       // ConstStmt
  kType,        // TypeStmt (user-defined type)
  kEnum,        // EnumStmt
  kEnumMember,  // EnumMemberStmt (only inside EnumStmt)
  kDeclare,     // DeclareStmt
  kEvent,       // EventStmt
  kImplements,  // ImplementsStmt
  kProcedure,   // ProcedureStmt: Sub / Function / Property Get|Let|Set
  // Executable statements
  kAssign,      // AssignStmt: x = e, Let x = e, Set x = e
  kCall,        // CallStmt
  kIf,          // IfStmt (block and single-line)
  kSelect,      // SelectStmt
  kFor,         // ForStmt
  kForEach,     // ForEachStmt
  kDo,          // DoStmt
  kWhile,       // WhileStmt (While ... Wend)
  kWith,        // WithStmt
  kExit,        // ExitStmt
  kGoTo,        // GoToStmt (GoTo and GoSub)
  kReturn,      // ReturnStmt (after GoSub)
  kOnError,     // OnErrorStmt
  kResume,      // ResumeStmt
  kOnGoTo,      // OnGoToStmt: On x GoTo / GoSub a, b, c
  kReDim,       // ReDimStmt
  kErase,       // EraseStmt
  kRaiseEvent,  // RaiseEventStmt
  kMid,         // MidStmt: Mid(s, start[, length]) = e (Mid$, MidB too)
  kLSet,        // LSetStmt (LSet and RSet)
  kPrint,       // PrintStmt: Debug.Print, obj.Print, Print, Print #n, Write #n
  kOpen,        // OpenStmt
  kClose,       // CloseStmt
  kInput,       // InputStmt: Input #n, a, b
  kLineInput,   // LineInputStmt
  kGetPut,      // GetPutStmt: Get / Put #n, [record], var
  kSeek,        // SeekStmt
  kLock,        // LockStmt: Lock / Unlock
  kWidth,       // WidthStmt: Width #n, w
  kName,        // NameStmt: Name old As new
  kStop,        // StopStmt
  kEnd,         // EndStmt: the End statement that ends the program
  kGraphics,    // GraphicsStmt: Line, Circle, PSet with their (x, y) points
};

struct Stmt {
  explicit Stmt(StmtKind k, int l) : kind(k), line(l) {}
  virtual ~Stmt() = default;
  Stmt(const Stmt&) = delete;
  Stmt& operator=(const Stmt&) = delete;

  template <class T>
  const T& As() const {
    return static_cast<const T&>(*this);
  }
  template <class T>
  T& As() {
    return static_cast<T&>(*this);
  }

  const StmtKind kind;
  int line;
};
using StmtPtr = std::unique_ptr<Stmt>;
using StmtList = std::vector<StmtPtr>;

struct BlankLineStmt : Stmt {
  static constexpr StmtKind kKind = StmtKind::kBlankLine;
  explicit BlankLineStmt(int l) : Stmt(kKind, l) {}
};

enum class CommentKind {
  kApostrophe,  // ' text
  kRem,         // Rem text
  kDirective,   // a conditional-compilation line: #If, #ElseIf, #Else, #End If, #Const
  kInactive,    // a line of a branch that conditional compilation leaves out
};

struct CommentStmt : Stmt {
  static constexpr StmtKind kKind = StmtKind::kComment;
  explicit CommentStmt(int l) : Stmt(kKind, l) {}
  CommentKind comment_kind = CommentKind::kApostrophe;
  // ' and Rem: what follows the ' or Rem (line continuations of the comment joined with
  // their line breaks); directives and inactive lines: the whole line as written.
  std::u16string text;
  bool trailing = false;  // written after code on the same line
};

struct LabelStmt : Stmt {
  static constexpr StmtKind kKind = StmtKind::kLabel;
  explicit LabelStmt(int l) : Stmt(kKind, l) {}
  std::u16string name;  // the label or the line number's digits
  bool is_line_number = false;
};

// A statement that did not parse: its text as written (continuation lines included) and a
// diagnostic with the same line in Module::diagnostics.
struct UnparsedStmt : Stmt {
  static constexpr StmtKind kKind = StmtKind::kUnparsed;
  explicit UnparsedStmt(int l) : Stmt(kKind, l) {}
  std::u16string text;
  std::string message;  // UTF-8, why it did not parse
};

enum class OptionKind { kExplicit, kBase, kCompareBinary, kCompareText, kCompareDatabase, kPrivateModule };

struct OptionStmt : Stmt {
  static constexpr StmtKind kKind = StmtKind::kOption;
  explicit OptionStmt(int l) : Stmt(kKind, l) {}
  OptionKind option = OptionKind::kExplicit;
  int base = 0;  // Option Base 0 / 1
};

struct LetterRange {
  char16_t first = u'A';
  char16_t last = u'A';  // == first for a single letter; upper case
};

struct DefTypeStmt : Stmt {
  static constexpr StmtKind kKind = StmtKind::kDefType;
  explicit DefTypeStmt(int l) : Stmt(kKind, l) {}
  std::u16string type_name;  // Integer, Long, String, ... from DefInt, DefLng, DefStr, ...
  std::u16string keyword;    // as written: DefInt
  std::vector<LetterRange> ranges;
};

struct VariablesStmt : Stmt {
  static constexpr StmtKind kKind = StmtKind::kVariables;
  explicit VariablesStmt(int l) : Stmt(kKind, l) {}
  Scope scope = Scope::kDim;  // kNone for a member of a Type
  std::vector<VarDeclarator> variables;
};

struct ConstDeclarator {
  int line = 0;
  std::u16string name;
  char16_t suffix = 0;
  TypeRef type;
  ExprPtr value;
};

struct ConstStmt : Stmt {
  static constexpr StmtKind kKind = StmtKind::kConst;
  explicit ConstStmt(int l) : Stmt(kKind, l) {}
  Scope scope = Scope::kNone;
  std::vector<ConstDeclarator> constants;
};

// Type ... End Type. body holds VariablesStmt (scope kNone, one member each) and comments.
struct TypeStmt : Stmt {
  static constexpr StmtKind kKind = StmtKind::kType;
  explicit TypeStmt(int l) : Stmt(kKind, l) {}
  Scope scope = Scope::kNone;
  std::u16string name;
  StmtList body;
  int end_line = 0;
};

struct EnumMemberStmt : Stmt {
  static constexpr StmtKind kKind = StmtKind::kEnumMember;
  explicit EnumMemberStmt(int l) : Stmt(kKind, l) {}
  std::u16string name;
  ExprPtr value;  // null: previous + 1
};

// Enum ... End Enum. body holds EnumMemberStmt and comments.
struct EnumStmt : Stmt {
  static constexpr StmtKind kKind = StmtKind::kEnum;
  explicit EnumStmt(int l) : Stmt(kKind, l) {}
  Scope scope = Scope::kNone;
  std::u16string name;
  StmtList body;
  int end_line = 0;
};

struct DeclareStmt : Stmt {
  static constexpr StmtKind kKind = StmtKind::kDeclare;
  explicit DeclareStmt(int l) : Stmt(kKind, l) {}
  Scope scope = Scope::kNone;
  bool is_function = false;
  bool ptr_safe = false;
  std::u16string name;
  char16_t suffix = 0;
  std::u16string lib;    // the Lib string's value
  std::u16string alias;  // the Alias string's value, empty when none
  std::vector<Parameter> params;
  TypeRef return_type;
};

struct EventStmt : Stmt {
  static constexpr StmtKind kKind = StmtKind::kEvent;
  explicit EventStmt(int l) : Stmt(kKind, l) {}
  Scope scope = Scope::kNone;
  std::u16string name;
  std::vector<Parameter> params;
};

struct ImplementsStmt : Stmt {
  static constexpr StmtKind kKind = StmtKind::kImplements;
  explicit ImplementsStmt(int l) : Stmt(kKind, l) {}
  TypeRef type;
};

enum class ProcedureKind { kSub, kFunction, kPropertyGet, kPropertyLet, kPropertySet };

struct ProcedureStmt : Stmt {
  static constexpr StmtKind kKind = StmtKind::kProcedure;
  explicit ProcedureStmt(int l) : Stmt(kKind, l) {}
  ProcedureKind procedure_kind = ProcedureKind::kSub;
  Scope scope = Scope::kNone;  // kPrivate, kPublic, kFriend or kNone
  bool is_static = false;      // Static Sub: every local is static
  std::u16string name;
  char16_t suffix = 0;
  std::vector<Parameter> params;
  TypeRef return_type;           // Function and Property Get
  bool return_is_array = false;  // Function F() As Long()
  StmtList body;
  int end_line = 0;  // line of End Sub / End Function / End Property; 0 when missing
};

enum class AssignKind { kImplicit, kLet, kSet };

struct AssignStmt : Stmt {
  static constexpr StmtKind kKind = StmtKind::kAssign;
  explicit AssignStmt(int l) : Stmt(kKind, l) {}
  AssignKind assign_kind = AssignKind::kImplicit;
  ExprPtr target;
  ExprPtr value;
};

// A procedure call as a statement. `Call F(a, b)` and `F a, b` give the same callee and args.
// Without Call, `F (a)` passes the parenthesised expression: args holds a ParenExpr.
struct CallStmt : Stmt {
  static constexpr StmtKind kKind = StmtKind::kCall;
  explicit CallStmt(int l) : Stmt(kKind, l) {}
  bool call_keyword = false;
  ExprPtr callee;  // NameExpr or MemberExpr (possibly on a CallExpr: a(1).Remove)
  std::vector<Argument> args;
};

struct IfBranch {
  int line = 0;
  ExprPtr condition;  // an ElseIf whose condition did not parse: False, its text first in body
  StmtList body;
};

struct IfStmt : Stmt {
  static constexpr StmtKind kKind = StmtKind::kIf;
  explicit IfStmt(int l) : Stmt(kKind, l) {}
  bool single_line = false;
  std::vector<IfBranch> branches;  // If, then every ElseIf
  bool has_else = false;
  int else_line = 0;
  StmtList else_body;
  int end_line = 0;
};

enum class CaseConditionKind { kValue, kRange, kIs };

struct CaseCondition {
  CaseConditionKind condition_kind = CaseConditionKind::kValue;
  BinaryOp op = BinaryOp::kEqual;  // kIs: the comparison after Is
  ExprPtr value;                   // kValue, kIs; kRange: the lower end
  ExprPtr upper;                   // kRange: a To upper
};

struct CaseClause {
  int line = 0;
  bool is_else = false;
  std::vector<CaseCondition> conditions;  // empty when they did not parse: their text first in body
  StmtList body;
};

struct SelectStmt : Stmt {
  static constexpr StmtKind kKind = StmtKind::kSelect;
  explicit SelectStmt(int l) : Stmt(kKind, l) {}
  ExprPtr selector;
  StmtList leading;  // comments between Select Case and the first Case
  std::vector<CaseClause> cases;
  int end_line = 0;
};

struct ForStmt : Stmt {
  static constexpr StmtKind kKind = StmtKind::kFor;
  explicit ForStmt(int l) : Stmt(kKind, l) {}
  ExprPtr counter;
  ExprPtr start;
  ExprPtr end;
  ExprPtr step;  // null: 1
  StmtList body;
  int end_line = 0;  // line of its Next (shared by loops closed by one `Next j, i`)
};

struct ForEachStmt : Stmt {
  static constexpr StmtKind kKind = StmtKind::kForEach;
  explicit ForEachStmt(int l) : Stmt(kKind, l) {}
  ExprPtr element;
  ExprPtr group;
  StmtList body;
  int end_line = 0;
};

enum class DoTest { kNone, kWhileBefore, kUntilBefore, kWhileAfter, kUntilAfter };

struct DoStmt : Stmt {
  static constexpr StmtKind kKind = StmtKind::kDo;
  explicit DoStmt(int l) : Stmt(kKind, l) {}
  DoTest test = DoTest::kNone;
  ExprPtr condition;  // null for kNone; a Loop line that did not parse: False, its text last in body
  StmtList body;
  int end_line = 0;
};

struct WhileStmt : Stmt {
  static constexpr StmtKind kKind = StmtKind::kWhile;
  explicit WhileStmt(int l) : Stmt(kKind, l) {}
  ExprPtr condition;
  StmtList body;
  int end_line = 0;
};

struct WithStmt : Stmt {
  static constexpr StmtKind kKind = StmtKind::kWith;
  explicit WithStmt(int l) : Stmt(kKind, l) {}
  ExprPtr object;
  StmtList body;
  int end_line = 0;
};

enum class ExitKind { kSub, kFunction, kProperty, kFor, kDo };

struct ExitStmt : Stmt {
  static constexpr StmtKind kKind = StmtKind::kExit;
  explicit ExitStmt(int l) : Stmt(kKind, l) {}
  ExitKind exit_kind = ExitKind::kSub;
};

struct GoToStmt : Stmt {
  static constexpr StmtKind kKind = StmtKind::kGoTo;
  explicit GoToStmt(int l) : Stmt(kKind, l) {}
  bool gosub = false;
  std::u16string label;  // a label name or line number digits
};

struct ReturnStmt : Stmt {
  static constexpr StmtKind kKind = StmtKind::kReturn;
  explicit ReturnStmt(int l) : Stmt(kKind, l) {}
};

enum class OnErrorKind { kGoToLabel, kGoTo0, kGoToMinus1, kResumeNext };

struct OnErrorStmt : Stmt {
  static constexpr StmtKind kKind = StmtKind::kOnError;
  explicit OnErrorStmt(int l) : Stmt(kKind, l) {}
  OnErrorKind on_error_kind = OnErrorKind::kGoTo0;
  std::u16string label;   // kGoToLabel
  bool is_local = false;  // On Local Error
};

enum class ResumeKind { kResume, kNext, kLabel };

struct ResumeStmt : Stmt {
  static constexpr StmtKind kKind = StmtKind::kResume;
  explicit ResumeStmt(int l) : Stmt(kKind, l) {}
  ResumeKind resume_kind = ResumeKind::kResume;
  std::u16string label;  // kLabel (Resume 0 is kResume)
};

struct OnGoToStmt : Stmt {
  static constexpr StmtKind kKind = StmtKind::kOnGoTo;
  explicit OnGoToStmt(int l) : Stmt(kKind, l) {}
  bool gosub = false;
  ExprPtr selector;
  std::vector<std::u16string> labels;
};

struct ReDimClause {
  int line = 0;
  ExprPtr target;  // NameExpr or MemberExpr (the array, without its bounds)
  std::vector<ArrayBound> bounds;
  TypeRef type;
};

struct ReDimStmt : Stmt {
  static constexpr StmtKind kKind = StmtKind::kReDim;
  explicit ReDimStmt(int l) : Stmt(kKind, l) {}
  bool preserve = false;
  std::vector<ReDimClause> arrays;
};

struct EraseStmt : Stmt {
  static constexpr StmtKind kKind = StmtKind::kErase;
  explicit EraseStmt(int l) : Stmt(kKind, l) {}
  std::vector<ExprPtr> arrays;
};

struct RaiseEventStmt : Stmt {
  static constexpr StmtKind kKind = StmtKind::kRaiseEvent;
  explicit RaiseEventStmt(int l) : Stmt(kKind, l) {}
  std::u16string name;
  std::vector<Argument> args;
};

struct MidStmt : Stmt {
  static constexpr StmtKind kKind = StmtKind::kMid;
  explicit MidStmt(int l) : Stmt(kKind, l) {}
  std::u16string function;  // Mid, Mid$, MidB, MidB$ as written
  ExprPtr target;
  ExprPtr start;
  ExprPtr length;  // null: the rest
  ExprPtr value;
};

struct LSetStmt : Stmt {
  static constexpr StmtKind kKind = StmtKind::kLSet;
  explicit LSetStmt(int l) : Stmt(kKind, l) {}
  bool right = false;  // RSet
  ExprPtr target;
  ExprPtr value;
};

// One item of a print list and the separator written after it: ';', ',' or 0 for none
// (the end of the list). Spc(n) and Tab(n) items are CallExpr on the names Spc and Tab;
// an item may be null when only a separator is written (Print , x).
struct PrintItem {
  ExprPtr value;
  char16_t separator = 0;
};

struct PrintStmt : Stmt {
  static constexpr StmtKind kKind = StmtKind::kPrint;
  explicit PrintStmt(int l) : Stmt(kKind, l) {}
  bool is_write = false;        // Write #n
  ExprPtr object;               // Debug, Me, Picture1... for obj.Print; null for Print and Print #
  bool on_with_object = false;  // .Print inside With: the With object prints
  ExprPtr file_number;          // Print #n / Write #n, else null
  std::vector<PrintItem> items;
};

enum class OpenMode { kDefault, kInput, kOutput, kAppend, kBinary, kRandom };
enum class OpenAccess { kDefault, kRead, kWrite, kReadWrite };
enum class OpenLock { kDefault, kShared, kLockRead, kLockWrite, kLockReadWrite };

struct OpenStmt : Stmt {
  static constexpr StmtKind kKind = StmtKind::kOpen;
  explicit OpenStmt(int l) : Stmt(kKind, l) {}
  ExprPtr path;
  OpenMode mode = OpenMode::kDefault;  // kDefault: Random
  OpenAccess access = OpenAccess::kDefault;
  OpenLock lock = OpenLock::kDefault;
  ExprPtr file_number;    // the # is not part of it
  ExprPtr record_length;  // Len = n, else null
};

struct CloseStmt : Stmt {
  static constexpr StmtKind kKind = StmtKind::kClose;
  explicit CloseStmt(int l) : Stmt(kKind, l) {}
  std::vector<ExprPtr> file_numbers;  // empty: every open file
};

struct InputStmt : Stmt {
  static constexpr StmtKind kKind = StmtKind::kInput;
  explicit InputStmt(int l) : Stmt(kKind, l) {}
  ExprPtr file_number;
  std::vector<ExprPtr> targets;
};

struct LineInputStmt : Stmt {
  static constexpr StmtKind kKind = StmtKind::kLineInput;
  explicit LineInputStmt(int l) : Stmt(kKind, l) {}
  ExprPtr file_number;
  ExprPtr target;
};

struct GetPutStmt : Stmt {
  static constexpr StmtKind kKind = StmtKind::kGetPut;
  explicit GetPutStmt(int l) : Stmt(kKind, l) {}
  bool is_put = false;
  ExprPtr file_number;
  ExprPtr record;  // null when omitted: Get #1, , x
  ExprPtr variable;
};

struct SeekStmt : Stmt {
  static constexpr StmtKind kKind = StmtKind::kSeek;
  explicit SeekStmt(int l) : Stmt(kKind, l) {}
  ExprPtr file_number;
  ExprPtr position;
};

struct LockStmt : Stmt {
  static constexpr StmtKind kKind = StmtKind::kLock;
  explicit LockStmt(int l) : Stmt(kKind, l) {}
  bool unlock = false;
  ExprPtr file_number;
  ExprPtr from;  // null: the whole file
  ExprPtr to;    // null: only `from`
};

struct WidthStmt : Stmt {
  static constexpr StmtKind kKind = StmtKind::kWidth;
  explicit WidthStmt(int l) : Stmt(kKind, l) {}
  ExprPtr file_number;
  ExprPtr width;
};

struct NameStmt : Stmt {
  static constexpr StmtKind kKind = StmtKind::kName;
  explicit NameStmt(int l) : Stmt(kKind, l) {}
  ExprPtr old_path;
  ExprPtr new_path;
};

struct StopStmt : Stmt {
  static constexpr StmtKind kKind = StmtKind::kStop;
  explicit StopStmt(int l) : Stmt(kKind, l) {}
};

struct EndStmt : Stmt {
  static constexpr StmtKind kKind = StmtKind::kEnd;
  explicit EndStmt(int l) : Stmt(kKind, l) {}
};

// A point of a graphics method: [Step] (x, y).
struct GraphicsPoint {
  bool present = false;
  bool step = false;
  ExprPtr x;
  ExprPtr y;
};

// Line [[Step](x1, y1)]-[Step](x2, y2)[, color][, B[F]]; Circle [Step](x, y), r[, ...];
// PSet [Step](x, y)[, color]; Scale (x1, y1)-(x2, y2); each possibly on an object (Picture1.Line ...).
struct GraphicsStmt : Stmt {
  static constexpr StmtKind kKind = StmtKind::kGraphics;
  explicit GraphicsStmt(int l) : Stmt(kKind, l) {}
  ExprPtr object;               // null: the form or control whose code this is, or the With object
  bool on_with_object = false;  // .Line ... inside With
  std::u16string method;        // Line, Circle, PSet, Scale as written
  GraphicsPoint from;         // Line, Scale: the first point (Line's may be absent); Circle, PSet: the point
  GraphicsPoint to;           // Line, Scale: the second point
  std::vector<ExprPtr> args;  // the rest in order; null for an omitted one
  std::u16string box;         // Line: "B" or "BF" as written, else empty
};

// ---------------------------------------------------------------------------------------------
// The file

enum class SourceKind { kModule, kClass, kForm, kUserControl, kUserDocument, kPropertyPage, kDesigner };

struct Attribute {
  int line = 0;
  std::u16string name;   // VB_Name, or Member.VB_UserMemId for a member's attribute
  std::u16string value;  // a string's value, otherwise the text as written
};

struct Diagnostic {
  int line = 0;
  int column = 0;       // 1-based, in UTF-16 code units
  std::string message;  // UTF-8
};

struct Module {
  SourceKind source_kind = SourceKind::kModule;
  std::u16string name;  // the VB_Name attribute's value, empty when absent
  // The designer header (VERSION, Object =, Begin ... End), as written, and its last line
  // (0 without header). Attribute lines are in `attributes`, not in the body.
  std::u16string header;
  int header_last_line = 0;
  std::vector<Attribute> attributes;
  StmtList body;  // declarations, procedures, comments and blank lines in source order
  std::vector<Diagnostic> diagnostics;
};

}  // namespace veldrane::vb
