#include "migration/routine_headers.h"

#include <QHash>

namespace veldrane::migration {
namespace {

qsizetype SkipWord(const QString& line, qsizetype at, QStringView word) {
  return QStringView(line).mid(at).startsWith(word) ? at + word.size() : at;
}

// Position just behind the ")" that closes the "(" at `open`, or -1 on an unclosed list.
qsizetype MatchingParenthesis(const QString& line, qsizetype open) {
  int depth = 0;
  for (qsizetype i = open; i < line.size(); ++i) {
    if (line[i] == u'(') ++depth;
    if (line[i] == u')' && --depth == 0) return i + 1;
  }
  return -1;
}

QString StatementTail(const QString& line, qsizetype from) {
  QString tail = line.mid(from);
  if (const qsizetype comment = tail.indexOf("//"); comment >= 0) tail.truncate(comment);
  while (!tail.isEmpty() && tail.back().isSpace()) tail.chop(1);
  if (!tail.endsWith(u';')) tail += u';';
  return tail;
}

}  // namespace

std::vector<ConvertedHeader> LocateHeaders(const std::vector<TextLine>& lines,
                                           const std::vector<SourceRoutine>& routines) {
  QHash<QString, int> pending;  // "procedure Name" -> routine index, until found
  for (int i = 0; i < int(routines.size()); ++i) {
    const SourceRoutine& routine = routines[i];
    if (routine.kind == SourceRoutine::Kind::kProperty) continue;
    const QString keyword = routine.kind == SourceRoutine::Kind::kSub ? "procedure" : "function";
    pending.insert(keyword + u' ' + routine.name, i);
  }
  std::vector<ConvertedHeader> found;
  for (int l = 0; l < int(lines.size()) && !pending.isEmpty(); ++l) {
    const QString& line = lines[l].text;
    qsizetype start = 0;
    while (start < line.size() && (line[start] == u' ' || line[start] == u'\t')) ++start;
    qsizetype at = SkipWord(line, start, u"Friend ");
    at = SkipWord(line, at, u"Static ");
    const qsizetype open = line.indexOf(u'(', at);
    if (open < 0) continue;
    const auto it = pending.constFind(line.mid(at, open - at));
    if (it == pending.constEnd()) continue;
    const qsizetype close = MatchingParenthesis(line, open);
    if (close < 0) continue;
    ConvertedHeader header;
    header.routine = it.value();
    header.line = l;
    header.keyword = line.mid(at, line.indexOf(u' ', at) - at);
    header.start = start;
    header.parameters_start = open;
    header.parameters_end = close;
    header.tail = StatementTail(line, close);
    found.push_back(header);
    pending.erase(it);
  }
  return found;
}

MethodHeader PlainMethod(const TextLine& line, const ConvertedHeader& header, const QString& name) {
  return {header.keyword, name,
          line.text.mid(header.parameters_start, header.parameters_end - header.parameters_start),
          header.tail, QString()};
}

QString Declaration(const MethodHeader& method) {
  return method.keyword + u' ' + method.name + method.parameters + method.tail + method.directives;
}

QString RewrittenHeaderLine(const QString& line, const ConvertedHeader& header, const QString& owner,
                            const MethodHeader& method) {
  const QString qualified = owner.isEmpty() ? method.name : owner + u'.' + method.name;
  // The converted rest of the header (result type, ";", and what an irregular conversion left
  // there) gives way to the method's; a comment behind it stays.
  qsizetype end = line.size();
  bool in_string = false;
  for (qsizetype i = header.parameters_end; i + 1 < line.size(); ++i) {
    if (line[i] == u'\'') in_string = !in_string;
    if (!in_string && line[i] == u'/' && line[i + 1] == u'/') {
      end = i;
      while (end > header.parameters_end && line[end - 1] == u' ') --end;
      break;
    }
  }
  return line.left(header.start) + method.keyword + u' ' + qualified + method.parameters + method.tail +
         line.mid(end);
}

}  // namespace veldrane::migration
