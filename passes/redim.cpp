#include "passes/redim.h"

#include "core/edit_operations.h"
#include "core/text_units.h"

namespace veldrane {

namespace {

// Units that "SetLength(" adds over "ReDim ", and ", " over "(".
constexpr int32_t kKeywordGrowth = 4;
constexpr int32_t kSeparatorGrowth = 1;

bool IsDecimalDigit(char16_t unit) { return unit >= u'0' && unit <= u'9'; }

// Rewrites the upper bound standing between position `from` and the ")" at `close` as the
// element count. A bound of one decimal digit is computed; any other bound (longer, empty,
// a letter or any other single character) gets " + 1" behind it. The spaces around the
// bound stay where they are.
void WriteElementCount(Conversion& cv, int32_t from, int32_t close) {
  const SourceBuffer& buffer = cv.buffer;
  int32_t first = from;
  while (first < close && buffer.At(first) == u' ') ++first;
  int32_t last = close - 1;
  while (last >= first && buffer.At(last) == u' ') --last;
  if (last == first && IsDecimalDigit(buffer.At(first))) {
    ReplaceRange(cv, first - 1, 1, DecimalText(buffer.At(first) - u'0' + 1));
  } else {
    // Offset `last` is the gap right behind the bound (in front of the ")" for an empty one).
    ReplaceRange(cv, last, 0, u" + 1");
  }
}

}  // namespace

void ConvertReDim(Conversion& cv) {
  int32_t scan = 1;
  ReportProgress(cv, u"「ReDim」を「SetLength(」変換");
  while (ContinueRun(cv)) {
    const int32_t keyword = cv.buffer.Find(scan, u"ReDim ");
    if (keyword == 0) return;
    // The statement is rewritten only as a whole: without a "(" after the keyword and a ")"
    // after that there is no bound to read, and the pass ends with this statement unchanged.
    const int32_t open = cv.buffer.Find(keyword + 6, u"(");
    if (open == 0) return;
    const int32_t close = cv.buffer.Find(open + 1, u")");
    if (close == 0) return;

    ReplaceRange(cv, keyword - 1, 6, u"SetLength(");
    // The caret behind ", " is used as a position: the bound is read from the space of ", ".
    scan = ReplaceRange(cv, open + kKeywordGrowth - 1, 1, u", ");
    WriteElementCount(cv, scan, close + kKeywordGrowth + kSeparatorGrowth);
  }
}

}  // namespace veldrane
