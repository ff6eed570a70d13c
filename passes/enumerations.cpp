#include "passes/enumerations.h"

#include "core/edit_operations.h"

namespace veldrane {

void ConvertEnumerations(Conversion& cv, int32_t limit) {
  ReportProgress(cv, u"列挙型を変換");
  int32_t search_start = 1;
  while (ContinueRun(cv)) {
    // Only headers that begin before the limit count, so the search stops there.
    const int32_t header = cv.buffer.Find(search_start, u" = (;", limit);
    if (header == 0) return;
    int32_t caret = ReplaceRange(cv, header - 1, 5, u" = (");
    const int32_t list_end = cv.buffer.Find(caret, u");");
    bool comma_written = false;
    while (true) {
      if (!ContinueRun(cv)) return;
      // A list end of 0 (no closing line) leaves no terminator to replace.
      const int32_t terminator = cv.buffer.Find(caret, u";", list_end);
      if (terminator == 0) break;
      caret = ReplaceRange(cv, terminator - 1, 1, u",");
      comma_written = true;
    }
    // The last member takes no separator.
    if (comma_written) caret = ReplaceRange(cv, caret - 1, 1, u"");
    search_start = caret;
  }
}

}  // namespace veldrane
