#include <algorithm>

#include "vb/parser_impl.h"

namespace veldrane::vb {
namespace {

struct DefTypeWord {
  std::u16string_view keyword;
  std::u16string_view type_name;
};
constexpr DefTypeWord kDefTypes[] = {
    {u"DefBool", u"Boolean"},    {u"DefByte", u"Byte"},      {u"DefInt", u"Integer"},  {u"DefLng", u"Long"},
    {u"DefLngLng", u"LongLong"}, {u"DefLngPtr", u"LongPtr"}, {u"DefCur", u"Currency"}, {u"DefSng", u"Single"},
    {u"DefDbl", u"Double"},      {u"DefDec", u"Decimal"},    {u"DefDate", u"Date"},    {u"DefStr", u"String"},
    {u"DefObj", u"Object"},      {u"DefVar", u"Variant"},
};

}  // namespace

// Declarations and procedures; false when the statement is none of them.
bool Parser::ParseDeclaration(StmtList& out) {
  // Words that are declarations only when not assigned or called: Type = 1, Event.Name ...
  if (AtPunct(u"=", 1) || AtPunct(u".", 1) || AtPunct(u"!", 1)) return false;
  if (AtWord(u"Option")) {
    ParseOption(out);
    return true;
  }
  for (const DefTypeWord& d : kDefTypes) {
    if (AtWord(d.keyword)) {
      ParseDefType(out);
      return true;
    }
  }
  if (AtWord(u"Implements")) {
    auto s = std::make_unique<ImplementsStmt>(Line());
    Take();
    s->type = ParseTypeName();
    out.push_back(std::move(s));
    return true;
  }
  const bool starts_with_scope = AtWord(u"Private") || AtWord(u"Public") || AtWord(u"Global") ||
                                 AtWord(u"Friend") || AtWord(u"Dim") || AtWord(u"Static");
  const bool starts_with_declaration = AtWord(u"Const") || AtWord(u"Type") || AtWord(u"Enum") ||
                                       AtWord(u"Declare") || AtWord(u"Event") || AtWord(u"Sub") ||
                                       AtWord(u"Function") || AtWord(u"Property");
  if (!starts_with_scope && !starts_with_declaration) return false;
  const Scope scope = TakeScope();
  bool is_static = false;
  if (scope != Scope::kStatic && AtWord(u"Static")) {
    Take();
    is_static = true;
  }
  if (scope == Scope::kStatic && (AtWord(u"Sub") || AtWord(u"Function") || AtWord(u"Property"))) {
    ParseProcedure(out, Scope::kNone, true);
  } else if (AtWord(u"Sub") || AtWord(u"Function") || AtWord(u"Property")) {
    ParseProcedure(out, scope, is_static);
  } else if (AtWord(u"Const")) {
    ParseConst(out, scope);
  } else if (AtWord(u"Type") && Peek(1).kind == TokenKind::kIdentifier) {
    ParseType(out, scope);
  } else if (AtWord(u"Enum") && Peek(1).kind == TokenKind::kIdentifier) {
    ParseEnum(out, scope);
  } else if (AtWord(u"Declare")) {
    ParseDeclare(out, scope);
  } else if (AtWord(u"Event") && Peek(1).kind == TokenKind::kIdentifier) {
    ParseEvent(out, scope);
  } else if (scope != Scope::kNone) {
    ParseVariables(out, scope);
  } else {
    Fail("expected a declaration");
  }
  return true;
}

Scope Parser::TakeScope() {
  static constexpr std::pair<std::u16string_view, Scope> kScopes[] = {
      {u"Private", Scope::kPrivate}, {u"Public", Scope::kPublic}, {u"Global", Scope::kGlobal},
      {u"Friend", Scope::kFriend},   {u"Dim", Scope::kDim},       {u"Static", Scope::kStatic}};
  for (const auto& [word, scope] : kScopes) {
    if (TakeWord(word)) return scope;
  }
  return Scope::kNone;
}

void Parser::ParseVariables(StmtList& out, Scope scope) {
  auto s = std::make_unique<VariablesStmt>(Line());
  s->scope = scope;
  for (;;) {
    s->variables.push_back(ParseVarDeclarator());
    if (!TakePunct(u",")) break;
  }
  ExpectEndOfStatement();
  out.push_back(std::move(s));
}

VarDeclarator Parser::ParseVarDeclarator() {
  VarDeclarator v;
  v.line = Line();
  v.with_events = TakeWord(u"WithEvents");
  const Token& name = ExpectName("a variable name");
  v.name = name.text;
  v.suffix = name.suffix;
  if (AtPunct(u"(")) {
    v.is_array = true;
    v.bounds = ParseBounds();
  }
  if (TakeWord(u"As")) {
    v.is_new = TakeWord(u"New");
    v.type = ParseTypeName();
  }
  return v;
}

// (bounds) of Dim and ReDim: each `upper` or `lower To upper`; () for a dynamic array.
std::vector<ArrayBound> Parser::ParseBounds() {
  ExpectPunct(u"(");
  std::vector<ArrayBound> bounds;
  if (TakePunct(u")")) return bounds;
  for (;;) {
    ArrayBound b;
    b.upper = ParseExpression();
    if (TakeWord(u"To")) {
      b.lower = std::move(b.upper);
      b.upper = ParseExpression();
    }
    bounds.push_back(std::move(b));
    if (TakePunct(u")")) return bounds;
    ExpectPunct(u",");
  }
}

TypeRef Parser::ParseAsType() {
  if (!TakeWord(u"As")) return {};
  return ParseTypeName();
}

// A type's name: dotted (Library.Class), String * length.
TypeRef Parser::ParseTypeName() {
  TypeRef type;
  type.line = Line();
  type.name = ExpectName("a type name").text;
  while (AtPunct(u".") && Peek(1).kind == TokenKind::kIdentifier) {
    Take();
    type.name += u"." + Take().text;
  }
  if (TakePunct(u"*")) type.string_length = ParsePrimary();
  return type;
}

void Parser::ParseConst(StmtList& out, Scope scope) {
  auto s = std::make_unique<ConstStmt>(Line());
  s->scope = scope;
  ExpectWord(u"Const");
  for (;;) {
    ConstDeclarator c;
    c.line = Line();
    const Token& name = ExpectName("a constant name");
    c.name = name.text;
    c.suffix = name.suffix;
    c.type = ParseAsType();
    ExpectPunct(u"=");
    c.value = ParseExpression();
    s->constants.push_back(std::move(c));
    if (!TakePunct(u",")) break;
  }
  ExpectEndOfStatement();
  out.push_back(std::move(s));
}

// The members of a Type or Enum, comments and blank lines kept, up to End Type / End Enum.
void Parser::ParseMembersUntilEnd(StmtList& body, std::u16string_view end_word, bool is_enum, int* end_line) {
  for (;;) {
    const Token& t = Peek();
    if (t.kind == TokenKind::kEnd || TerminatorAt() == Block::kProcedure) {
      Diagnose(t, "missing End " + std::string(end_word.begin(), end_word.end()));
      return;
    }
    if (AtWord(u"End") && AtWord(end_word, 1)) {
      *end_line = t.line;
      Take();
      Take();
      return;
    }
    if (TakeTrivia(body) || TakePunct(u":")) continue;
    const std::size_t start = pos_;
    try {
      if (is_enum) {
        auto m = std::make_unique<EnumMemberStmt>(t.line);
        m->name = ExpectName("an enum member").text;
        if (TakePunct(u"=")) m->value = ParseExpression();
        ExpectEndOfStatement();
        body.push_back(std::move(m));
      } else {
        auto m = std::make_unique<VariablesStmt>(t.line);
        m->scope = Scope::kNone;
        m->variables.push_back(ParseVarDeclarator());
        ExpectEndOfStatement();
        body.push_back(std::move(m));
      }
    } catch (const SyntaxError& error) {
      body.push_back(Recover(error, start, true));
    }
  }
}

void Parser::ParseType(StmtList& out, Scope scope) {
  auto s = std::make_unique<TypeStmt>(Line());
  s->scope = scope;
  Take();  // Type
  s->name = ExpectName("a type name").text;
  ExpectEndOfStatement();
  ParseMembersUntilEnd(s->body, u"Type", false, &s->end_line);
  out.push_back(std::move(s));
}

void Parser::ParseEnum(StmtList& out, Scope scope) {
  auto s = std::make_unique<EnumStmt>(Line());
  s->scope = scope;
  Take();  // Enum
  s->name = ExpectName("an enum name").text;
  ExpectEndOfStatement();
  ParseMembersUntilEnd(s->body, u"Enum", true, &s->end_line);
  out.push_back(std::move(s));
}

void Parser::ParseDeclare(StmtList& out, Scope scope) {
  auto s = std::make_unique<DeclareStmt>(Line());
  s->scope = scope;
  Take();  // Declare
  s->ptr_safe = TakeWord(u"PtrSafe");
  if (TakeWord(u"Function")) {
    s->is_function = true;
  } else {
    ExpectWord(u"Sub");
  }
  const Token& name = ExpectName("a routine name");
  s->name = name.text;
  s->suffix = name.suffix;
  ExpectWord(u"Lib");
  if (Peek().kind != TokenKind::kString) Fail("expected the library's name");
  s->lib = Take().text;
  if (TakeWord(u"Alias")) {
    if (Peek().kind != TokenKind::kString) Fail("expected the alias");
    s->alias = Take().text;
  }
  if (AtPunct(u"(")) s->params = ParseParameters();
  s->return_type = ParseAsType();
  ExpectEndOfStatement();
  out.push_back(std::move(s));
}

void Parser::ParseEvent(StmtList& out, Scope scope) {
  auto s = std::make_unique<EventStmt>(Line());
  s->scope = scope;
  Take();  // Event
  s->name = ExpectName("an event name").text;
  if (AtPunct(u"(")) s->params = ParseParameters();
  ExpectEndOfStatement();
  out.push_back(std::move(s));
}

std::vector<Parameter> Parser::ParseParameters() {
  ExpectPunct(u"(");
  std::vector<Parameter> params;
  if (TakePunct(u")")) return params;
  for (;;) {
    Parameter p;
    p.line = Line();
    for (;;) {
      if (TakeWord(u"Optional")) {
        p.optional = true;
      } else if (TakeWord(u"ByVal")) {
        p.passing = ParamPassing::kByVal;
      } else if (TakeWord(u"ByRef")) {
        p.passing = ParamPassing::kByRef;
      } else if (TakeWord(u"ParamArray")) {
        p.param_array = true;
      } else {
        break;
      }
    }
    const Token& name = ExpectName("a parameter name");
    p.name = name.text;
    p.suffix = name.suffix;
    if (TakePunct(u"(")) {
      ExpectPunct(u")");
      p.is_array = true;
    }
    p.type = ParseAsType();
    if (TakePunct(u"=")) p.default_value = ParseExpression();
    params.push_back(std::move(p));
    if (TakePunct(u")")) return params;
    ExpectPunct(u",");
  }
}

void Parser::ParseProcedure(StmtList& out, Scope scope, bool is_static) {
  auto s = std::make_unique<ProcedureStmt>(Line());
  s->scope = scope;
  s->is_static = is_static;
  if (TakeWord(u"Sub")) {
    s->procedure_kind = ProcedureKind::kSub;
  } else if (TakeWord(u"Function")) {
    s->procedure_kind = ProcedureKind::kFunction;
  } else {
    ExpectWord(u"Property");
    s->procedure_kind = TakeWord(u"Get")   ? ProcedureKind::kPropertyGet
                        : TakeWord(u"Let") ? ProcedureKind::kPropertyLet
                                           : (ExpectWord(u"Set"), ProcedureKind::kPropertySet);
  }
  const Token& name = ExpectName("a procedure name");
  s->name = name.text;
  s->suffix = name.suffix;
  if (AtPunct(u"(")) s->params = ParseParameters();
  s->return_type = ParseAsType();
  if (AtPunct(u"(") && AtPunct(u")", 1)) {
    Take();
    Take();
    s->return_is_array = true;
  }
  ExpectEndOfStatement();
  open_blocks_.push_back(Block::kProcedure);
  ParseStatements(s->body, Block::kProcedure);
  open_blocks_.pop_back();
  const std::u16string_view end = s->procedure_kind == ProcedureKind::kSub        ? u"End Sub"
                                  : s->procedure_kind == ProcedureKind::kFunction ? u"End Function"
                                                                                  : u"End Property";
  if (AtWord(u"End")) {
    EndBlock(Block::kProcedure, end, &s->end_line);
  } else {
    Diagnose(Peek(), "missing " + std::string(end.begin(), end.end()));
  }
  out.push_back(std::move(s));
}

void Parser::ParseOption(StmtList& out) {
  auto s = std::make_unique<OptionStmt>(Line());
  Take();  // Option
  if (TakeWord(u"Explicit")) {
    s->option = OptionKind::kExplicit;
  } else if (TakeWord(u"Base")) {
    s->option = OptionKind::kBase;
    if (Peek().kind != TokenKind::kNumber) Fail("expected 0 or 1");
    s->base = Take().text == u"1" ? 1 : 0;
  } else if (TakeWord(u"Compare")) {
    s->option = TakeWord(u"Text")       ? OptionKind::kCompareText
                : TakeWord(u"Database") ? OptionKind::kCompareDatabase
                                        : (ExpectWord(u"Binary"), OptionKind::kCompareBinary);
  } else {
    ExpectWord(u"Private");
    ExpectWord(u"Module");
    s->option = OptionKind::kPrivateModule;
  }
  ExpectEndOfStatement();
  out.push_back(std::move(s));
}

void Parser::ParseDefType(StmtList& out) {
  auto s = std::make_unique<DefTypeStmt>(Line());
  const Token& keyword = Take();
  s->keyword = keyword.text;
  for (const DefTypeWord& d : kDefTypes) {
    if (NamesEqual(keyword.text, d.keyword)) s->type_name = d.type_name;
  }
  auto letter = [&] {
    const Token& t = ExpectName("a letter");
    if (t.text.size() != 1) Fail("expected a letter");
    return static_cast<char16_t>(t.text[0] & ~0x20);
  };
  for (;;) {
    LetterRange r;
    r.first = r.last = letter();
    if (TakePunct(u"-")) r.last = letter();
    s->ranges.push_back(r);
    if (!TakePunct(u",")) break;
  }
  ExpectEndOfStatement();
  out.push_back(std::move(s));
}

}  // namespace veldrane::vb
