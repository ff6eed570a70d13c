#include "migration/vb_declarations.h"

#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <algorithm>
#include <vector>

#include "migration/form_design.h"
#include "migration/vb_source_scan.h"

namespace veldrane::migration {
namespace {

constexpr auto kInsensitive = QRegularExpression::CaseInsensitiveOption;

// Splits at the commas outside parentheses and strings.
QStringList SplitTopLevel(const QString& text) {
  QStringList parts;
  int depth = 0;
  bool in_string = false;
  qsizetype start = 0;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text[i];
    if (c == u'"') in_string = !in_string;
    if (in_string) continue;
    if (c == u'(') ++depth;
    if (c == u')') --depth;
    if (c == u',' && depth == 0) {
      parts.append(text.mid(start, i - start).trimmed());
      start = i + 1;
    }
  }
  parts.append(text.mid(start).trimmed());
  parts.removeAll(QString());
  return parts;
}

// "(1 To 5, 10)" -> "[1..5, 0..10]"; empty bounds make a dynamic array.
QString ArrayBounds(const QString& bounds, const NameResolver& resolve) {
  QStringList ranges;
  for (const QString& dimension : SplitTopLevel(bounds)) {
    static const QRegularExpression kTo(R"(\s+To\s+)", kInsensitive);
    const QStringList ends = dimension.split(kTo);
    ranges.append(ends.size() == 2
                      ? PascalExpression(ends[0], resolve) + ".." + PascalExpression(ends[1], resolve)
                      : "0.." + PascalExpression(dimension, resolve));
  }
  return '[' + ranges.join(", ") + ']';
}

struct Declarator {
  QString name;
  bool is_array = false;
  QString bounds;  // between the parentheses
  QString type;    // VB type, "New" and "WithEvents" dropped; empty without As
  QString value;   // after "=", for constants and enum members
};

Declarator ReadDeclarator(QString text) {
  static const QRegularExpression kDeclarator(
      R"(^(?:WithEvents\s+)?([\p{L}_][\p{L}\p{M}\p{N}_]*)[$%&!#@]?\s*(\((.*)\))?\s*(?:As\s+(?:New\s+)?([^=]+?))?\s*(?:=\s*(.*))?$)",
      kInsensitive);
  Declarator declarator;
  const auto m = kDeclarator.match(text.trimmed());
  if (!m.hasMatch()) return declarator;
  declarator.name = DelphiIdentifier(m.captured(1));
  declarator.is_array = m.capturedStart(2) >= 0;
  declarator.bounds = m.captured(3).trimmed();
  declarator.type = m.captured(4).trimmed();
  declarator.value = m.captured(5).trimmed();
  return declarator;
}

QString VariableType(const Declarator& declarator, const NameResolver& resolve) {
  const QString type = PascalType(declarator.type, resolve);
  if (!declarator.is_array) return type;
  return declarator.bounds.isEmpty() ? "array of " + type
                                     : "array" + ArrayBounds(declarator.bounds, resolve) + " of " + type;
}

class DeclarationReader {
 public:
  DeclarationReader(const NameResolver& resolve, PascalDeclarations* out) : resolve_(resolve), out_(out) {}

  void Statement(const QString& code, int line) {
    static const QRegularExpression kStatement(
        R"(^(?:(Public|Private|Global|Dim|Friend)\s+)?(Const\s+|Type\s+|Enum\s+|Declare\s+|Event\s+|Implements\s+)?(.*)$)",
        kInsensitive);
    if (block_ != Block::kNone) return InBlock(code);
    const auto m = kStatement.match(code);
    const QString scope = m.captured(1).toLower(), kind = m.captured(2).trimmed().toLower(),
                  rest = m.captured(3);
    const bool is_public = scope == "public" || scope == "global";
    if (kind.isEmpty() && scope.isEmpty()) return;  // Option, Def..., Attribute
    if (kind == "declare" || kind == "event" || kind == "implements") {
      static const QRegularExpression kName(R"(^(?:(?:Sub|Function)\s+)?([\p{L}_][\p{L}\p{M}\p{N}_]*))",
                                            kInsensitive);
      const QString what = kind == "declare" ? "Declare" : kind == "event" ? "Event" : "Implements";
      out_->not_carried.append(QString("%1 %2 (line %3)").arg(what, kName.match(rest).captured(1)).arg(line));
      return;
    }
    if (kind == "const") {
      for (const QString& part : SplitTopLevel(rest)) {
        const Declarator d = ReadDeclarator(part);
        if (d.name.isEmpty() || d.value.isEmpty()) continue;
        (is_public ? out_->public_constants : out_->private_constants)
            .append(QString("  %1 = %2;").arg(d.name, PascalExpression(d.value, resolve_)));
        if (is_public) {
          out_->public_constant_names.append(d.name);
          out_->public_constant_values.append(PascalExpression(d.value, resolve_));
        }
      }
      return;
    }
    if (kind == "type" || kind == "enum") {
      block_ = kind == "type" ? Block::kType : Block::kEnum;
      block_public_ = scope != "private";  // VB's user types and enums are public by default
      block_name_ = DelphiIdentifier(rest.trimmed());
      if (block_public_) out_->public_type_names.append(block_name_);
      enum_previous_.clear();
      enum_step_ = 0;
      if (block_ == Block::kType)
        Types().append(QString("  %1 = record").arg(block_name_));
      else
        Types().append(QString("  %1 = Integer;").arg(block_name_));
      return;
    }
    for (const QString& part : SplitTopLevel(rest)) {
      const Declarator d = ReadDeclarator(part);
      if (d.name.isEmpty()) continue;
      (is_public ? out_->public_variables : out_->private_variables)
          .append(QString("  %1: %2;").arg(d.name, VariableType(d, resolve_)));
    }
  }

