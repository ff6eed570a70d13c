#include <algorithm>

#include "vb/parser_impl.h"

namespace veldrane::vb {
namespace {

bool IsMidName(const Expr& e) {
  if (e.kind != ExprKind::kName) return false;
  const std::u16string& n = e.As<NameExpr>().name;
  return NamesEqual(n, u"Mid") || NamesEqual(n, u"MidB");
}

}  // namespace

ExprPtr FalseLiteral(int line) {
  auto e = std::make_unique<LiteralExpr>(line);
  e->literal_kind = LiteralKind::kBoolean;
  e->source = u"False";
  return e;
}

bool IsReference(const Expr& e) {
  return e.kind == ExprKind::kName || e.kind == ExprKind::kMember || e.kind == ExprKind::kCall;
}

ExprPtr Parser::ParseReference(const char* what) {
  ExprPtr e = ParsePostfix(ParsePrimary(), false);
  if (!IsReference(*e)) Fail(std::string("expected ") + what);
  return e;
}

bool IsGraphicsMethod(std::u16string_view name) {
  return NamesEqual(name, u"Line") || NamesEqual(name, u"Circle") || NamesEqual(name, u"PSet") ||
         NamesEqual(name, u"Scale");
}

// Words starting a statement that are ordinary names too (Name = 1, Width = 300, Line.X):
// they start the statement only when no assignment, member or index follows.
bool Parser::AtContextualStatement() const {
  return !(AtPunct(u"=", 1) || AtPunct(u".", 1) || AtPunct(u"!", 1) || AtPunct(u":=", 1));
}

void Parser::ParseStatement(StmtList& out) {
  const Token& t = Peek();
  if (t.kind != TokenKind::kIdentifier || t.bracketed || t.suffix != 0) {
    ParseExpressionStatement(out);
    return;
  }
  if (AtWord(u"Attribute") && Peek(1).kind == TokenKind::kIdentifier) {
    ParseAttribute();
    return;
  }
  if (ParseDeclaration(out)) return;
  const int line = t.line;
  if (AtWord(u"If")) {
    ParseIf(out);
  } else if (AtWord(u"Select")) {
    ParseSelect(out);
  } else if (AtWord(u"For")) {
    ParseFor(out);
  } else if (AtWord(u"Do")) {
    ParseDo(out);
  } else if (AtWord(u"While")) {
    ParseWhile(out);
  } else if (AtWord(u"With")) {
    ParseWith(out);
  } else if (AtWord(u"Exit")) {
    ParseExit(out);
  } else if (AtWord(u"GoTo") || AtWord(u"GoSub")) {
    auto s = std::make_unique<GoToStmt>(line);
    s->gosub = NamesEqual(Take().text, u"GoSub");
    s->label = ParseLabelName();
    ExpectEndOfStatement();
    out.push_back(std::move(s));
  } else if (AtWord(u"Return") && AtEndOfStatement(1)) {
    Take();
    out.push_back(std::make_unique<ReturnStmt>(line));
  } else if (AtWord(u"On") && AtContextualStatement()) {
    ParseOn(out);
  } else if (AtWord(u"Resume") && AtContextualStatement()) {
    ParseResume(out);
  } else if (AtWord(u"ReDim")) {
    ParseReDim(out);
  } else if (AtWord(u"Erase")) {
    ParseErase(out);
  } else if (AtWord(u"RaiseEvent")) {
    ParseRaiseEvent(out);
  } else if (AtWord(u"LSet") || AtWord(u"RSet")) {
    ParseLSet(out, NamesEqual(t.text, u"RSet"));
  } else if (AtWord(u"Let")) {
    Take();
    ParseAssignment(out, AssignKind::kLet);
  } else if (AtWord(u"Set") && AtContextualStatement()) {
    Take();
    ParseAssignment(out, AssignKind::kSet);
  } else if (AtWord(u"Call")) {
    ParseCall(out);
  } else if (AtWord(u"Stop") && AtEndOfStatement(1)) {
    Take();
    out.push_back(std::make_unique<StopStmt>(line));
  } else if (AtWord(u"End") && AtEndOfStatement(1)) {
    Take();
    out.push_back(std::make_unique<EndStmt>(line));
  } else if (AtWord(u"Print")) {
    Take();
    ParsePrint(out, nullptr, false);
  } else if (AtWord(u"Open") && AtContextualStatement() && !AtPunct(u"(", 1)) {
    ParseOpen(out);
  } else if (AtWord(u"Close") && AtContextualStatement() && !AtPunct(u"(", 1)) {
    ParseClose(out);
  } else if (IsGraphicsMethod(t.text) && (AtPunct(u"(", 1) || AtPunct(u"-", 1) || AtWord(u"Step", 1))) {
    ParseGraphics(out, nullptr, Take().text, false);
  } else if (AtContextualStatement() && (AtWord(u"Line") && AtWord(u"Input", 1))) {
    ParseFileStatement(out);
  } else if (AtContextualStatement() && (AtWord(u"Write") || AtWord(u"Input") || AtWord(u"Width")) &&
             AtPunct(u"#", 1)) {
    ParseFileStatement(out);
  } else if (AtContextualStatement() && !AtPunct(u"(", 1) &&
             (AtWord(u"Get") || AtWord(u"Put") || AtWord(u"Seek") || AtWord(u"Lock") || AtWord(u"Unlock"))) {
    ParseFileStatement(out);
  } else if (AtWord(u"Name") && AtContextualStatement() && !AtEndOfStatement(1)) {
    auto s = std::make_unique<NameStmt>(line);
    Take();
    s->old_path = ParseExpression();
    ExpectWord(u"As");
    s->new_path = ParseExpression();
    ExpectEndOfStatement();
    out.push_back(std::move(s));
  } else {
    ParseExpressionStatement(out);
  }
}

std::u16string Parser::ParseLabelName() {
  const Token& t = Peek();
  if (t.kind != TokenKind::kIdentifier && t.kind != TokenKind::kNumber) Fail("expected a label");
  return Take().text;
}

// ---------------------------------------------------------------------------------------------
// Blocks

void Parser::ParseIf(StmtList& out) {
  auto s = std::make_unique<IfStmt>(Line());
  Take();  // If
  IfBranch first;
  first.line = s->line;
  first.condition = ParseExpression();
  ExpectWord(u"Then");
  const bool block = Peek().kind == TokenKind::kLineEnd || Peek().kind == TokenKind::kComment ||
                     Peek().kind == TokenKind::kEnd;
  if (!block) {
    // If c Then a: b Else d: e — everything up to the end of the line.
    s->single_line = true;
    ParseSingleLineBody(first.body);
    s->branches.push_back(std::move(first));
    if (TakeWord(u"Else")) {
      s->has_else = true;
      s->else_line = s->line;
      ParseSingleLineBody(s->else_body);
    }
    s->end_line = s->line;
    out.push_back(std::move(s));
    return;
  }
  open_blocks_.push_back(Block::kIf);
  ParseStatements(first.body, Block::kIf);
  s->branches.push_back(std::move(first));
  for (;;) {
    if (AtWord(u"ElseIf") && !s->has_else) {
      IfBranch branch;
      branch.line = Line();
      const std::size_t start = pos_;
      Take();
      try {
        branch.condition = ParseExpression();
        ExpectWord(u"Then");
      } catch (const SyntaxError& error) {
        // Kept first in the body of a branch never taken.
        branch.condition = FalseLiteral(branch.line);
        branch.body.push_back(Recover(error, start, true));
      }
      ParseStatements(branch.body, Block::kIf);
      s->branches.push_back(std::move(branch));
    } else if (AtWord(u"Else") && !s->has_else) {
      s->has_else = true;
      s->else_line = Line();
      Take();
      ParseStatements(s->else_body, Block::kIf);
    } else {
      break;
    }
  }
  open_blocks_.pop_back();
  EndBlock(Block::kIf, u"End If", &s->end_line);
  out.push_back(std::move(s));
}

// The statements of a single-line If's part: up to Else or the end of the line.
void Parser::ParseSingleLineBody(StmtList& out) {
  if (Peek().kind == TokenKind::kNumber) {  // If c Then 100: GoTo 100
    auto s = std::make_unique<GoToStmt>(Line());
    s->label = Take().text;
    out.push_back(std::move(s));
  }
  for (;;) {
    while (TakePunct(u":")) {
    }
    const Token& t = Peek();
    if (t.kind == TokenKind::kLineEnd || t.kind == TokenKind::kEnd || t.kind == TokenKind::kComment ||
        AtWord(u"Else")) {
      return;
    }
    ParseStatementRecovering(out);
  }
}

void Parser::ParseSelect(StmtList& out) {
  auto s = std::make_unique<SelectStmt>(Line());
  Take();  // Select
  ExpectWord(u"Case");
  s->selector = ParseExpression();
  ExpectEndOfStatement();
  open_blocks_.push_back(Block::kSelect);
  ParseStatements(s->leading, Block::kSelect);
  while (AtWord(u"Case")) {
    CaseClause clause;
    clause.line = Line();
    const std::size_t start = pos_;
    Take();
    try {
      if (TakeWord(u"Else")) {
        clause.is_else = true;
      } else {
        for (;;) {
          CaseCondition c;
          if (TakeWord(u"Is")) {
            c.condition_kind = CaseConditionKind::kIs;
            static constexpr std::pair<std::u16string_view, BinaryOp> kOps[] = {
                {u"=", BinaryOp::kEqual},   {u"<>", BinaryOp::kNotEqual},  {u"<", BinaryOp::kLess},
                {u">", BinaryOp::kGreater}, {u"<=", BinaryOp::kLessEqual}, {u">=", BinaryOp::kGreaterEqual}};
            bool found = false;
            for (const auto& [text, op] : kOps) {
              if (!found && TakePunct(text)) {
                c.op = op;
                found = true;
              }
            }
            if (!found) Fail("expected a comparison after Is");
            c.value = ParseExpression();
          } else {
            c.value = ParseExpression();
            if (TakeWord(u"To")) {
              c.condition_kind = CaseConditionKind::kRange;
              c.upper = ParseExpression();
            }
          }
          clause.conditions.push_back(std::move(c));
          if (!TakePunct(u",")) break;
        }
      }
      ExpectEndOfStatement();
    } catch (const SyntaxError& error) {
      // No condition: a clause never chosen, its text kept first in its body.
      clause.is_else = false;
      clause.conditions.clear();
      clause.body.push_back(Recover(error, start, true));
    }
    ParseStatements(clause.body, Block::kSelect);
    s->cases.push_back(std::move(clause));
  }
  open_blocks_.pop_back();
  EndBlock(Block::kSelect, u"End Select", &s->end_line);
  out.push_back(std::move(s));
}

void Parser::ParseFor(StmtList& out) {
  const int line = Line();
  Take();  // For
  StmtList* body;
  int* end_line;
  StmtPtr loop;
  if (TakeWord(u"Each")) {
    auto s = std::make_unique<ForEachStmt>(line);
    s->element = ParseReference("a loop variable");
    ExpectWord(u"In");
    s->group = ParseExpression();
    body = &s->body;
    end_line = &s->end_line;
    loop = std::move(s);
  } else {
    auto s = std::make_unique<ForStmt>(line);
    s->counter = ParseReference("a loop variable");
    ExpectPunct(u"=");
    s->start = ParseExpression();
    ExpectWord(u"To");
    s->end = ParseExpression();
    if (TakeWord(u"Step")) s->step = ParseExpression();
    body = &s->body;
    end_line = &s->end_line;
    loop = std::move(s);
  }
  ExpectEndOfStatement();
  open_blocks_.push_back(Block::kFor);
  ParseStatements(*body, Block::kFor);
  open_blocks_.pop_back();
  if (pending_next_ > 0) {
    // Closed by a `Next j, i` read by an inner loop.
    --pending_next_;
    *end_line = Line();
  } else if (AtWord(u"Next")) {
    *end_line = Line();
    const std::size_t next = pos_;
    Take();
    // Next [counter [, counter]...]: each further counter closes an enclosing loop.
    int counters = 0;
    try {
      while (!AtEndOfStatement()) {
        ParsePostfix(ParsePrimary(), false);
        ++counters;
        if (!TakePunct(u",")) break;
      }
      ExpectEndOfStatement();
    } catch (const SyntaxError& error) {
      body->push_back(Recover(error, next, true));
    }
    pending_next_ = std::max(0, counters - 1);
  } else {
    Diagnose(Peek(), "missing Next");
  }
  out.push_back(std::move(loop));
}

void Parser::ParseDo(StmtList& out) {
  auto s = std::make_unique<DoStmt>(Line());
  Take();  // Do
  if (AtWord(u"While") || AtWord(u"Until")) {
    s->test = NamesEqual(Take().text, u"While") ? DoTest::kWhileBefore : DoTest::kUntilBefore;
    s->condition = ParseExpression();
  }
  ExpectEndOfStatement();
  open_blocks_.push_back(Block::kDo);
  ParseStatements(s->body, Block::kDo);
  open_blocks_.pop_back();
  const std::size_t loop = pos_;
  EndBlock(Block::kDo, u"Loop", &s->end_line);
  if (s->end_line && !AtEndOfStatement()) {
    try {
      if (s->test != DoTest::kNone) Fail("a loop tested both at Do and at Loop");
      const bool is_while = TakeWord(u"While");
      if (!is_while) ExpectWord(u"Until");
      s->test = is_while ? DoTest::kWhileAfter : DoTest::kUntilAfter;
      s->condition = ParseExpression();
      ExpectEndOfStatement();
    } catch (const SyntaxError& error) {
      // The loop runs once; its last line is kept at the end of its body.
      s->test = DoTest::kWhileAfter;
      s->condition = FalseLiteral(s->end_line);
      s->body.push_back(Recover(error, loop, true));
    }
  }
  out.push_back(std::move(s));
}

void Parser::ParseWhile(StmtList& out) {
  auto s = std::make_unique<WhileStmt>(Line());
  Take();  // While
  s->condition = ParseExpression();
  ExpectEndOfStatement();
  open_blocks_.push_back(Block::kWhile);
  ParseStatements(s->body, Block::kWhile);
  open_blocks_.pop_back();
  EndBlock(Block::kWhile, u"Wend", &s->end_line);
  out.push_back(std::move(s));
}

void Parser::ParseWith(StmtList& out) {
  auto s = std::make_unique<WithStmt>(Line());
  Take();  // With
  s->object = ParseExpression();
  ExpectEndOfStatement();
  open_blocks_.push_back(Block::kWith);
  ParseStatements(s->body, Block::kWith);
  open_blocks_.pop_back();
  EndBlock(Block::kWith, u"End With", &s->end_line);
  out.push_back(std::move(s));
}

// ---------------------------------------------------------------------------------------------
// Simple statements

void Parser::ParseExit(StmtList& out) {
  auto s = std::make_unique<ExitStmt>(Line());
  Take();  // Exit
  static constexpr std::pair<std::u16string_view, ExitKind> kKinds[] = {{u"Sub", ExitKind::kSub},
                                                                        {u"Function", ExitKind::kFunction},
                                                                        {u"Property", ExitKind::kProperty},
                                                                        {u"For", ExitKind::kFor},
                                                                        {u"Do", ExitKind::kDo}};
  bool found = false;
  for (const auto& [word, kind] : kKinds) {
    if (!found && TakeWord(word)) {
      s->exit_kind = kind;
      found = true;
    }
  }
  if (!found) Fail("expected Sub, Function, Property, For or Do after Exit");
  ExpectEndOfStatement();
  out.push_back(std::move(s));
}

void Parser::ParseOn(StmtList& out) {
  const int line = Line();
  Take();  // On
  const bool local = TakeWord(u"Local");
  if (TakeWord(u"Error")) {
    auto s = std::make_unique<OnErrorStmt>(line);
    s->is_local = local;
    if (TakeWord(u"Resume")) {
      ExpectWord(u"Next");
      s->on_error_kind = OnErrorKind::kResumeNext;
    } else {
      ExpectWord(u"GoTo");
      if (TakePunct(u"-")) {
        if (Peek().kind != TokenKind::kNumber || Take().text != u"1") Fail("expected GoTo -1");
        s->on_error_kind = OnErrorKind::kGoToMinus1;
      } else if (Peek().kind == TokenKind::kNumber && Peek().text == u"0") {
        Take();
        s->on_error_kind = OnErrorKind::kGoTo0;
      } else {
        s->on_error_kind = OnErrorKind::kGoToLabel;
        s->label = ParseLabelName();
      }
    }
    ExpectEndOfStatement();
    out.push_back(std::move(s));
    return;
  }
  if (local) Fail("expected Error after On Local");
  auto s = std::make_unique<OnGoToStmt>(line);
  s->selector = ParseExpression();
  if (TakeWord(u"GoSub")) {
    s->gosub = true;
  } else {
    ExpectWord(u"GoTo");
  }
  for (;;) {
    s->labels.push_back(ParseLabelName());
    if (!TakePunct(u",")) break;
  }
  ExpectEndOfStatement();
  out.push_back(std::move(s));
}

void Parser::ParseResume(StmtList& out) {
  auto s = std::make_unique<ResumeStmt>(Line());
  Take();  // Resume
  if (TakeWord(u"Next")) {
    s->resume_kind = ResumeKind::kNext;
  } else if (!AtEndOfStatement()) {
    s->label = ParseLabelName();
    s->resume_kind = s->label == u"0" ? ResumeKind::kResume : ResumeKind::kLabel;
    if (s->resume_kind == ResumeKind::kResume) s->label.clear();
  }
  ExpectEndOfStatement();
  out.push_back(std::move(s));
}

void Parser::ParseReDim(StmtList& out) {
  auto s = std::make_unique<ReDimStmt>(Line());
  Take();  // ReDim
  s->preserve = TakeWord(u"Preserve");
  for (;;) {
    ReDimClause c;
    c.line = Line();
    // The array: a name or a member chain, then its bounds.
    ExprPtr target = ParsePrimary();
    if (target->kind != ExprKind::kName && target->kind != ExprKind::kMember) Fail("expected an array");
    while (AtPunct(u".") && Peek(1).kind == TokenKind::kIdentifier) {
      auto m = std::make_unique<MemberExpr>(Line());
      Take();
      const Token& name = Take();
      m->name = name.text;
      m->suffix = name.suffix;
      m->object = std::move(target);
      target = std::move(m);
    }
    c.target = std::move(target);
    c.bounds = ParseBounds();
    c.type = ParseAsType();
    s->arrays.push_back(std::move(c));
    if (!TakePunct(u",")) break;
  }
  ExpectEndOfStatement();
  out.push_back(std::move(s));
}

void Parser::ParseErase(StmtList& out) {
  auto s = std::make_unique<EraseStmt>(Line());
  Take();  // Erase
  for (;;) {
    s->arrays.push_back(ParseExpression());
    if (!TakePunct(u",")) break;
  }
  ExpectEndOfStatement();
  out.push_back(std::move(s));
}

void Parser::ParseRaiseEvent(StmtList& out) {
  auto s = std::make_unique<RaiseEventStmt>(Line());
  Take();  // RaiseEvent
  s->name = ExpectName("an event name").text;
  if (AtPunct(u"(")) s->args = ParseArgumentsInParens();
  ExpectEndOfStatement();
  out.push_back(std::move(s));
}

void Parser::ParseLSet(StmtList& out, bool right) {
  auto s = std::make_unique<LSetStmt>(Line());
  Take();  // LSet / RSet
  s->right = right;
  s->target = ParseReference("a variable");
  ExpectPunct(u"=");
  s->value = ParseExpression();
  ExpectEndOfStatement();
  out.push_back(std::move(s));
}

void Parser::ParseAssignment(StmtList& out, AssignKind kind) {
  const int line = Line();
  ExprPtr target = ParseReference("a variable to assign");
  ExpectPunct(u"=");
  ExprPtr value = ParseExpression();
  ExpectEndOfStatement();
  if (kind != AssignKind::kSet && target->kind == ExprKind::kCall &&
      IsMidName(*target->As<CallExpr>().callee)) {
    // Mid(s, start[, length]) = value replaces characters of s.
    CallExpr& call = target->As<CallExpr>();
    if (call.args.size() < 2 || call.args.size() > 3 || !call.args[0].value || !call.args[1].value) {
      Fail("Mid needs a variable, a start and an optional length");
    }
    auto s = std::make_unique<MidStmt>(line);
    const NameExpr& name = call.callee->As<NameExpr>();
    s->function = name.name + (name.suffix ? std::u16string(1, name.suffix) : std::u16string());
    s->target = std::move(call.args[0].value);
    s->start = std::move(call.args[1].value);
    if (call.args.size() == 3) s->length = std::move(call.args[2].value);
    s->value = std::move(value);
    out.push_back(std::move(s));
    return;
  }
  auto s = std::make_unique<AssignStmt>(line);
  s->assign_kind = kind;
  s->target = std::move(target);
  s->value = std::move(value);
  out.push_back(std::move(s));
}

void Parser::ParseCall(StmtList& out) {
  auto s = std::make_unique<CallStmt>(Line());
  Take();  // Call
  s->call_keyword = true;
  ExprPtr callee = ParseReference("a procedure");
  ExpectEndOfStatement();
  if (callee->kind == ExprKind::kCall) {
    CallExpr& call = callee->As<CallExpr>();
    s->callee = std::move(call.callee);
    s->args = std::move(call.args);
  } else {
    s->callee = std::move(callee);
  }
  out.push_back(std::move(s));
}

// An assignment without Let, a call without Call, obj.Print and graphics methods.
void Parser::ParseExpressionStatement(StmtList& out) {
  const int line = Line();
  const std::size_t start = pos_;
  ExprPtr callee = ParseCallee();
  if (!IsReference(*callee)) Fail("expected a statement");
  if (callee->kind == ExprKind::kMember && !callee->As<MemberExpr>().bang) {
    MemberExpr& member = callee->As<MemberExpr>();
    const bool on_with_object = member.object == nullptr;
    if (member.suffix == 0 && NamesEqual(member.name, u"Print") && !AtPunct(u"=")) {
      ParsePrint(out, std::move(member.object), false, on_with_object);
      return;
    }
    if (IsGraphicsMethod(member.name) && (AtPunct(u"(") || AtPunct(u"-") || AtWord(u"Step"))) {
      ParseGraphics(out, std::move(member.object), member.name, on_with_object);
      return;
    }
  }
  if (AtPunct(u"=") || AtPunct(u"(")) {
    // x (1) = 2 and F (a) read as a whole first; F (a), b is a call without parentheses.
    const std::size_t after_callee = pos_;
    pos_ = start;
    ExprPtr whole = ParsePostfix(ParsePrimary(), false);
    if (AtPunct(u"=")) {
      pos_ = start;
      ParseAssignment(out, AssignKind::kImplicit);
      return;
    }
    if (AtEndOfStatement()) {
      callee = std::move(whole);
    } else {
      pos_ = after_callee;
    }
  }
  auto s = std::make_unique<CallStmt>(line);
  if (callee->kind == ExprKind::kCall && AtEndOfStatement()) {
    // F(a) without Call passes (a) as an expression; F(a, b) is read as VB6 reads Call F(a, b).
    CallExpr& call = callee->As<CallExpr>();
    s->callee = std::move(call.callee);
    s->args = std::move(call.args);
    if (s->args.size() == 1 && s->args[0].value && s->args[0].name.empty() && !s->args[0].by_val &&
        s->callee->kind != ExprKind::kCall) {
      auto paren = std::make_unique<ParenExpr>(s->args[0].value->line);
      paren->inner = std::move(s->args[0].value);
      s->args[0].value = std::move(paren);
    }
  } else {
    s->callee = std::move(callee);
    s->args = ParseArgumentsToEnd();
  }
  ExpectEndOfStatement();
  out.push_back(std::move(s));
}

void Parser::ParsePrint(StmtList& out, ExprPtr object, bool is_write, bool on_with_object) {
  auto s = std::make_unique<PrintStmt>(Line());
  s->is_write = is_write;
  s->on_with_object = on_with_object;
  s->object = std::move(object);
  if (!s->object && AtPunct(u"#")) {
    s->file_number = ParseFileNumber();
    if (!AtEndOfStatement()) ExpectPunct(u",");
  }
  while (!AtEndOfStatement()) {
    if (AtPunct(u";") || AtPunct(u",")) {
      const char16_t separator = Take().text[0];
      if (!s->items.empty() && s->items.back().separator == 0) {
        s->items.back().separator = separator;
      } else {
        s->items.push_back({nullptr, separator});
      }
      continue;
    }
    // Two items with nothing between them are printed as with ';'.
    if (!s->items.empty() && s->items.back().separator == 0) s->items.back().separator = u';';
    s->items.push_back({ParseExpression(), 0});
  }
  out.push_back(std::move(s));
}

namespace {
bool IsBoxFlag(const Token& t) {
  return t.kind == TokenKind::kIdentifier && (NamesEqual(t.text, u"B") || NamesEqual(t.text, u"BF"));
}
}  // namespace

void Parser::ParseGraphics(StmtList& out, ExprPtr object, std::u16string method, bool on_with_object) {
  auto s = std::make_unique<GraphicsStmt>(Line());
  s->object = std::move(object);
  s->on_with_object = on_with_object;
  s->method = std::move(method);
  auto point = [&](GraphicsPoint& p) {
    p.present = true;
    p.step = TakeWord(u"Step");
    ExpectPunct(u"(");
    p.x = ParseExpression();
    ExpectPunct(u",");
    p.y = ParseExpression();
    ExpectPunct(u")");
  };
  if (!AtPunct(u"-")) point(s->from);
  const bool two_points = NamesEqual(s->method, u"Line") || NamesEqual(s->method, u"Scale");
  if (two_points) {
    ExpectPunct(u"-");
    point(s->to);
  }
  while (TakePunct(u",")) {
    if (NamesEqual(s->method, u"Line") && IsBoxFlag(Peek()) && AtEndOfStatement(1)) {
      s->box = Take().text;
    } else if (AtPunct(u",") || AtEndOfStatement()) {
      s->args.push_back(nullptr);
    } else {
      s->args.push_back(ParseExpression());
    }
  }
  ExpectEndOfStatement();
  out.push_back(std::move(s));
}

// #n or n (the # is optional in most file statements).
ExprPtr Parser::ParseFileNumber() {
  TakePunct(u"#");
  return ParseExpression();
}

void Parser::ParseOpen(StmtList& out) {
  auto s = std::make_unique<OpenStmt>(Line());
  Take();  // Open
  s->path = ParseExpression();
  if (TakeWord(u"For")) {
    static constexpr std::pair<std::u16string_view, OpenMode> kModes[] = {{u"Input", OpenMode::kInput},
                                                                          {u"Output", OpenMode::kOutput},
                                                                          {u"Append", OpenMode::kAppend},
                                                                          {u"Binary", OpenMode::kBinary},
                                                                          {u"Random", OpenMode::kRandom}};
    bool found = false;
    for (const auto& [word, mode] : kModes) {
      if (!found && TakeWord(word)) {
        s->mode = mode;
        found = true;
      }
    }
    if (!found) Fail("expected Input, Output, Append, Binary or Random");
  }
  if (TakeWord(u"Access")) {
    if (TakeWord(u"Read")) {
      s->access = TakeWord(u"Write") ? OpenAccess::kReadWrite : OpenAccess::kRead;
    } else {
      ExpectWord(u"Write");
      s->access = OpenAccess::kWrite;
    }
  }
  if (TakeWord(u"Shared")) {
    s->lock = OpenLock::kShared;
  } else if (TakeWord(u"Lock")) {
    if (TakeWord(u"Read")) {
      s->lock = TakeWord(u"Write") ? OpenLock::kLockReadWrite : OpenLock::kLockRead;
    } else {
      ExpectWord(u"Write");
      s->lock = OpenLock::kLockWrite;
    }
  }
  ExpectWord(u"As");
  s->file_number = ParseFileNumber();
  if (TakeWord(u"Len")) {
    ExpectPunct(u"=");
    s->record_length = ParseExpression();
  }
  ExpectEndOfStatement();
  out.push_back(std::move(s));
}

void Parser::ParseClose(StmtList& out) {
  auto s = std::make_unique<CloseStmt>(Line());
  Take();  // Close
  while (!AtEndOfStatement()) {
    s->file_numbers.push_back(ParseFileNumber());
    if (!TakePunct(u",")) break;
  }
  ExpectEndOfStatement();
  out.push_back(std::move(s));
}

// Write #, Input #, Line Input #, Get, Put, Seek, Lock, Unlock, Width #.
void Parser::ParseFileStatement(StmtList& out) {
  const int line = Line();
  const std::u16string word = NameKey(Take().text);
  if (word == u"write") {
    ParsePrint(out, nullptr, true);
    out.back()->line = line;
    return;
  }
  if (word == u"line") {
    Take();  // Input
    auto s = std::make_unique<LineInputStmt>(line);
    s->file_number = ParseFileNumber();
    ExpectPunct(u",");
    s->target = ParseReference("a variable");
    ExpectEndOfStatement();
    out.push_back(std::move(s));
    return;
  }
  ExprPtr file_number = ParseFileNumber();
  if (word == u"input") {
    auto s = std::make_unique<InputStmt>(line);
    s->file_number = std::move(file_number);
    while (TakePunct(u",")) s->targets.push_back(ParseReference("a variable"));
    out.push_back(std::move(s));
  } else if (word == u"get" || word == u"put") {
    auto s = std::make_unique<GetPutStmt>(line);
    s->is_put = word == u"put";
    s->file_number = std::move(file_number);
    ExpectPunct(u",");
    if (!AtPunct(u",")) s->record = ParseExpression();
    ExpectPunct(u",");
    s->variable = ParseExpression();
    out.push_back(std::move(s));
  } else if (word == u"seek" || word == u"width") {
    ExpectPunct(u",");
    ExprPtr value = ParseExpression();
    if (word == u"seek") {
      auto s = std::make_unique<SeekStmt>(line);
      s->file_number = std::move(file_number);
      s->position = std::move(value);
      out.push_back(std::move(s));
    } else {
      auto s = std::make_unique<WidthStmt>(line);
      s->file_number = std::move(file_number);
      s->width = std::move(value);
      out.push_back(std::move(s));
    }
  } else {
    auto s = std::make_unique<LockStmt>(line);
    s->unlock = word == u"unlock";
    s->file_number = std::move(file_number);
    if (TakePunct(u",")) {
      if (!AtWord(u"To")) s->from = ParseExpression();
      if (TakeWord(u"To")) s->to = ParseExpression();
    }
    out.push_back(std::move(s));
  }
  ExpectEndOfStatement();
}

}  // namespace veldrane::vb
