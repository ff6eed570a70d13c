#include "migration/text_lines.h"

namespace veldrane::migration {

std::vector<TextLine> SplitLines(const QString& text) {
  std::vector<TextLine> lines;
  qsizetype start = 0;
  const qsizetype n = text.size();
  for (qsizetype i = 0; i < n; ++i) {
    if (text[i] != u'\r' && text[i] != u'\n') continue;
    const qsizetype break_length = text[i] == u'\r' && i + 1 < n && text[i + 1] == u'\n' ? 2 : 1;
    lines.push_back({text.mid(start, i - start), text.mid(i, break_length)});
    i += break_length - 1;
    start = i + 1;
  }
  if (start < n) lines.push_back({text.mid(start), QString()});
  return lines;
}

QString JoinLines(const std::vector<TextLine>& lines) {
  qsizetype size = 0;
  for (const TextLine& line : lines) size += line.text.size() + line.eol.size();
  QString text;
  text.reserve(size);
  for (const TextLine& line : lines) text += line.text + line.eol;
  return text;
}

QString DominantLineBreak(const std::vector<TextLine>& lines) {
  int crlf = 0, lf = 0, cr = 0;
  for (const TextLine& line : lines) {
    if (line.eol == "\r\n")
      ++crlf;
    else if (line.eol == "\n")
      ++lf;
    else if (line.eol == "\r")
      ++cr;
  }
  if (lf > crlf && lf >= cr) return "\n";
  if (cr > crlf && cr > lf) return "\r";
  return "\r\n";
}

}  // namespace veldrane::migration