 private:
  enum class Block { kNone, kType, kEnum };

  QStringList& Types() { return block_public_ ? out_->public_types : out_->private_types; }
  QStringList& Constants() { return block_public_ ? out_->public_constants : out_->private_constants; }

  void InBlock(const QString& code) {
    static const QRegularExpression kEnd(R"(^End\s+(Type|Enum)\b)", kInsensitive);
    if (kEnd.match(code).hasMatch()) {
      if (block_ == Block::kType) Types().append("  end;");
      block_ = Block::kNone;
      return;
    }
    const Declarator d = ReadDeclarator(code);
    if (d.name.isEmpty()) return;
    if (block_ == Block::kType) {
      static const QRegularExpression kFixed(R"(^String\s*\*\s*(\S+)$)", kInsensitive);
      const auto fixed = kFixed.match(d.type);
      const QString type = fixed.hasMatch() ? "string[" + PascalExpression(fixed.captured(1), resolve_) + ']'
                                            : VariableType(d, resolve_);
      Types().append(QString("    %1: %2;").arg(d.name, type));
      return;
    }
    // Enum members count on from the one before, as in VB.
    QString value = d.value.isEmpty() ? QString() : PascalExpression(d.value, resolve_);
    if (value.isEmpty())
      value = enum_previous_.isEmpty() ? QString::number(enum_step_) : enum_previous_ + " + 1";
    Constants().append(QString("  %1 = %2;").arg(d.name, value));
    if (block_public_) {
      out_->public_constant_names.append(d.name);
      out_->public_constant_values.append(value);
    }
    enum_previous_ = d.name;
    ++enum_step_;
  }

  const NameResolver& resolve_;
  PascalDeclarations* out_;
  Block block_ = Block::kNone;
  bool block_public_ = true;
  QString block_name_, enum_previous_;
  int enum_step_ = 0;
};

QString ZeroOf(const QString& pascal_type) {
  static const QHash<QString, QString> kZero{{"SmallInt", "0"},    {"Integer", "0"},   {"Byte", "0"},
                                             {"Boolean", "False"}, {"Single", "0"},    {"Double", "0"},
                                             {"Currency", "0"},    {"TDateTime", "0"}, {"string", "''"},
                                             {"Int64", "0"},       {"TObject", "nil"}};
  return kZero.value(pascal_type);
}

}  // namespace

QString PascalType(const QString& vb_type, const NameResolver& resolve) {
  static const QHash<QString, QString> kIntrinsic{
      {"integer", "SmallInt"}, {"long", "Integer"},   {"byte", "Byte"},         {"boolean", "Boolean"},
      {"single", "Single"},    {"double", "Double"},  {"currency", "Currency"}, {"date", "TDateTime"},
      {"string", "string"},    {"object", "TObject"}, {"variant", "Variant"},   {"any", "Variant"},
      {"longlong", "Int64"},   {"decimal", "Variant"}};
  QString type = vb_type.trimmed();
  if (type.contains(u'*')) type = type.section(u'*', 0, 0).trimmed();  // String * 20
  if (type.isEmpty()) return "Variant";
  if (const auto it = kIntrinsic.constFind(type.toLower()); it != kIntrinsic.constEnd()) return *it;
  const QString resolved = resolve ? resolve(type, false) : QString();
  return resolved.isEmpty() ? "Variant" : resolved;
}

