#include "test_literals.h"

#include <cctype>

namespace veldrane::equivalence {

namespace {

void AppendCodePoint(std::u16string& out, char32_t c) {
  if (c >= 0x10000) {
    out.push_back(static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10)));
    out.push_back(static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF)));
  } else {
    out.push_back(static_cast<char16_t>(c));
  }
}

// Decodes one UTF-8 sequence starting at i; advances i.
char32_t NextUtf8(std::string_view s, std::size_t& i) {
  const auto b = static_cast<unsigned char>(s[i++]);
  const int extra = b < 0x80 ? 0 : b >= 0xF0 ? 3 : b >= 0xE0 ? 2 : b >= 0xC0 ? 1 : -1;
  if (extra < 0) return 0xFFFD;
  char32_t c = extra == 0 ? b : b & (0x3F >> extra);
  for (int k = 0; k < extra; ++k) {
    if (i >= s.size() || (static_cast<unsigned char>(s[i]) & 0xC0) != 0x80) return 0xFFFD;
    c = (c << 6) | (static_cast<unsigned char>(s[i++]) & 0x3F);
  }
  return c;
}

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
      AppendCodePoint(out, NextUtf8(s, i));
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
        AppendCodePoint(out, ParseHex(s, i, 8));
        break;
      case 'u':
        AppendCodePoint(out, ParseHex(s, i, 4));
        break;
      case 'U':
        AppendCodePoint(out, ParseHex(s, i, 8));
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

std::u16string FromUtf8(std::string_view bytes) {
  std::u16string out;
  out.reserve(bytes.size());
  for (std::size_t i = 0; i < bytes.size();) AppendCodePoint(out, NextUtf8(bytes, i));
  return out;
}

}  // namespace veldrane::equivalence
