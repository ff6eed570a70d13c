#include "core/generic_operations.h"

#include <algorithm>

#include "core/edit_operations.h"
#include "core/text_units.h"

namespace veldrane {

namespace {

bool PrecededBy(const SourceBuffer& buffer, int32_t position, const std::u16string& prefix) {
  const int32_t from = position - Length(prefix);
  return !prefix.empty() && from >= 1 && buffer.Find(from, prefix, from + 1) == from;
}

}  // namespace

void ReplaceAll(Conversion& cv, std::u16string find, std::u16string replacement,
                std::u16string unless_after) {
  ReportProgress(cv, ReplacementCaption(find, replacement));
  int32_t scan = 1;
  while (ContinueRun(cv)) {
    const int32_t f = cv.buffer.Find(scan, find);
    if (f == 0) return;
    if (PrecededBy(cv.buffer, f, unless_after)) {
      scan = f + 1;
      continue;
    }
    scan = std::max(ReplaceRange(cv, f - 1, Length(find), replacement), 1);
  }
}

void DeleteLines(Conversion& cv, std::u16string keyword) {
  ReportProgress(cv, DeletionCaption(keyword));
  int32_t scan = 1;
  while (ContinueRun(cv)) {
    const int32_t d = cv.buffer.Find(scan, keyword);
    if (d == 0) return;
    // A keyword on a last line without a line break takes the rest of the text with it.
    const int32_t e = cv.buffer.Find(d, u"\r\n");
    const int32_t length = e > 0 ? e - d + 2 : cv.buffer.Length() - d + 1;
    scan = std::max(ReplaceRange(cv, d - 1, length, u""), 1);
  }
}

void ReplaceWithSuffix(Conversion& cv, std::u16string find, std::u16string replacement, std::u16string suffix,
                       SuffixPlace place) {
  ReportProgress(cv, ReplacementCaption(find, replacement));
  int32_t scan = 1;
  while (ContinueRun(cv)) {
    const int32_t h = cv.buffer.Find(scan, find);
    if (h == 0) return;
    const int32_t c = ReplaceRange(cv, h - 1, Length(find), replacement);
    scan = std::max(c, 1);
    // Without a line break after the match there is no statement end to put the suffix at.
    const int32_t e = FindStatementEnd(cv.buffer, scan);
    if (e == 0) continue;
    if (place == SuffixPlace::kInPlaceOfTerminator) {
      const int32_t terminator = HeaderTerminatorOffset(cv.buffer, e);
      if (terminator >= 0) ReplaceRange(cv, terminator, 1, suffix);
    } else {
      ReplaceRange(cv, e - 1, 0, suffix);
    }
  }
}

}  // namespace veldrane
