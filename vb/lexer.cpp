#include "vb/lexer.h"

#include "vb/conditional_compilation.h"
#include "vb/syntax_tree.h"

namespace veldrane::vb {
namespace {

bool IsBlank(char16_t c) { return c == u' ' || c == u'\t' || c == 0xA0 || c == 0x3000; }
bool IsBreak(char16_t c) { return c == u'\r' || c == u'\n'; }
bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }
bool IsHexDigit(char16_t c) { return IsDigit(c) || ((c | 0x20) >= u'a' && (c | 0x20) <= u'f'); }
bool IsOctalDigit(char16_t c) { return c >= u'0' && c <= u'7'; }
bool IsNameStart(char16_t c) {
  return ((c | 0x20) >= u'a' && (c | 0x20) <= u'z') || (c >= 0x80 && c != 0xA0 && c != 0x3000 && c != 0xFEFF);
}
bool IsNameChar(char16_t c) { return IsNameStart(c) || IsDigit(c) || c == u'_'; }
bool IsSuffix(char16_t c) {
  return c == u'$' || c == u'%' || c == u'&' || c == u'!' || c == u'#' || c == u'@';
}

// Statements whose file number is written #n: a '#' right after them is no type character
// and no date literal.
bool TakesFileNumber(const Token& t) {
  if (t.kind != TokenKind::kIdentifier || t.bracketed) return false;
  static constexpr std::u16string_view kWords[] = {u"Print", u"Write", u"Input",  u"Get",   u"Put", u"Close",
                                                   u"Seek",  u"Lock",  u"Unlock", u"Width", u"As",  u"Open"};
  for (std::u16string_view w : kWords) {
    if (NamesEqual(t.text, w)) return true;
  }
  return false;
}

// Whether the text between two # reads as a date or time: numbers, month names and
// AM/PM separated by / - , . : and blanks, with at least one / - : or month name.
bool LooksLikeDate(std::u16string_view s) {
  if (s.empty()) return false;
  bool separator = false;
  bool digit = false;
  for (std::size_t i = 0; i < s.size();) {
    const char16_t c = s[i];
    if (IsDigit(c)) {
      digit = true;
      ++i;
    } else if (c == u'/' || c == u'-' || c == u':') {
      separator = true;
      ++i;
    } else if (c == u',' || c == u'.' || IsBlank(c)) {
      ++i;
    } else if ((c | 0x20) >= u'a' && (c | 0x20) <= u'z') {
      std::size_t j = i;
      while (j < s.size() && ((s[j] | 0x20) >= u'a' && (s[j] | 0x20) <= u'z')) ++j;
      const std::u16string word = NameKey(s.substr(i, j - i));
      static constexpr std::u16string_view kMonths[] = {u"jan", u"feb", u"mar", u"apr", u"may", u"jun",
                                                        u"jul", u"aug", u"sep", u"oct", u"nov", u"dec"};
      if (word == u"am" || word == u"pm" || word == u"a" || word == u"p") {
      } else {
        bool month = false;
        for (std::u16string_view m : kMonths) month = month || (word.size() >= 3 && word.starts_with(m));
        if (!month) return false;
        separator = true;
      }
      i = j;
    } else {
      return false;
    }
  }
  return digit && separator;
}

class Lexer {
 public:
  Lexer(std::u16string_view text, const LexOptions& options)
      : text_(text), line_(options.first_line), conditional_(options.constants) {}

  std::vector<Token> Run() {
    while (pos_ < text_.size()) {
      line_start_ = pos_;
      const std::u16string_view line = PhysicalLine();
      if (ConditionalCompilation::IsDirective(line)) {
        conditional_.Apply(line);
        WholeLine(TokenKind::kDirective, line);
      } else if (!conditional_.Active()) {
        WholeLine(TokenKind::kInactive, line);
      } else {
        LogicalLine();
      }
    }
    Token end;
    end.kind = TokenKind::kEnd;
    end.line = line_;
    end.offset = text_.size();
    tokens_.push_back(std::move(end));
    return std::move(tokens_);
  }

 private:
  std::u16string_view PhysicalLine() const {
    std::size_t end = pos_;
    while (end < text_.size() && !IsBreak(text_[end])) ++end;
    return text_.substr(pos_, end - pos_);
  }

  // Moves past the line break at pos_, if any, onto the next line.
  void SkipBreak() {
    if (pos_ >= text_.size()) return;
    if (text_[pos_] == u'\r' && pos_ + 1 < text_.size() && text_[pos_ + 1] == u'\n') ++pos_;
    ++pos_;
    ++line_;
    line_start_ = pos_;
  }

  Token Make(TokenKind kind, std::size_t start) const {
    Token t;
    t.kind = kind;
    t.line = line_;
    t.column = static_cast<int>(start - line_start_) + 1;
    t.offset = start;
    t.length = pos_ - start;
    t.space_before = space_before_;
    return t;
  }

  void Push(Token t) {
    tokens_.push_back(std::move(t));
    space_before_ = false;
  }

