#pragma once

#include <QString>

namespace veldrane::files {

// The line-break convention of a text, as far as the conversion cares: the pipeline knows
// only CR LF, so a text that uses LF alone or CR alone is given CR LF for the run and its
// own convention back afterwards. Mixed texts, CR LF texts and texts without any line
// break are left as they are.
enum class LineBreaks { kNone, kCrLf, kLf, kCr, kMixed };

LineBreaks DetectLineBreaks(const QString& text);

// Every LF (kLf) or every CR (kCr) becomes CR LF; other conventions are returned unchanged.
QString ToCrLf(const QString& text, LineBreaks convention);

// Every CR LF becomes LF (kLf) or CR (kCr); a CR or LF standing alone stays as it is.
QString FromCrLf(const QString& text, LineBreaks convention);

}  // namespace veldrane::files
