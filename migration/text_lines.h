#pragma once

#include <QString>
#include <vector>

namespace veldrane::migration {

// One line of a text with the line break that ended it (CR LF, LF, CR, or empty for an
// unterminated last line), so that a text split and joined again is the same text.
struct TextLine {
  QString text;
  QString eol;
};

std::vector<TextLine> SplitLines(const QString& text);
QString JoinLines(const std::vector<TextLine>& lines);

// The break most lines of `lines` end with; CR LF when there is none.
QString DominantLineBreak(const std::vector<TextLine>& lines);

}  // namespace veldrane::migration
