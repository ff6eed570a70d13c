#include "vb/parser.h"

#include <algorithm>

#include "vb/parser_impl.h"

namespace veldrane::vb {
namespace {

bool StartsWithWord(std::u16string_view line, std::u16string_view word) {
  std::size_t i = 0;
  while (i < line.size() && (line[i] == u' ' || line[i] == u'\t')) ++i;
  line.remove_prefix(i);
  if (line.size() < word.size() || !NamesEqual(line.substr(0, word.size()), word)) return false;
  return line.size() == word.size() || line[word.size()] == u' ' || line[word.size()] == u'\t';
}

// The designer header's length in code units and its number of lines: VERSION, Object = lines
// and Begin ... End blocks at the top. A block left open means there is no header.
std::size_t HeaderLength(std::u16string_view text, int* lines) {
  *lines = 0;
  auto line_at = [&](std::size_t start, std::size_t* next) {
    std::size_t end = start;
    while (end < text.size() && text[end] != u'\r' && text[end] != u'\n') ++end;
    *next = end;
    if (*next < text.size() && text[*next] == u'\r') ++*next;
    if (*next < text.size() && text[*next] == u'\n' && (*next == end || text[*next - 1] == u'\r')) ++*next;
    return text.substr(start, end - start);
  };
  std::size_t next = 0;
  std::u16string_view first = line_at(0, &next);
  if (!first.starts_with(u"VERSION ") || first.size() < 9 || first[8] < u'0' || first[8] > u'9') return 0;
  int depth = 0;
  int count = 1;
  std::size_t header_end = next;
  int header_lines = 1;
  for (std::size_t start = next; start < text.size(); start = next) {
    const std::u16string_view line = line_at(start, &next);
    ++count;
    if (StartsWithWord(line, u"Begin") || StartsWithWord(line, u"BeginProperty")) {
      ++depth;
    } else if (depth > 0 && (StartsWithWord(line, u"End") || StartsWithWord(line, u"EndProperty"))) {
      --depth;
    } else if (depth == 0 && !StartsWithWord(line, u"Object")) {
      break;
    }
    if (depth == 0) {
      header_end = next;
      header_lines = count;
    }
  }
  if (depth != 0) return 0;
  *lines = header_lines;
  return header_end;
}

// Words that close a block, start a block's part or can't be a label.
bool IsReservedLabel(const Token& t) {
  static constexpr std::u16string_view kWords[] = {u"Else", u"ElseIf", u"End",    u"EndIf", u"Loop",
                                                   u"Next", u"Wend",   u"Case",   u"Then",  u"Rem",
                                                   u"Exit", u"Resume", u"Return", u"Stop",  u"Do"};
  return std::any_of(std::begin(kWords), std::end(kWords), [&](auto w) { return NamesEqual(t.text, w); });
}

}  // namespace

SourceKind SourceKindForFileName(std::u16string_view file_name) {
  const std::size_t dot = file_name.rfind(u'.');
  if (dot == std::u16string_view::npos) return SourceKind::kModule;
  const std::u16string ext = NameKey(file_name.substr(dot + 1));
  if (ext == u"cls") return SourceKind::kClass;
  if (ext == u"frm") return SourceKind::kForm;
  if (ext == u"ctl") return SourceKind::kUserControl;
  if (ext == u"dob") return SourceKind::kUserDocument;
  if (ext == u"pag") return SourceKind::kPropertyPage;
  if (ext == u"dsr") return SourceKind::kDesigner;
  return SourceKind::kModule;
}

Module Parse(std::u16string_view text, const ParseOptions& options) {
  if (!text.empty() && text[0] == 0xFEFF) text.remove_prefix(1);  // a byte order mark
  Module module;
  module.source_kind = options.source_kind;
  int header_lines = 0;
  const std::size_t header = HeaderLength(text, &header_lines);
  module.header = std::u16string(text.substr(0, header));
  module.header_last_line = header_lines;
  LexOptions lex_options;
  lex_options.first_line = header_lines + 1;
  lex_options.constants = options.constants;
  const std::u16string_view code = text.substr(header);
  Parser(code, Lex(code, lex_options), module).ParseModule();
  for (const Attribute& a : module.attributes) {
    if (NamesEqual(a.name, u"VB_Name")) module.name = a.value;
  }
  return module;
}

Parser::Parser(std::u16string_view source, std::vector<Token> tokens, Module& module)
    : source_(source), tokens_(std::move(tokens)), module_(module) {}

void Parser::ParseModule() { ParseStatements(module_.body, Block::kModule); }

// ---------------------------------------------------------------------------------------------
// Tokens

const Token& Parser::Peek(std::size_t ahead) const {
  return tokens_[std::min(pos_ + ahead, tokens_.size() - 1)];
}

const Token& Parser::Take() {
  const Token& t = tokens_[pos_];
  if (pos_ + 1 < tokens_.size()) ++pos_;
  if (t.kind == TokenKind::kLineEnd) {
    at_line_start_ = true;
  } else if (t.kind != TokenKind::kEnd) {
    at_line_start_ = false;
  }
  return t;
}

bool Parser::AtWord(std::u16string_view word, std::size_t ahead) const {
  const Token& t = Peek(ahead);
  return t.kind == TokenKind::kIdentifier && !t.bracketed && t.suffix == 0 && NamesEqual(t.text, word);
}

bool Parser::AtPunct(std::u16string_view punct, std::size_t ahead) const {
  const Token& t = Peek(ahead);
  return t.kind == TokenKind::kPunct && t.text == punct;
}

bool Parser::AtEndOfStatement(std::size_t ahead) const {
  const Token& t = Peek(ahead);
  return t.kind == TokenKind::kLineEnd || t.kind == TokenKind::kEnd || t.kind == TokenKind::kComment ||
         (t.kind == TokenKind::kPunct && t.text == u":") || AtWord(u"Else", ahead);
}

bool Parser::TakeWord(std::u16string_view word) {
  if (!AtWord(word)) return false;
  Take();
  return true;
}

bool Parser::TakePunct(std::u16string_view punct) {
  if (!AtPunct(punct)) return false;
  Take();
  return true;
}

namespace {
std::string Ascii(std::u16string_view s) {
  std::string out;
  for (char16_t c : s) out.push_back(c < 0x80 ? static_cast<char>(c) : '?');
  return out;
}
}  // namespace

void Parser::ExpectWord(std::u16string_view word) {
  if (!TakeWord(word)) Fail("expected " + Ascii(word));
}

void Parser::ExpectPunct(std::u16string_view punct) {
  if (!TakePunct(punct)) Fail("expected '" + Ascii(punct) + "'");
}

void Parser::ExpectEndOfStatement() {
  if (!AtEndOfStatement()) Fail("expected the end of the statement");
}

const Token& Parser::ExpectName(const char* what) {
  if (Peek().kind != TokenKind::kIdentifier) Fail(std::string("expected ") + what);
  return Take();
}

void Parser::Fail(const std::string& message) const { throw SyntaxError{pos_, message}; }

void Parser::Diagnose(const Token& at, const std::string& message) {
  module_.diagnostics.push_back({at.line, at.column, message});
}

std::u16string Parser::SourceText(std::size_t first_token, std::size_t end_token) const {
  if (end_token <= first_token) return {};
  const Token& first = tokens_[first_token];
  const Token& last = tokens_[end_token - 1];
  const std::size_t end = std::max(first.offset, last.offset + last.length);
  return std::u16string(source_.substr(first.offset, end - first.offset));
}

// ---------------------------------------------------------------------------------------------
// Statement lists

Block Parser::TerminatorAt() const {
  if (AtWord(u"Next")) return Block::kFor;
  if (AtWord(u"Loop")) return Block::kDo;
  if (AtWord(u"Wend")) return Block::kWhile;
  if (AtWord(u"ElseIf") || AtWord(u"Else") || AtWord(u"EndIf")) return Block::kIf;
  if (AtWord(u"Case")) return Block::kSelect;
  if (AtWord(u"End")) {
    if (AtWord(u"If", 1)) return Block::kIf;
    if (AtWord(u"Select", 1)) return Block::kSelect;
    if (AtWord(u"With", 1)) return Block::kWith;
    if (AtWord(u"Sub", 1) || AtWord(u"Function", 1) || AtWord(u"Property", 1)) return Block::kProcedure;
  }
  // A procedure's header ends the procedure before it, whose End is missing.
  std::size_t i = 0;
  while (AtWord(u"Private", i) || AtWord(u"Public", i) || AtWord(u"Friend", i) || AtWord(u"Static", i)) ++i;
  if ((AtWord(u"Sub", i) || AtWord(u"Function", i) ||
       (AtWord(u"Property", i) &&
        (AtWord(u"Get", i + 1) || AtWord(u"Let", i + 1) || AtWord(u"Set", i + 1)))) &&
      Peek(i + 1).kind == TokenKind::kIdentifier) {
    return Block::kProcedure;
  }
  return Block::kNone;
}

bool Parser::IsOpen(Block block) const {
  return std::find(open_blocks_.begin(), open_blocks_.end(), block) != open_blocks_.end();
}

// Blank lines, comments and conditional-compilation lines become statements in place.
bool Parser::TakeTrivia(StmtList& out) {
  const Token& t = Peek();
  if (t.kind == TokenKind::kLineEnd) {
    if (at_line_start_) out.push_back(std::make_unique<BlankLineStmt>(t.line));
    Take();
    return true;
  }
  if (t.kind != TokenKind::kComment && t.kind != TokenKind::kDirective && t.kind != TokenKind::kInactive) {
    return false;
  }
  auto c = std::make_unique<CommentStmt>(t.line);
  c->comment_kind = t.kind == TokenKind::kDirective  ? CommentKind::kDirective
                    : t.kind == TokenKind::kInactive ? CommentKind::kInactive
                    : source_[t.offset] == u'\''     ? CommentKind::kApostrophe
                                                     : CommentKind::kRem;
  c->text = t.text;
  c->trailing = !at_line_start_;
  out.push_back(std::move(c));
  Take();
  return true;
}

void Parser::ParseStatements(StmtList& out, Block self) {
  for (;;) {
    if (pending_next_ > 0) {
      if (self == Block::kFor) return;
      pending_next_ = 0;
    }
    if (Peek().kind == TokenKind::kEnd) return;
    if (TakeTrivia(out)) continue;
    const Token& t = Peek();
    if (TakePunct(u":")) continue;
    if (at_line_start_) {
      // A line number, or a label followed by ':'.
      if (t.kind == TokenKind::kNumber && t.suffix == 0 &&
          std::all_of(t.text.begin(), t.text.end(), [](char16_t c) { return c >= u'0' && c <= u'9'; })) {
        auto label = std::make_unique<LabelStmt>(t.line);
        label->name = t.text;
        label->is_line_number = true;
        out.push_back(std::move(label));
        Take();
        TakePunct(u":");
        continue;
      }
      if (t.kind == TokenKind::kIdentifier && t.suffix == 0 && AtPunct(u":", 1) && !IsReservedLabel(t)) {
        auto label = std::make_unique<LabelStmt>(t.line);
        label->name = t.text;
        out.push_back(std::move(label));
        Take();
        Take();
        continue;
      }
    }
    const Block terminator = TerminatorAt();
    if (terminator != Block::kNone && (terminator == self || IsOpen(terminator))) return;
    ParseStatementRecovering(out);
  }
}

void Parser::ParseStatementRecovering(StmtList& out) {
  const std::size_t start = pos_;
  const bool is_if = AtWord(u"If");
  try {
    DepthGuard guard(*this);
    const Block terminator = TerminatorAt();
    if (terminator != Block::kNone && terminator != Block::kProcedure) {
      Fail("'" + Ascii(Peek().text) + "' without the statement it closes");
    }
    if (terminator == Block::kProcedure && AtWord(u"End"))
      Fail("End " + Ascii(Peek(1).text) + " without its start");
    ParseStatement(out);
    if (pos_ == start) Fail("unexpected '" + Ascii(Peek().text) + "'");
  } catch (const SyntaxError& error) {
    // The whole line after a failed If, whose single-line body must not run unconditionally.
    out.push_back(Recover(error, start, is_if));
  }
}

StmtPtr Parser::Recover(const SyntaxError& error, std::size_t start, bool whole_line) {
  Diagnose(tokens_[std::min(error.token, tokens_.size() - 1)], error.message);
  while (Peek().kind != TokenKind::kEnd && Peek().kind != TokenKind::kLineEnd &&
         Peek().kind != TokenKind::kComment && !(AtPunct(u":") && !whole_line)) {
    Take();
  }
  if (pos_ == start && Peek().kind != TokenKind::kEnd) Take();
  auto unparsed = std::make_unique<UnparsedStmt>(tokens_[start].line);
  unparsed->text = SourceText(start, pos_);
  unparsed->message = error.message;
  return unparsed;
}

void Parser::ParseAttribute() {
  const int line = Line();
  Take();  // Attribute
  std::u16string name = ExpectName("an attribute name").text;
  while (TakePunct(u".")) name += u"." + ExpectName("an attribute name").text;
  ExpectPunct(u"=");
  const std::size_t first = pos_;
  while (!AtEndOfStatement() || AtWord(u"Else")) Take();
  Attribute attribute;
  attribute.line = line;
  attribute.name = std::move(name);
  attribute.value = pos_ == first + 1 && tokens_[first].kind == TokenKind::kString ? tokens_[first].text
                                                                                   : SourceText(first, pos_);
  module_.attributes.push_back(std::move(attribute));
}

// Closes a block with its terminator (End If, Next, Loop, ...) when it is there, else a
// diagnostic: the block ends where an enclosing one does.
void Parser::EndBlock(Block block, std::u16string_view terminator, int* end_line) {
  const bool two_words = terminator.starts_with(u"End ");
  if (pending_next_ == 0 && TerminatorAt() == block &&
      (two_words ? AtWord(u"End") || AtWord(u"EndIf") : AtWord(terminator))) {
    *end_line = Line();
    if (Take().text.size() == 3 && two_words) Take();
    return;
  }
  Diagnose(Peek(), "missing " + Ascii(terminator));
}

}  // namespace veldrane::vb
