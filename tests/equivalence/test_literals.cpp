#include "test_literals.h"

#include <cctype>

#include "inputs/utf8.h"

namespace veldrane::equivalence {

using bench::AppendUtf16;
using bench::NextUtf8;

namespace {

char32_t ParseHex(std::string_view s, std::size_t& i, std::size_t max_digits) {
  char32_t c = 0;
  for (std::size_t n = 0; n < max_digits && i < s.size() && std::isxdigit(static_cast<unsigned char>(s[i]));
       ++n) {
    const char d = static_cast<char>(std::tolower(static_cast<unsigned char>(s[i++])));
    c = c * 16 + static_cast<char32_t>(d <= '9' ? d - '0' : d - 'a' + 10);
  }
  return c;
}

// Decodes the body of a literal whose opening quote is at s[i - 1]; leaves i after the
// closing quote. Returns false at an unterminated literal.
bool DecodeBody(std::string_view s, std::size_t& i, std::u16string& out) {
  while (i < s.size()) {
    const char c = s[i];
    if (c == '"') {
      ++i;
      return true;
    }
    if (c == '\n') return false;
    if (c != '\\') {
      AppendUtf16(out, NextUtf8(s, i));
      continue;
    }
    if (++i >= s.size()) return false;
    const char e = s[i++];
    switch (e) {
      case 'r':
        out.push_back(u'\r');
        break;
      case 'n':
        out.push_back(u'\n');
        break;
      case 't':
        out.push_back(u'\t');
        break;
      case '0':
        out.push_back(u'\0');
        break;
      case 'x':
        AppendUtf16(out, ParseHex(s, i, 8));
        break;
      case 'u':
        AppendUtf16(out, ParseHex(s, i, 4));
        break;
      case 'U':
        AppendUtf16(out, ParseHex(s, i, 8));
        break;
      default:
        out.push_back(static_cast<char16_t>(static_cast<unsigned char>(e)));
        break;
    }
  }
  return false;
}

bool IsIdentifierChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }

}  // namespace

std::vector<std::u16string> ExtractUtf16Literals(std::string_view s) {
  std::vector<std::u16string> literals;
  std::size_t i = 0;
  while ((i = s.find("u\"", i)) != std::string_view::npos) {
    if (i > 0 && IsIdentifierChar(s[i - 1])) {
      i += 2;
      continue;
    }
    std::u16string text;
    i += 2;
    bool complete = DecodeBody(s, i, text);
    // Adjacent literals, separated by white space only, are one literal.
    while (complete) {
      std::size_t j = i;
      while (j < s.size() && std::isspace(static_cast<unsigned char>(s[j]))) ++j;
      if (s.substr(j, 2) == "u\"") {
        i = j + 2;
      } else if (j < s.size() && s[j] == '"') {
        i = j + 1;
      } else {
        break;
      }
      complete = DecodeBody(s, i, text);
    }
    if (complete) literals.push_back(std::move(text));
  }
  return literals;
}

}  // namespace veldrane::equivalence
