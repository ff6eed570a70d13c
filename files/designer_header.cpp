#include "files/designer_header.h"

namespace veldrane::files {
namespace {

// The first word of a line, leading spaces and tabs skipped.
QStringView FirstWord(QStringView line) {
  qsizetype start = 0;
  while (start < line.size() && (line[start] == u' ' || line[start] == u'\t')) ++start;
  qsizetype end = start;
  while (end < line.size() && line[end] != u' ' && line[end] != u'\t') ++end;
  return line.mid(start, end - start);
}

bool WordIs(QStringView word, QStringView keyword) { return word.compare(keyword, Qt::CaseInsensitive) == 0; }

bool IsVersionLine(QStringView line) {
  return line.startsWith(u"VERSION ") && line.size() > 8 && line[8].isDigit();
}

// Where the line starting at `start` ends (its break excluded) and where the next begins.
qsizetype LineEnd(const QString& text, qsizetype start, qsizetype* next) {
  const qsizetype n = text.size();
  qsizetype i = start;
  while (i < n && text[i] != u'\r' && text[i] != u'\n') ++i;
  *next = i < n ? i + 1 : i;
  if (i + 1 < n && text[i] == u'\r' && text[i + 1] == u'\n') ++*next;
  return i;
}

}  // namespace

qsizetype DesignerHeaderLength(const QString& text) {
  qsizetype next = 0;
  qsizetype end = LineEnd(text, 0, &next);
  if (!IsVersionLine(QStringView(text).left(end))) return 0;

  int depth = 0;
  qsizetype header_end = next;  // start of the first line that is not header
  for (qsizetype start = next; start < text.size(); start = next) {
    end = LineEnd(text, start, &next);
    const QStringView line = QStringView(text).mid(start, end - start);
    const QStringView word = FirstWord(line);
    if (WordIs(word, u"Begin") || WordIs(word, u"BeginProperty")) {
      ++depth;
    } else if (depth > 0 && (WordIs(word, u"End") || WordIs(word, u"EndProperty"))) {
      --depth;
    } else if (depth == 0 && !WordIs(word, u"Object") &&
               !line.trimmed().startsWith(u"Attribute VB_", Qt::CaseInsensitive)) {
      break;
    }
    if (depth == 0) header_end = next;
  }
  return depth == 0 ? header_end : 0;
}

}  // namespace veldrane::files
