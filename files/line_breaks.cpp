#include "files/line_breaks.h"

namespace veldrane::files {

LineBreaks DetectLineBreaks(const QString& text) {
  bool crlf = false, lf = false, cr = false;
  const qsizetype n = text.size();
  for (qsizetype i = 0; i < n; ++i) {
    if (text[i] == u'\r') {
      if (i + 1 < n && text[i + 1] == u'\n') {
        crlf = true;
        ++i;
      } else {
        cr = true;
      }
    } else if (text[i] == u'\n') {
      lf = true;
    }
  }
  const int kinds = int(crlf) + int(lf) + int(cr);
  if (kinds == 0) return LineBreaks::kNone;
  if (kinds > 1) return LineBreaks::kMixed;
  return crlf ? LineBreaks::kCrLf : lf ? LineBreaks::kLf : LineBreaks::kCr;
}

QString ToCrLf(const QString& text, LineBreaks convention) {
  if (convention == LineBreaks::kLf) return QString(text).replace(QChar(u'\n'), QStringLiteral("\r\n"));
  if (convention == LineBreaks::kCr) return QString(text).replace(QChar(u'\r'), QStringLiteral("\r\n"));
  return text;
}

QString FromCrLf(const QString& text, LineBreaks convention) {
  if (convention == LineBreaks::kLf)
    return QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  if (convention == LineBreaks::kCr)
    return QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\r"));
  return text;
}

}  // namespace veldrane::files
