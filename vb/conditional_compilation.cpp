#include "vb/conditional_compilation.h"

#include <cmath>
#include <cstdlib>

#include "vb/lexer.h"
#include "vb/syntax_tree.h"

namespace veldrane::vb {
namespace {

std::u16string_view TrimLeft(std::u16string_view s) {
  while (!s.empty() && (s.front() == u' ' || s.front() == u'\t')) s.remove_prefix(1);
  return s;
}

// The directive's word after '#', and the rest of the line after it.
std::u16string_view DirectiveWord(std::u16string_view line, std::u16string_view* rest) {
  line = TrimLeft(line);
  if (line.empty() || line.front() != u'#') return {};
  line.remove_prefix(1);
  line = TrimLeft(line);
  std::size_t n = 0;
  while (n < line.size() && ((line[n] | 0x20) >= u'a' && (line[n] | 0x20) <= u'z')) ++n;
  if (rest) *rest = line.substr(n);
  return line.substr(0, n);
}

// Evaluates the constant expression of an #If or #Const over its tokens. Names not defined
// are Empty (0); anything that is not understood is 0.
class Evaluator {
 public:
  Evaluator(const std::vector<Token>& tokens, const std::vector<std::pair<std::u16string, double>>& constants)
      : tokens_(tokens), constants_(constants) {}

  double Run() { return Binary(0, 0); }

 private:
  const Token& Peek() const { return tokens_[pos_]; }
  bool AtWord(std::u16string_view w) const {
    return Peek().kind == TokenKind::kIdentifier && !Peek().bracketed && NamesEqual(Peek().text, w);
  }
  bool AtPunct(std::u16string_view p) const { return Peek().kind == TokenKind::kPunct && Peek().text == p; }
  void Next() {
    if (Peek().kind != TokenKind::kEnd) ++pos_;
  }

  // Levels from loosest: Imp, Eqv, Xor, Or, And, Not, comparison, &, + -, Mod, \, * /, unary -, ^.
  double Binary(int level, int depth) {
    if (depth > 100) return 0;
    static constexpr std::u16string_view kWords[] = {u"Imp", u"Eqv", u"Xor", u"Or", u"And"};
    if (level < 5) {
      double left = Binary(level + 1, depth + 1);
      while (AtWord(kWords[level])) {
        Next();
        auto a = static_cast<std::int64_t>(left);
        auto b = static_cast<std::int64_t>(Binary(level + 1, depth + 1));
        switch (level) {
          case 0:
            left = static_cast<double>(~a | b);
            break;
          case 1:
            left = static_cast<double>(~(a ^ b));
            break;
          case 2:
            left = static_cast<double>(a ^ b);
            break;
          case 3:
            left = static_cast<double>(a | b);
            break;
          default:
            left = static_cast<double>(a & b);
            break;
        }
      }
      return left;
    }
    if (level == 5) {
      if (AtWord(u"Not")) {
        Next();
        return static_cast<double>(~static_cast<std::int64_t>(Binary(5, depth + 1)));
      }
      return Comparison(depth + 1);
    }
    return 0;
  }

  double Comparison(int depth) {
    double left = Additive(depth);
    static constexpr std::u16string_view kOps[] = {u"=", u"<>", u"<", u">", u"<=", u">="};
    for (;;) {
      int op = -1;
      for (int i = 0; i < 6; ++i) {
        if (AtPunct(kOps[i])) op = i;
      }
      if (op < 0) return left;
      Next();
      const double right = Additive(depth);
      const bool r = op == 0   ? left == right
                     : op == 1 ? left != right
                     : op == 2 ? left < right
                     : op == 3 ? left > right
                     : op == 4 ? left <= right
                               : left >= right;
      left = r ? -1 : 0;
    }
  }

  double Additive(int depth) {
    double left = Multiplicative(depth);
    for (;;) {
      if (AtPunct(u"+") || AtPunct(u"-")) {
        const bool plus = Peek().text == u"+";
        Next();
        const double right = Multiplicative(depth);
        left = plus ? left + right : left - right;
      } else {
        return left;
      }
    }
  }

  double Multiplicative(int depth) {
    double left = Unary(depth);
    for (;;) {
      if (AtPunct(u"*")) {
        Next();
        left *= Unary(depth);
      } else if (AtPunct(u"/") || AtPunct(u"\\") || AtWord(u"Mod")) {
        const bool mod = Peek().kind == TokenKind::kIdentifier;
        const bool whole = AtPunct(u"\\");
        Next();
        const double right = Unary(depth);
        if (right == 0) return 0;
        left = mod     ? std::fmod(std::round(left), std::round(right))
               : whole ? std::trunc(std::round(left) / std::round(right))
                       : left / right;
      } else {
        return left;
      }
    }
  }

  double Unary(int depth) {
    if (depth > 100) return 0;
    if (AtPunct(u"-")) {
      Next();
      return -Unary(depth + 1);
    }
    if (AtPunct(u"+")) {
      Next();
      return Unary(depth + 1);
    }
    if (AtWord(u"Not")) {
      Next();
      return static_cast<double>(~static_cast<std::int64_t>(Unary(depth + 1)));
    }
    return Primary(depth);
  }

