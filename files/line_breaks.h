#pragma once

#include <QString>

namespace veldrane::files {

// The line-break convention of a text, as far as the conversion cares: the pipeline knows
// only CR LF, so every line break is given to it as CR LF and the result is given the
// file's own convention back (for a mixed file the most frequent kind).
enum class LineBreaks { kNone, kCrLf, kLf, kCr, kMixed };

struct LineBreakCounts {
  qsizetype crlf = 0;
  qsizetype lf = 0;  // standing alone
  qsizetype cr = 0;  // standing alone

  LineBreaks Convention() const;
  // The most frequent kind; CR LF, then LF, on a tie; kNone without line breaks.
  LineBreaks Dominant() const;
};

LineBreakCounts CountLineBreaks(QStringView text);
LineBreaks DetectLineBreaks(QStringView text);

// Every lone LF and every lone CR becomes CR LF; CR LF stays.
QString ToCrLf(const QString& text);

// Every CR LF becomes LF (kLf) or CR (kCr); a CR or LF standing alone stays as it is; other
// conventions are returned unchanged.
QString FromCrLf(const QString& text, LineBreaks convention);

// The 1-based line of the unit at `index`, counting every CR LF, lone CR and lone LF.
qsizetype LineNumberAt(QStringView text, qsizetype index);

}  // namespace veldrane::files
