#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace veldrane::vb {

enum class TokenKind {
  kIdentifier,  // names and keywords alike ([bracketed] names are never keywords)
  kNumber,      // 12, 1.5E3, &HFF, &O17; `text` as written without the type character
  kString,      // `text` is the value, "" unescaped
  kDate,        // #...#; `text` is what stands between the #
  kPunct,       // operators and punctuation: ( ) , ; . ! : := = <> < > <= >= + - * / \ ^ & #
  kComment,     // ' or Rem: `text` is what follows
  kDirective,   // a conditional-compilation line (#If, #Const, ...): `text` is the line
  kInactive,    // a line of a branch conditional compilation leaves out: `text` is the line
  kLineEnd,     // the end of a logical line (continuations joined)
  kEnd,         // the end of the text
  kUnknown,     // a character VB has no use for
};

struct Token {
  TokenKind kind = TokenKind::kEnd;
  int line = 1;            // 1-based
  int column = 1;          // 1-based, in UTF-16 code units
  std::size_t offset = 0;  // where the token starts in the text
  std::size_t length = 0;  // how far it runs (suffix and quotes included)
  std::u16string text;
  char16_t suffix = 0;        // type character after a name or number: $ % & ! # @
  bool space_before = false;  // white space (or a line continuation) right before it
  bool bracketed = false;     // [name]
};

struct LexOptions {
  int first_line = 1;  // the line number of the text's first line
  // Conditional-compilation constants known before the text's own #Const lines.
  std::vector<std::pair<std::u16string, std::int64_t>> constants;
};

// Splits a text into tokens, resolving conditional compilation. Always ends with kEnd;
// every line ends with kLineEnd. Never fails: anything else becomes kUnknown.
std::vector<Token> Lex(std::u16string_view text, const LexOptions& options = {});

}  // namespace veldrane::vb