  double Primary(int depth) {
    const Token& t = Peek();
    if (AtPunct(u"(")) {
      Next();
      const double v = Binary(0, depth + 1);
      if (AtPunct(u")")) Next();
      return v;
    }
    if (t.kind == TokenKind::kNumber) {
      Next();
      return NumberValue(t.text);
    }
    if (t.kind == TokenKind::kIdentifier) {
      Next();
      if (!t.bracketed && NamesEqual(t.text, u"True")) return -1;
      if (!t.bracketed && NamesEqual(t.text, u"False")) return 0;
      const std::u16string key = NameKey(t.text);
      for (const auto& [name, value] : constants_) {
        if (name == key) return value;
      }
      return 0;
    }
    Next();
    return 0;
  }

  static double NumberValue(const std::u16string& text) {
    std::string ascii;
    for (char16_t c : text) ascii.push_back(static_cast<char>(c));
    if (ascii.size() > 1 && ascii[0] == '&') {
      const bool hex = ascii[1] == 'H' || ascii[1] == 'h';
      const std::size_t start = (hex || ascii[1] == 'O' || ascii[1] == 'o') ? 2 : 1;
      return static_cast<double>(std::strtoull(ascii.c_str() + start, nullptr, hex ? 16 : 8));
    }
    for (char& c : ascii) {
      if (c == 'd' || c == 'D') c = 'e';
    }
    return std::strtod(ascii.c_str(), nullptr);
  }

  const std::vector<Token>& tokens_;
  const std::vector<std::pair<std::u16string, double>>& constants_;
  std::size_t pos_ = 0;
};

}  // namespace

ConditionalCompilation::ConditionalCompilation(
    const std::vector<std::pair<std::u16string, std::int64_t>>& constants) {
  constants_ = {{u"win16", 0}, {u"win32", -1}, {u"win64", 0}, {u"vba6", -1}};
  for (const auto& [name, value] : constants)
    constants_.emplace_back(NameKey(name), static_cast<double>(value));
}

bool ConditionalCompilation::IsDirective(std::u16string_view line) {
  const std::u16string_view word = DirectiveWord(line, nullptr);
  return NamesEqual(word, u"If") || NamesEqual(word, u"ElseIf") || NamesEqual(word, u"Else") ||
         NamesEqual(word, u"End") || NamesEqual(word, u"EndIf") || NamesEqual(word, u"Const");
}

bool ConditionalCompilation::Active() const { return frames_.empty() || frames_.back().active; }

bool ConditionalCompilation::Evaluate(std::u16string_view expression) const {
  // The condition runs up to Then (or the end of the line); a comment after it is ignored.
  const std::vector<Token> tokens = Lex(expression);
  std::vector<Token> condition;
  for (const Token& t : tokens) {
    if (t.kind == TokenKind::kLineEnd || t.kind == TokenKind::kComment || t.kind == TokenKind::kEnd) break;
    if (t.kind == TokenKind::kIdentifier && !t.bracketed && NamesEqual(t.text, u"Then")) break;
    condition.push_back(t);
  }
  condition.emplace_back();  // kEnd
  return Evaluator(condition, constants_).Run() != 0;
}

void ConditionalCompilation::Apply(std::u16string_view line) {
  std::u16string_view rest;
  const std::u16string_view word = DirectiveWord(line, &rest);
  if (NamesEqual(word, u"If")) {
    const bool parent = Active();
    const bool on = parent && Evaluate(rest);
    frames_.push_back({parent, on, on});
  } else if (NamesEqual(word, u"ElseIf")) {
    if (frames_.empty()) return;
    Frame& f = frames_.back();
    f.active = f.parent_active && !f.taken && Evaluate(rest);
    f.taken = f.taken || f.active;
  } else if (NamesEqual(word, u"Else")) {
    if (frames_.empty()) return;
    Frame& f = frames_.back();
    f.active = f.parent_active && !f.taken;
    f.taken = true;
  } else if (NamesEqual(word, u"End") || NamesEqual(word, u"EndIf")) {
    if (!frames_.empty()) frames_.pop_back();
  } else if (NamesEqual(word, u"Const") && Active()) {
    // #Const Name = expression
    std::vector<Token> tokens = Lex(rest);
    if (tokens.size() < 2 || tokens[0].kind != TokenKind::kIdentifier || tokens[1].text != u"=") return;
    const std::u16string key = NameKey(tokens[0].text);
    std::vector<Token> value(tokens.begin() + 2, tokens.end());
    while (!value.empty() && value.back().kind != TokenKind::kNumber &&
           value.back().kind != TokenKind::kIdentifier && value.back().kind != TokenKind::kPunct) {
      value.pop_back();
    }
    value.emplace_back();
    const double v = Evaluator(value, constants_).Run();
    for (auto& [name, old] : constants_) {
      if (name == key) {
        old = v;
        return;
      }
    }
    constants_.emplace_back(key, v);
  }
}

}  // namespace veldrane::vb
