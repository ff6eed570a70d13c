#include "tree_text.h"

#include <cstdio>

namespace veldrane::vb::testing {

std::u16string Utf16(std::string_view s) {
  std::u16string out;
  for (std::size_t i = 0; i < s.size();) {
    const unsigned char c = s[i];
    const int n = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
    char32_t cp = n == 1 ? c : c & (0x3F >> (n - 1));
    for (int k = 1; k < n && i + k < s.size(); ++k) cp = (cp << 6) | (s[i + k] & 0x3F);
    i += n;
    if (cp >= 0x10000) {
      out.push_back(static_cast<char16_t>(0xD800 + ((cp - 0x10000) >> 10)));
      out.push_back(static_cast<char16_t>(0xDC00 + ((cp - 0x10000) & 0x3FF)));
    } else {
      out.push_back(static_cast<char16_t>(cp));
    }
  }
  return out;
}

std::string Utf8(std::u16string_view s) {
  std::string out;
  for (char16_t c : s) {
    if (c < 0x80) {
      out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
      out += {static_cast<char>(0xC0 | (c >> 6)), static_cast<char>(0x80 | (c & 0x3F))};
    } else {
      out += {static_cast<char>(0xE0 | (c >> 12)), static_cast<char>(0x80 | ((c >> 6) & 0x3F)),
              static_cast<char>(0x80 | (c & 0x3F))};
    }
  }
  return out;
}

namespace {

std::string Suffixed(std::u16string_view name, char16_t suffix) {
  return Utf8(name) + (suffix ? std::string(1, static_cast<char>(suffix)) : "");
}

std::string Args(const std::vector<Argument>& args) {
  std::string out;
  for (const Argument& a : args) {
    out += " ";
    if (!a.name.empty()) out += Utf8(a.name) + ":=";
    if (a.by_val) out += "byval ";
    out += a.value ? ExprText(a.value.get()) : "_";
  }
  return out;
}

const char* OpText(BinaryOp op) {
  static constexpr const char* kText[] = {
      "^", "*",  "/",  "\\",   "mod", "+",   "-",  "&",   "=",   "<>", "<",
      ">", "<=", ">=", "like", "is",  "and", "or", "xor", "eqv", "imp"};
  return kText[static_cast<int>(op)];
}

std::string LiteralText(const LiteralExpr& e) {
  static constexpr const char* kKinds[] = {"int",  "lng",  "sng",     "dbl",   "cur", "str",
                                           "date", "bool", "nothing", "empty", "null"};
  std::string out = kKinds[static_cast<int>(e.literal_kind)];
  switch (e.literal_kind) {
    case LiteralKind::kString:
      return out + ":\"" + Utf8(e.text) + "\"";
    case LiteralKind::kDate:
      return out + ":" + Utf8(e.text);
    case LiteralKind::kNothing:
    case LiteralKind::kEmpty:
    case LiteralKind::kNull:
      return out;
    case LiteralKind::kSingle:
    case LiteralKind::kDouble:
    case LiteralKind::kCurrency: {
      char buffer[32];
      std::snprintf(buffer, sizeof buffer, "%g", e.number);
      return out + ":" + buffer;
    }
    default:
      return out + ":" + std::to_string(e.integer);
  }
}

}  // namespace

std::string ExprText(const Expr* e) {
  if (!e) return "_";
  switch (e->kind) {
    case ExprKind::kLiteral:
      return LiteralText(e->As<LiteralExpr>());
    case ExprKind::kName:
      return Suffixed(e->As<NameExpr>().name, e->As<NameExpr>().suffix);
    case ExprKind::kMember: {
      const auto& m = e->As<MemberExpr>();
      return std::string("(") + (m.bang ? "!" : ".") + " " + ExprText(m.object.get()) + " " +
             Suffixed(m.name, m.suffix) + ")";
    }
    case ExprKind::kCall:
      return "(call " + ExprText(e->As<CallExpr>().callee.get()) + Args(e->As<CallExpr>().args) + ")";
    case ExprKind::kUnary: {
      static constexpr const char* kOps[] = {"neg", "plus", "not"};
      const auto& u = e->As<UnaryExpr>();
      return std::string("(") + kOps[static_cast<int>(u.op)] + " " + ExprText(u.operand.get()) + ")";
    }
    case ExprKind::kBinary: {
      const auto& b = e->As<BinaryExpr>();
      return std::string("(") + OpText(b.op) + " " + ExprText(b.left.get()) + " " + ExprText(b.right.get()) +
             ")";
    }
    case ExprKind::kParen:
      return "(paren " + ExprText(e->As<ParenExpr>().inner.get()) + ")";
    case ExprKind::kNew:
      return "(new " + Utf8(e->As<NewExpr>().type.name) + ")";
    case ExprKind::kTypeOf:
      return "(typeof " + ExprText(e->As<TypeOfExpr>().operand.get()) + " " +
             Utf8(e->As<TypeOfExpr>().type.name) + ")";
    case ExprKind::kAddressOf:
      return "(addressof " + ExprText(e->As<AddressOfExpr>().operand.get()) + ")";
  }
  return "?";
}

std::string StmtText(const Stmt& s) {
  switch (s.kind) {
    case StmtKind::kAssign: {
      static constexpr const char* kKinds[] = {"assign", "let", "set"};
      const auto& a = s.As<AssignStmt>();
      return std::string("(") + kKinds[static_cast<int>(a.assign_kind)] + " " + ExprText(a.target.get()) +
             " " + ExprText(a.value.get()) + ")";
    }
    case StmtKind::kCall: {
      const auto& c = s.As<CallStmt>();
      return std::string(c.call_keyword ? "(Call " : "(callstmt ") + ExprText(c.callee.get()) + Args(c.args) +
             ")";
    }
    case StmtKind::kMid: {
      const auto& m = s.As<MidStmt>();
      return "(" + Utf8(m.function) + " " + ExprText(m.target.get()) + " " + ExprText(m.start.get()) + " " +
             ExprText(m.length.get()) + " " + ExprText(m.value.get()) + ")";
    }
    case StmtKind::kPrint: {
      const auto& p = s.As<PrintStmt>();
      std::string out = "(print " + ExprText(p.object.get());
      for (const PrintItem& item : p.items) {
        (out += ' ') += ExprText(item.value.get());
        if (item.separator) out += static_cast<char>(item.separator);
      }
      return out + ")";
    }
    case StmtKind::kLabel:
      return "(label " + Utf8(s.As<LabelStmt>().name) + ")";
    case StmtKind::kComment:
      return "(comment " + Utf8(s.As<CommentStmt>().text) + ")";
    case StmtKind::kBlankLine:
      return "(blank)";
    case StmtKind::kUnparsed:
      return "(unparsed " + Utf8(s.As<UnparsedStmt>().text) + ")";
    case StmtKind::kGoTo:
      return "(goto " + Utf8(s.As<GoToStmt>().label) + ")";
    case StmtKind::kIf: {
      const auto& i = s.As<IfStmt>();
      std::string out = "(if";
      for (const IfBranch& b : i.branches) {
        (out += ' ') += ExprText(b.condition.get()) + " [";
        for (const StmtPtr& c : b.body) (out += ' ') += StmtText(*c);
        out += " ]";
      }
      if (i.has_else) {
        out += " else [";
        for (const StmtPtr& c : i.else_body) (out += ' ') += StmtText(*c);
        out += " ]";
      }
      return out + ")";
    }
    default:
      return "(kind " + std::to_string(static_cast<int>(s.kind)) + ")";
  }
}

}  // namespace veldrane::vb::testing
