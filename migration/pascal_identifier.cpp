#include "migration/pascal_identifier.h"

#include <QSet>

namespace veldrane::migration {

bool IsPascalReservedWord(const QString& word) {
  static const QSet<QString> kReserved{
      "and",       "array",          "as",        "asm",        "begin",      "case",        "class",
      "const",     "constructor",    "destructor", "dispinterface", "div",    "do",          "downto",
      "else",      "end",            "except",    "exports",    "file",       "finalization", "finally",
      "for",       "function",       "goto",      "if",         "implementation", "in",      "inherited",
      "initialization", "inline",    "interface", "is",         "label",      "library",     "mod",
      "nil",       "not",            "object",    "of",         "operator",   "or",          "packed",
      "procedure", "program",        "property",  "raise",      "record",     "repeat",      "resourcestring",
      "set",       "shl",            "shr",       "string",     "then",       "threadvar",   "to",
      "try",       "type",           "unit",      "until",      "uses",       "var",         "while",
      "with",      "xor"};
  return kReserved.contains(word.toLower());
}

QString PascalIdentifier(const QString& name) {
  QString id;
  id.reserve(name.size() + 1);
  for (const QChar c : name) {
    const char16_t u = c.unicode();
    const bool ascii_word = (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z') || (u >= '0' && u <= '9') || u == '_';
    id += ascii_word ? c : QChar(u'_');
  }
  if (id.isEmpty() || id[0].isDigit()) id.prepend(u'U');
  if (IsPascalReservedWord(id)) id += u'_';
  return id;
}

QString PascalStringLiteral(const QString& text) {
  if (text.isEmpty()) return "''";
  QString literal;
  bool quoted = false;
  for (const QChar c : text) {
    const char16_t u = c.unicode();
    const bool printable = u >= 0x20 && u < 0x7f;
    if (printable != quoted) {
      literal += u'\'';
      quoted = printable;
    }
    if (!printable) {
      literal += u'#' + QString::number(u);
    } else {
      literal += u == u'\'' ? QStringLiteral("''") : QString(c);
    }
  }
  if (quoted) literal += u'\'';
  return literal;
}

}  // namespace veldrane::migration
