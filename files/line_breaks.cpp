#include "files/line_breaks.h"

namespace veldrane::files {

LineBreaks LineBreakCounts::Convention() const {
  const int kinds = int(crlf > 0) + int(lf > 0) + int(cr > 0);
  if (kinds == 0) return LineBreaks::kNone;
  if (kinds > 1) return LineBreaks::kMixed;
  return crlf ? LineBreaks::kCrLf : lf ? LineBreaks::kLf : LineBreaks::kCr;
}

LineBreaks LineBreakCounts::Dominant() const {
  if (crlf == 0 && lf == 0 && cr == 0) return LineBreaks::kNone;
  if (crlf >= lf && crlf >= cr) return LineBreaks::kCrLf;
  return lf >= cr ? LineBreaks::kLf : LineBreaks::kCr;
}

LineBreakCounts CountLineBreaks(QStringView text) {
  LineBreakCounts counts;
  const qsizetype n = text.size();
  for (qsizetype i = 0; i < n; ++i) {
    if (text[i] == u'\r') {
      if (i + 1 < n && text[i + 1] == u'\n') {
        ++counts.crlf;
        ++i;
      } else {
        ++counts.cr;
      }
    } else if (text[i] == u'\n') {
      ++counts.lf;
    }
  }
  return counts;
}

LineBreaks DetectLineBreaks(QStringView text) { return CountLineBreaks(text).Convention(); }

QString ToCrLf(const QString& text) {
  const LineBreakCounts counts = CountLineBreaks(text);
  if (counts.lf == 0 && counts.cr == 0) return text;
  QString out;
  out.reserve(text.size() + counts.lf + counts.cr);
  const qsizetype n = text.size();
  for (qsizetype i = 0; i < n; ++i) {
    const QChar c = text[i];
    if (c == u'\r' && i + 1 < n && text[i + 1] == u'\n') {
      out += u"\r\n";
      ++i;
    } else if (c == u'\r' || c == u'\n') {
      out += u"\r\n";
    } else {
      out += c;
    }
  }
  return out;
}

QString FromCrLf(const QString& text, LineBreaks convention) {
  if (convention == LineBreaks::kLf)
    return QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  if (convention == LineBreaks::kCr)
    return QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\r"));
  return text;
}

qsizetype LineNumberAt(QStringView text, qsizetype index) {
  const LineBreakCounts before = CountLineBreaks(text.first(index));
  // A CR just before `index` whose LF is at `index` was counted as a lone CR.
  const bool split_pair =
      index > 0 && index < text.size() && text[index - 1] == u'\r' && text[index] == u'\n';
  return before.crlf + before.lf + before.cr + 1 - (split_pair ? 1 : 0);
}

}  // namespace veldrane::files
