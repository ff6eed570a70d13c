#include "translation/pascal_text.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace veldrane::translation {
namespace {

// Reserved in Delphi or in Free Pascal's Delphi mode; sorted for binary search.
constexpr std::array<std::string_view, 69> kReservedWords = {
    "and",
    "array",
    "as",
    "asm",
    "begin",
    "case",
    "class",
    "const",
    "constructor",
    "destructor",
    "dispinterface",
    "div",
    "do",
    "downto",
    "else",
    "end",
    "except",
    "exports",
    "file",
    "finalization",
    "finally",
    "for",
    "function",
    "goto",
    "if",
    "implementation",
    "in",
    "inherited",
    "initialization",
    "inline",
    "interface",
    "is",
    "label",
    "library",
    "mod",
    "nil",
    "not",
    "object",
    "of",
    "on",
    "operator",
    "or",
    "out",
    "packed",
    "procedure",
    "program",
    "property",
    "raise",
    "record",
    "repeat",
    "resourcestring",
    "result",
    "self",
    "set",
    "shl",
    "shr",
    "string",
    "then",
    "threadvar",
    "to",
    "try",
    "type",
    "unit",
    "until",
    "uses",
    "var",
    "while",
    "with",
    "xor",
};

// Identifiers the translated code uses itself (System and Variants routines, types and
// constants); sorted for binary search.
constexpr std::array<std::string_view, 47> kGeneratedCodeNames = {
    "ansistring",
    "break",
    "continue",
    "copy",
    "default",
    "delete",
    "encodedate",
    "encodetime",
    "exception",
    "exit",
    "false",
    "halt",
    "high",
    "iinterface",
    "length",
    "longint",
    "low",
    "maxint",
    "move",
    "null",
    "ord",
    "pansichar",
    "pointer",
    "ptrint",
    "setlength",
    "sizeof",
    "smallint",
    "stringofchar",
    "supports",
    "tarray",
    "tdatetime",
    "true",
    "tvardata",
    "tvbstringarray",
    "unassigned",
    "vararraycreate",
    "vararrayhighbound",
    "vararraylowbound",
    "vararrayof",
    "varastype",
    "varclear",
    "vardispatch",
    "varfromdatetime",
    "varisempty",
    "varolestr",
    "varsingle",
    "varvariant",
};

constexpr size_t kPieceLength = 200;

std::string Lower(std::string_view name) {
  std::string lower(name);
  for (char& c : lower) c = char(std::tolower(static_cast<unsigned char>(c)));
  return lower;
}

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += char(c);
  } else if (c < 0x800) {
    out += char(0xC0 | (c >> 6));
    out += char(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += char(0xE0 | (c >> 12));
    out += char(0x80 | ((c >> 6) & 0x3F));
    out += char(0x80 | (c & 0x3F));
  } else {
    out += char(0xF0 | (c >> 18));
    out += char(0x80 | ((c >> 12) & 0x3F));
    out += char(0x80 | ((c >> 6) & 0x3F));
    out += char(0x80 | (c & 0x3F));
  }
}

}  // namespace

std::string PascalName(std::string_view vb_name) {
  const std::string lower = Lower(vb_name);
  // "result" and "self" are not reserved, but a VB name spelled so would be hidden by (or
  // hide) the function result and the method's object; the same for the routines and
  // constants the translated code itself calls (a VB variable named High would hide High()).
  if (std::binary_search(kGeneratedCodeNames.begin(), kGeneratedCodeNames.end(), lower) ||
      lower == "result" || lower == "self")
    return std::string(vb_name) + "_";
  if (std::binary_search(kReservedWords.begin(), kReservedWords.end(), lower))
    return std::string("&").append(vb_name);
  return std::string(vb_name);
}

std::string PascalStringLiteral(std::u16string_view text) {
  if (text.empty()) return "''";
  std::string out;
  bool quoted = false;
  size_t piece = 0;
  for (char16_t c : text) {
    if (piece >= kPieceLength) {
      if (quoted) out += '\'';
      out += " + ";
      quoted = false;
      piece = 0;
    }
    if (c >= 0x20 && c < 0x7F) {
      if (!quoted) out += '\'';
      quoted = true;
      out += char(c);
      if (c == '\'') out += '\'';
    } else {
      if (quoted) out += '\'';
      quoted = false;
      out += '#' + std::to_string(unsigned(c));
    }
    ++piece;
  }
  if (quoted) out += '\'';
  return out;
}

std::string CommentText(std::u16string_view text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    char32_t c = text[i];
    if (c >= 0xD800 && c < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] < 0xE000)
      c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
    else if (c >= 0xD800 && c < 0xE000)
      c = 0xFFFD;
    if (c == '\r' || c == '\n') c = ' ';
    AppendUtf8(out, c);
  }
  return out;
}

void PascalWriter::Line(std::string_view text) {
  if (!text.empty()) text_.append(size_t(depth_) * 2, ' ');
  text_ += text;
  text_ += '\n';
}

void PascalWriter::EndStatement() {
  if (text_.empty()) return;
  text_.back() = ';';  // the line's break moves behind the semicolon
  text_ += '\n';
}

void PascalWriter::Comment(std::u16string_view vb_comment) { Line("// " + CommentText(vb_comment)); }

}  // namespace veldrane::translation