  void WholeLine(TokenKind kind, std::u16string_view line) {
    const std::size_t start = pos_;
    pos_ += line.size();
    Token t = Make(kind, start);
    t.text = std::u16string(line);
    Push(std::move(t));
    EndLine();
  }

  void EndLine() {
    Token t = Make(TokenKind::kLineEnd, pos_);
    t.length = 0;
    Push(std::move(t));
    SkipBreak();
  }

  // Whether only blanks follow `from` up to the end of the physical line.
  bool RestIsBlank(std::size_t from) const {
    while (from < text_.size() && IsBlank(text_[from])) ++from;
    return from >= text_.size() || IsBreak(text_[from]);
  }

  // Whether a statement can start here (for Rem): at the line's start, after ':', after a
  // line number, after Then or Else.
  bool AtStatementStart() const {
    if (tokens_.empty()) return true;
    const Token& p = tokens_.back();
    if (p.kind == TokenKind::kLineEnd) return true;
    if (p.kind == TokenKind::kPunct) return p.text == u":";
    if (p.kind == TokenKind::kNumber) {
      return tokens_.size() == 1 || tokens_[tokens_.size() - 2].kind == TokenKind::kLineEnd;
    }
    return p.kind == TokenKind::kIdentifier && !p.bracketed &&
           (NamesEqual(p.text, u"Then") || NamesEqual(p.text, u"Else"));
  }

  void LogicalLine() {
    while (pos_ < text_.size() && !IsBreak(text_[pos_])) {
      const char16_t c = text_[pos_];
      if (IsBlank(c) || c == 0xFEFF) {
        ++pos_;
        space_before_ = true;
      } else if (c == u'_' && RestIsBlank(pos_ + 1)) {
        // A line continuation: the logical line goes on with the next physical line.
        pos_ += 1;
        while (pos_ < text_.size() && IsBlank(text_[pos_])) ++pos_;
        if (pos_ >= text_.size()) break;
        SkipBreak();
        space_before_ = true;
      } else if (c == u'\'') {
        Comment(pos_ + 1);
      } else if (c == u'"') {
        String();
      } else if (IsDigit(c) ||
                 (c == u'.' && pos_ + 1 < text_.size() && IsDigit(text_[pos_ + 1]) && NumberMayStart())) {
        Number();
      } else if (c == u'&' && pos_ + 1 < text_.size() && PrefixedNumber()) {
      } else if (IsNameStart(c)) {
        Name();
      } else if (c == u'[') {
        Bracketed();
      } else if (c == u'#' && DateLiteral()) {
      } else {
        Punct();
      }
    }
    EndLine();
  }

  // Whether ".5" is a number here rather than a member access.
  bool NumberMayStart() const {
    return tokens_.empty() || space_before_ || tokens_.back().kind == TokenKind::kPunct ||
           tokens_.back().kind == TokenKind::kLineEnd;
  }

  // A comment from `text_start` to the end of the line, continued by a trailing " _".
  void Comment(std::size_t text_start) {
    const std::size_t start = pos_;
    std::u16string text;
    pos_ = text_start;
    for (;;) {
      const std::size_t from = pos_;
      while (pos_ < text_.size() && !IsBreak(text_[pos_])) ++pos_;
      std::u16string_view part = text_.substr(from, pos_ - from);
      text.append(part);
      std::size_t end = part.size();
      while (end > 0 && IsBlank(part[end - 1])) --end;
      const bool continued = end >= 2 && part[end - 1] == u'_' && IsBlank(part[end - 2]);
      if (!continued || pos_ >= text_.size()) break;
      // The break stays part of the comment; the comment goes on with the next line.
      const std::size_t break_start = pos_;
      SkipBreak();
      text.append(text_.substr(break_start, pos_ - break_start));
    }
    Token t = Make(TokenKind::kComment, start);
    t.text = std::move(text);
    Push(std::move(t));
  }

  void String() {
    const std::size_t start = pos_++;
    std::u16string value;
    while (pos_ < text_.size() && !IsBreak(text_[pos_])) {
      if (text_[pos_] == u'"') {
        if (pos_ + 1 < text_.size() && text_[pos_ + 1] == u'"') {
          value.push_back(u'"');
          pos_ += 2;
          continue;
        }
        ++pos_;
        break;
      }
      value.push_back(text_[pos_++]);
    }
    Token t = Make(TokenKind::kString, start);
    t.text = std::move(value);
    Push(std::move(t));
  }

  void Number() {
    const std::size_t start = pos_;
    while (pos_ < text_.size() && IsDigit(text_[pos_])) ++pos_;
    if (pos_ < text_.size() && text_[pos_] == u'.') {
      ++pos_;
      while (pos_ < text_.size() && IsDigit(text_[pos_])) ++pos_;
    }
    if (pos_ < text_.size() && ((text_[pos_] | 0x20) == u'e' || (text_[pos_] | 0x20) == u'd')) {
      std::size_t p = pos_ + 1;
      if (p < text_.size() && (text_[p] == u'+' || text_[p] == u'-')) ++p;
      if (p < text_.size() && IsDigit(text_[p])) {
        pos_ = p;
        while (pos_ < text_.size() && IsDigit(text_[pos_])) ++pos_;
      }
    }
    FinishNumber(start);
  }