QString PascalExpression(const QString& vb_expression, const NameResolver& resolve) {
  // VB's own constants a constant expression may use, by value.
  static const QHash<QString, QString> kConstants{{"vbcrlf", "#13#10"},
                                                  {"vbnewline", "#13#10"},
                                                  {"vbcr", "#13"},
                                                  {"vblf", "#10"},
                                                  {"vbtab", "#9"},
                                                  {"vbnullchar", "#0"},
                                                  {"vbnullstring", "''"},
                                                  {"vbback", "#8"},
                                                  {"vbformfeed", "#12"},
                                                  {"vbverticaltab", "#11"},
                                                  {"vbbinarycompare", "0"},
                                                  {"vbtextcompare", "1"},
                                                  {"vbdatabasecompare", "2"},
                                                  {"vbtrue", "-1"},
                                                  {"vbfalse", "0"},
                                                  {"vbusedefault", "-2"},
                                                  {"vbobjecterror", "-2147221504"},
                                                  {"vbokonly", "0"},
                                                  {"vbokcancel", "1"},
                                                  {"vbabortretryignore", "2"},
                                                  {"vbyesnocancel", "3"},
                                                  {"vbyesno", "4"},
                                                  {"vbretrycancel", "5"},
                                                  {"vbcritical", "16"},
                                                  {"vbquestion", "32"},
                                                  {"vbexclamation", "48"},
                                                  {"vbinformation", "64"},
                                                  {"vbok", "1"},
                                                  {"vbcancel", "2"},
                                                  {"vbabort", "3"},
                                                  {"vbretry", "4"},
                                                  {"vbignore", "5"},
                                                  {"vbyes", "6"},
                                                  {"vbno", "7"},
                                                  {"vbblack", "0"},
                                                  {"vbred", "$FF"},
                                                  {"vbgreen", "$FF00"},
                                                  {"vbyellow", "$FFFF"},
                                                  {"vbblue", "$FF0000"},
                                                  {"vbmagenta", "$FF00FF"},
                                                  {"vbcyan", "$FFFF00"},
                                                  {"vbwhite", "$FFFFFF"},
                                                  {"vbempty", "0"},
                                                  {"vbnull", "1"},
                                                  {"vbinteger", "2"},
                                                  {"vblong", "3"},
                                                  {"vbsingle", "4"},
                                                  {"vbdouble", "5"},
                                                  {"vbcurrency", "6"},
                                                  {"vbdate", "7"},
                                                  {"vbstring", "8"},
                                                  {"vbobject", "9"},
                                                  {"vberror", "10"},
                                                  {"vbboolean", "11"},
                                                  {"vbvariant", "12"},
                                                  {"vbbyte", "17"},
                                                  {"vbarray", "8192"}};
  QString out;
  const QString text = vb_expression.trimmed();
  for (qsizetype i = 0; i < text.size();) {
    const QChar c = text[i];
    if (c == u'"') {
      QString literal;
      ++i;
      while (i < text.size()) {
        if (text[i] == u'"' && i + 1 < text.size() && text[i + 1] == u'"') {
          literal += u'"';
          i += 2;
        } else if (text[i] == u'"') {
          ++i;
          break;
        } else {
          literal += text[i++];
        }
      }
      out += u'\'' + QString(literal).replace(u'\'', QStringLiteral("''")) + u'\'';
    } else if (c == u'&' && i + 1 < text.size() && (text[i + 1] == u'H' || text[i + 1] == u'h')) {
      qsizetype j = i + 2;
      while (j < text.size() && QStringLiteral("0123456789abcdefABCDEF").contains(text[j])) ++j;
      out += u'$' + text.mid(i + 2, j - i - 2);
      i = j;
      if (i < text.size() && (text[i] == u'&' || text[i] == u'%')) ++i;  // type suffix
    } else if (c == u'&') {
      out += u'+';
      ++i;
    } else if (c == u'\\') {
      out += QStringLiteral(" div ");
      ++i;
    } else if (c.isDigit()) {
      qsizetype j = i;
      while (j < text.size() && (text[j].isDigit() || text[j] == u'.')) ++j;
      out += text.mid(i, j - i);
      i = j;
      if (i < text.size() && QStringLiteral("%&!#@").contains(text[i])) ++i;
    } else if (c.isLetter() || c == u'_') {
      qsizetype j = i;
      while (j < text.size() && (text[j].isLetterOrNumber() || text[j] == u'_')) ++j;
      const QString word = text.mid(i, j - i);
      if (j < text.size() && text[j] == u'$') ++j;  // Chr$
      static const QSet<QString> kOperators{"and", "or", "not", "xor", "mod"};
      const QString resolved = kOperators.contains(word.toLower())   ? word.toLower()
                               : kConstants.contains(word.toLower()) ? kConstants.value(word.toLower())
                               : resolve                             ? resolve(word, true)
                                                                     : QString();
      out += resolved.isEmpty() ? DelphiIdentifier(word) : resolved;
      i = j;
    } else {
      out += c;
      ++i;
    }
  }
  return out;
}

