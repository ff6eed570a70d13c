#include <algorithm>

#include "vb/parser_impl.h"

namespace veldrane::vb {
namespace {

// Words that cannot start an operand: they end the expression before them.
bool IsReservedInExpression(const Token& t) {
  if (t.kind != TokenKind::kIdentifier || t.bracketed) return false;
  static constexpr std::u16string_view kWords[] = {
      u"And",  u"Or",     u"Xor", u"Eqv",    u"Imp",   u"Mod",  u"Like", u"Is",   u"Then",
      u"Else", u"ElseIf", u"To",  u"Step",   u"As",    u"End",  u"Loop", u"Next", u"Wend",
      u"Case", u"Each",   u"In",  u"GoTo",   u"GoSub", u"Call", u"Dim",  u"Sub",  u"Function",
      u"Set",  u"Let",    u"If",  u"Select", u"Do",    u"For",  u"While"};
  return std::any_of(std::begin(kWords), std::end(kWords), [&](auto w) { return NamesEqual(t.text, w); });
}

struct BinaryLevel {
  std::u16string_view words[6];
  BinaryOp ops[6];
};

// Binary operators from the loosest binding to the tightest (Not sits between And and the
// comparisons; unary minus and ^ are below).
const BinaryLevel kLevels[] = {
    {{u"Imp"}, {BinaryOp::kImp}},
    {{u"Eqv"}, {BinaryOp::kEqv}},
    {{u"Xor"}, {BinaryOp::kXor}},
    {{u"Or"}, {BinaryOp::kOr}},
    {{u"And"}, {BinaryOp::kAnd}},
    {{}, {}},  // Not
    {{u"=", u"<>", u"<", u">", u"<=", u">="},
     {BinaryOp::kEqual, BinaryOp::kNotEqual, BinaryOp::kLess, BinaryOp::kGreater, BinaryOp::kLessEqual,
      BinaryOp::kGreaterEqual}},
    {{u"&"}, {BinaryOp::kConcat}},
    {{u"+", u"-"}, {BinaryOp::kAdd, BinaryOp::kSubtract}},
    {{u"Mod"}, {BinaryOp::kMod}},
    {{u"\\"}, {BinaryOp::kIntDivide}},
    {{u"*", u"/"}, {BinaryOp::kMultiply, BinaryOp::kDivide}},
};
constexpr int kNotLevel = 5;
constexpr int kComparisonLevel = 6;
constexpr int kLevelCount = sizeof(kLevels) / sizeof(kLevels[0]);

}  // namespace

ExprPtr Parser::ParseExpression() { return ParseLevel(0); }

ExprPtr Parser::ParseLevel(int level) {
  if (level >= kLevelCount) return ParseUnary();
  if (level == kNotLevel) {
    if (AtWord(u"Not")) {
      DepthGuard guard(*this);
      auto e = std::make_unique<UnaryExpr>(Line());
      Take();
      e->op = UnaryOp::kNot;
      e->operand = ParseLevel(kNotLevel);
      return e;
    }
    return ParseLevel(level + 1);
  }
  ExprPtr left = ParseLevel(level + 1);
  for (;;) {
    const Token& t = Peek();
    int found = -1;
    for (int i = 0; i < 6 && !kLevels[level].words[i].empty(); ++i) {
      const std::u16string_view w = kLevels[level].words[i];
      if ((t.kind == TokenKind::kPunct && t.text == w) || AtWord(w)) found = i;
    }
    BinaryOp op = found >= 0 ? kLevels[level].ops[found] : BinaryOp::kAdd;
    if (found < 0 && level == kComparisonLevel && (AtWord(u"Like") || AtWord(u"Is"))) {
      op = AtWord(u"Like") ? BinaryOp::kLike : BinaryOp::kIs;
      found = 0;
    }
    if (found < 0) return left;
    auto e = std::make_unique<BinaryExpr>(t.line);
    Take();
    e->op = op;
    e->left = std::move(left);
    e->right = ParseLevel(level + 1);
    left = std::move(e);
  }
}

ExprPtr Parser::ParseUnary() {
  DepthGuard guard(*this);
  if (AtPunct(u"-") || AtPunct(u"+")) {
    auto e = std::make_unique<UnaryExpr>(Line());
    e->op = Take().text == u"-" ? UnaryOp::kNegate : UnaryOp::kPlus;
    e->operand = ParseUnary();
    return e;
  }
  if (AtWord(u"Not")) {  // Not as an operand: a = Not b
    auto e = std::make_unique<UnaryExpr>(Line());
    Take();
    e->op = UnaryOp::kNot;
    e->operand = ParseLevel(kComparisonLevel);
    return e;
  }
  return ParsePower();
}

ExprPtr Parser::ParsePower() {
  ExprPtr left = ParsePostfix(ParsePrimary(), false);
  while (AtPunct(u"^")) {
    auto e = std::make_unique<BinaryExpr>(Line());
    Take();
    e->op = BinaryOp::kPower;
    e->left = std::move(left);
    // The exponent may carry its own sign: 2 ^ -1.
    e->right = AtPunct(u"-") || AtPunct(u"+") ? ParseUnary() : ParsePostfix(ParsePrimary(), false);
    left = std::move(e);
  }
  return left;
}

ExprPtr Parser::NameFromToken(const Token& t) {
  auto e = std::make_unique<NameExpr>(t.line);
  e->name = t.text;
  e->suffix = t.suffix;
  return e;
}

ExprPtr Parser::LiteralFromToken(const Token& t) {
  if (t.kind == TokenKind::kNumber) return NumberLiteral(t);
  auto e = std::make_unique<LiteralExpr>(t.line);
  e->source = SourceText(static_cast<std::size_t>(&t - tokens_.data()),
                         static_cast<std::size_t>(&t - tokens_.data()) + 1);
  e->text = t.text;
  if (t.kind == TokenKind::kString) {
    e->literal_kind = LiteralKind::kString;
  } else if (t.kind == TokenKind::kDate) {
    e->literal_kind = LiteralKind::kDate;
  } else if (NamesEqual(t.text, u"True") || NamesEqual(t.text, u"False")) {
    e->literal_kind = LiteralKind::kBoolean;
    e->integer = NamesEqual(t.text, u"True") ? -1 : 0;
    e->number = static_cast<double>(e->integer);
    e->text.clear();
  } else {
    e->literal_kind = NamesEqual(t.text, u"Nothing") ? LiteralKind::kNothing
                      : NamesEqual(t.text, u"Empty") ? LiteralKind::kEmpty
                                                     : LiteralKind::kNull;
    e->text.clear();
  }
  return e;
}

ExprPtr Parser::ParsePrimary() {
  DepthGuard guard(*this);
  const Token& t = Peek();
  switch (t.kind) {
    case TokenKind::kNumber:
    case TokenKind::kString:
    case TokenKind::kDate:
      return LiteralFromToken(Take());
    case TokenKind::kIdentifier:
      break;
    case TokenKind::kPunct:
      if (t.text == u"(") {
        auto e = std::make_unique<ParenExpr>(t.line);
        Take();
        e->inner = ParseExpression();
        ExpectPunct(u")");
        return e;
      }
      if ((t.text == u"." || t.text == u"!") && Peek(1).kind == TokenKind::kIdentifier) {
        // A member of the With object.
        auto e = std::make_unique<MemberExpr>(t.line);
        e->bang = Take().text == u"!";
        const Token& name = Take();
        e->name = name.text;
        e->suffix = name.suffix;
        return e;
      }
      Fail("expected an expression");
    default:
      Fail("expected an expression");
  }
  if (IsReservedInExpression(t))
    Fail("expected an expression before '" + std::string(t.text.begin(), t.text.end()) + "'");
  if (!t.bracketed && t.suffix == 0) {
    if (AtWord(u"True") || AtWord(u"False") || AtWord(u"Nothing") || AtWord(u"Empty") || AtWord(u"Null")) {
      return LiteralFromToken(Take());
    }
    if (AtWord(u"New")) {
      auto e = std::make_unique<NewExpr>(t.line);
      Take();
      e->type = ParseTypeName();
      return e;
    }
    if (AtWord(u"TypeOf")) {
      auto e = std::make_unique<TypeOfExpr>(t.line);
      Take();
      e->operand = ParsePostfix(ParsePrimary(), false);
      ExpectWord(u"Is");
      e->type = ParseTypeName();
      return e;
    }
    if (AtWord(u"AddressOf")) {
      auto e = std::make_unique<AddressOfExpr>(t.line);
      Take();
      e->operand = ParsePostfix(ParsePrimary(), false);
      return e;
    }
  }
  return NameFromToken(Take());
}

// Member access, ! access and argument lists after an operand. As a statement's callee it
// stops before a '(' written after a space (F (a), b passes (a) as an argument) and after
// a member that takes a print list or points (.Print, .Line, .Circle, .PSet, .Scale).
ExprPtr Parser::ParsePostfix(ExprPtr expr, bool statement_callee) {
  for (;;) {
    const Token& t = Peek();
    if ((AtPunct(u".") || AtPunct(u"!")) && Peek(1).kind == TokenKind::kIdentifier &&
        !(statement_callee && t.space_before)) {
      auto e = std::make_unique<MemberExpr>(t.line);
      e->bang = Take().text == u"!";
      const Token& name = Take();
      e->name = name.text;
      e->suffix = name.suffix;
      e->object = std::move(expr);
      expr = std::move(e);
      if (statement_callee && !expr->As<MemberExpr>().bang && name.suffix == 0 && !name.bracketed) {
        if (NamesEqual(name.text, u"Print")) return expr;
        if (IsGraphicsMethod(name.text) && (AtPunct(u"(") || AtPunct(u"-") || AtWord(u"Step"))) {
          return expr;
        }
      }
    } else if (AtPunct(u"(") && !(statement_callee && t.space_before)) {
      auto e = std::make_unique<CallExpr>(t.line);
      e->callee = std::move(expr);
      e->args = ParseArgumentsInParens();
      expr = std::move(e);
    } else {
      return expr;
    }
  }
}

ExprPtr Parser::ParseCallee() { return ParsePostfix(ParsePrimary(), true); }

std::vector<Argument> Parser::ParseArgumentsInParens() {
  ExpectPunct(u"(");
  std::vector<Argument> args;
  if (TakePunct(u")")) return args;
  for (;;) {
    args.push_back(ParseArgument());
    if (TakePunct(u")")) return args;
    ExpectPunct(u",");
  }
}

std::vector<Argument> Parser::ParseArgumentsToEnd() {
  std::vector<Argument> args;
  if (AtEndOfStatement()) return args;
  for (;;) {
    args.push_back(ParseArgument());
    if (AtEndOfStatement()) return args;
    ExpectPunct(u",");
  }
}

Argument Parser::ParseArgument() {
  Argument a;
  a.line = Line();
  if (AtPunct(u",") || AtPunct(u")") || AtEndOfStatement()) return a;  // omitted
  if (Peek().kind == TokenKind::kIdentifier && AtPunct(u":=", 1)) {
    a.name = Take().text;
    Take();
  }
  TakePunct(u"#");  // a file number: Input(n, #1)
  if (AtWord(u"ByVal") && !AtPunct(u",", 1) && !AtPunct(u")", 1)) {
    Take();
    a.by_val = true;
  }
  a.value = ParseExpression();
  return a;
}

}  // namespace veldrane::vb