  // &H1F, &O17, &17; false (nothing read) when '&' is the concatenation operator.
  bool PrefixedNumber() {
    const std::size_t start = pos_;
    const char16_t k = text_[pos_ + 1] | 0x20;
    std::size_t p = pos_ + 1;
    bool hex = false;
    if (k == u'h') {
      hex = true;
      ++p;
    } else if (k == u'o') {
      ++p;
    }
    const std::size_t digits = p;
    while (p < text_.size() && (hex ? IsHexDigit(text_[p]) : IsOctalDigit(text_[p]))) ++p;
    if (p == digits) return false;
    pos_ = p;
    FinishNumber(start);
    return true;
  }

  void FinishNumber(std::size_t start) {
    const std::size_t end = pos_;
    char16_t suffix = 0;
    if (pos_ < text_.size() && IsSuffix(text_[pos_]) && text_[pos_] != u'$' &&
        !(pos_ + 1 < text_.size() && IsNameChar(text_[pos_ + 1]))) {
      suffix = text_[pos_++];
    }
    Token t = Make(TokenKind::kNumber, start);
    t.text = std::u16string(text_.substr(start, end - start));
    t.suffix = suffix;
    Push(std::move(t));
  }

  void Name() {
    const std::size_t start = pos_;
    while (pos_ < text_.size() && IsNameChar(text_[pos_])) ++pos_;
    const std::size_t end = pos_;
    Token t = Make(TokenKind::kIdentifier, start);
    t.text = std::u16string(text_.substr(start, end - start));
    if (AtStatementStart() && NamesEqual(t.text, u"Rem") &&
        (pos_ >= text_.size() || !IsSuffix(text_[pos_]))) {
      pos_ = start;
      Comment(end < text_.size() && IsBlank(text_[end]) ? end + 1 : end);
      return;
    }
    if (pos_ < text_.size() && IsSuffix(text_[pos_])) {
      const char16_t s = text_[pos_];
      const char16_t after = pos_ + 1 < text_.size() ? text_[pos_ + 1] : u' ';
      bool take = true;
      if (s == u'!') take = !IsNameStart(after) && after != u'[';
      if (s == u'&') take = !IsNameChar(after);
      if (s == u'#') take = !TakesFileNumber(t);
      if (take) {
        t.suffix = s;
        ++pos_;
      }
    }
    t.length = pos_ - start;
    Push(std::move(t));
  }

  void Bracketed() {
    const std::size_t start = pos_;
    std::size_t p = pos_ + 1;
    while (p < text_.size() && !IsBreak(text_[p]) && text_[p] != u']') ++p;
    if (p >= text_.size() || text_[p] != u']') {
      Punct();
      return;
    }
    pos_ = p + 1;
    Token t = Make(TokenKind::kIdentifier, start);
    t.text = std::u16string(text_.substr(start + 1, p - start - 1));
    t.bracketed = true;
    if (pos_ < text_.size() && IsSuffix(text_[pos_]) && text_[pos_] != u'!' && text_[pos_] != u'#') {
      t.suffix = text_[pos_++];
      t.length = pos_ - start;
    }
    Push(std::move(t));
  }

  bool DateLiteral() {
    if (!tokens_.empty() && TakesFileNumber(tokens_.back())) return false;
    std::size_t p = pos_ + 1;
    while (p < text_.size() && !IsBreak(text_[p]) && text_[p] != u'#') ++p;
    if (p >= text_.size() || text_[p] != u'#') return false;
    const std::u16string_view inner = text_.substr(pos_ + 1, p - pos_ - 1);
    if (!LooksLikeDate(inner)) return false;
    const std::size_t start = pos_;
    pos_ = p + 1;
    Token t = Make(TokenKind::kDate, start);
    t.text = std::u16string(inner);
    Push(std::move(t));
    return true;
  }

  void Punct() {
    const std::size_t start = pos_;
    const char16_t c = text_[pos_++];
    const char16_t n = pos_ < text_.size() ? text_[pos_] : 0;
    std::u16string text(1, c);
    if ((c == u'<' && (n == u'=' || n == u'>')) || (c == u'>' && n == u'=') || (c == u':' && n == u'=')) {
      text.push_back(n);
      ++pos_;
    } else if (c == u'=' && (n == u'<' || n == u'>')) {
      text = n == u'<' ? u"<=" : u">=";
      ++pos_;
    }
    static constexpr std::u16string_view kPunct = u"(),;.!:=<>+-*/\\^&#";
    Token t =
        Make(kPunct.find(c) == std::u16string_view::npos ? TokenKind::kUnknown : TokenKind::kPunct, start);
    t.text = std::move(text);
    Push(std::move(t));
  }

  std::u16string_view text_;
  std::size_t pos_ = 0;
  std::size_t line_start_ = 0;
  int line_;
  bool space_before_ = false;
  ConditionalCompilation conditional_;
  std::vector<Token> tokens_;
};

}  // namespace

std::vector<Token> Lex(std::u16string_view text, const LexOptions& options) {
  return Lexer(text, options).Run();
}

}  // namespace veldrane::vb