PascalDeclarations ReadDeclarations(const QStringList& lines, int first, int end,
                                    const NameResolver& resolve) {
  PascalDeclarations out;
  DeclarationReader reader(resolve, &out);
  QString statement;
  int statement_line = 0;
  std::vector<bool> skipping;  // per open #If: whether its first branch is over
  for (int i = std::max(first, 0); i < std::min(end, int(lines.size())); ++i) {
    // The line without its comment, its strings kept.
    QString code = lines[i].left(CodeOfLine(lines[i]).size()).trimmed();
    // Conditional compilation: the declarations of each #If's first branch are taken.
    static const QRegularExpression kDirective(R"(^#\s*(If|ElseIf|Else|End\s*If)\b)", kInsensitive);
    if (const auto directive = kDirective.match(code); directive.hasMatch()) {
      const QString word = directive.captured(1).toLower();
      if (word == "if") {
        skipping.push_back(false);
      } else if (word.startsWith("end")) {
        if (!skipping.empty()) skipping.pop_back();
      } else if (!skipping.empty()) {
        skipping.back() = true;
      }
      continue;
    }
    if (std::find(skipping.begin(), skipping.end(), true) != skipping.end()) continue;
    if (statement.isEmpty()) statement_line = i + 1;
    if (code.endsWith(" _")) {
      statement += code.chopped(1);
      continue;
    }
    statement += code;
    if (!statement.isEmpty()) reader.Statement(statement, statement_line);
    statement.clear();
  }
  return out;
}

QString PascalParameters(const QString& vb_parameters, const NameResolver& resolve, QStringList* no_default) {
  static const QRegularExpression kParameter(R"(^(Optional\s+)?(?:(ByVal|ByRef)\s+)?(ParamArray\s+)?(.*)$)",
                                             kInsensitive);
  struct Parameter {
    QString text, default_value;
    bool optional = false;
  };
  std::vector<Parameter> parameters;
  for (const QString& part : SplitTopLevel(vb_parameters)) {
    const auto m = kParameter.match(part);
    const bool optional = m.capturedStart(1) >= 0, by_value = m.captured(2).toLower() == "byval";
    Declarator d = ReadDeclarator(m.captured(4));
    if (d.name.isEmpty()) continue;
    if (d.name.compare("Result", Qt::CaseInsensitive) == 0) d.name += u'_';  // a function's own
    const QString type = PascalType(d.type, resolve);
    if (m.capturedStart(3) >= 0)
      parameters.push_back({"const " + d.name + ": array of Variant", {}, false});
    else if (d.is_array)
      parameters.push_back({"var " + d.name + ": array of " + type, {}, false});
    else if (!optional)
      parameters.push_back({(by_value ? "" : "var ") + d.name + ": " + type, {}, false});
    else  // Pascal defaults take value parameters only
      parameters.push_back({d.name + ": " + type,
                            d.value.isEmpty() ? ZeroOf(type) : PascalExpression(d.value, resolve), true});
    if (optional && (type == "Variant" || ZeroOf(type).isEmpty())) parameters.back().default_value.clear();
  }
  // A parameter with a default may be followed only by others with one.
  bool defaults_allowed = true;
  for (auto it = parameters.rbegin(); it != parameters.rend(); ++it) {
    if (it->default_value.isEmpty()) defaults_allowed = false;
    if (!defaults_allowed && it->optional) {
      no_default->prepend(it->text.section(u':', 0, 0));
      it->default_value.clear();
    }
  }
  QStringList texts;
  for (const Parameter& parameter : parameters)
    texts.append(parameter.default_value.isEmpty() ? parameter.text
                                                   : parameter.text + " = " + parameter.default_value);
  return texts.isEmpty() ? QString() : '(' + texts.join("; ") + ')';
}

QString FunctionResultType(const QString& header_code) {
  int depth = 0;
  qsizetype close = -1;
  for (qsizetype i = 0; i < header_code.size(); ++i) {
    if (header_code[i] == u'(') ++depth;
    if (header_code[i] == u')' && --depth == 0) {
      close = i;
      break;
    }
  }
  if (close < 0) return {};
  static const QRegularExpression kAs(R"(^\s*As\s+(\S+(?:\s*\*\s*\S+)?))", kInsensitive);
  return kAs.match(header_code.mid(close + 1)).captured(1);
}

}  // namespace veldrane::migration
