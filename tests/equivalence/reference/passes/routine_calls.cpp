#include "passes/routine_calls.h"

#include "core/edit_operations.h"

namespace veldrane {

void FixRoutineCalls(Conversion& cv) {
  ReportProgress(cv, u"関数、手続きの呼び出しを修正");
  const std::vector<std::u16string> names = cv.state.RoutineNames.Entries();
  std::size_t index = 0;
  int32_t search_start = 1;
  // No ";" stands behind this position (0: none in the text). The pass only turns a space
  // into "(" and inserts ")" in front of a ";", so the last ";" moves one unit on with each
  // call fixed. Bounding the ";" search by it keeps every occurrence behind the last
  // statement (a name in a closing block of comment lines, say) from scanning to the end.
  int32_t last_semicolon = cv.buffer.FindLastBefore(cv.buffer.Length() + 1, u';');
  while (index < names.size() && !names[index].empty() && ContinueRun(cv)) {
    const std::u16string& name = names[index];
    const int32_t found = cv.buffer.Find(search_start, name);
    if (found == 0) {
      ++index;
      search_start = 1;
      continue;
    }
    const int32_t after = found + static_cast<int32_t>(name.size());
    if (cv.buffer.At(after) == u' ') {
      // The statement ends at the first ";" behind the name. Without one there is no place
      // for the ")", and the occurrence stays as it is.
      const int32_t end = after > last_semicolon ? 0 : cv.buffer.Find(after, u";", last_semicolon + 1);
      // A " = " in front of that ";" makes the statement an assignment or a comparison.
      if (end > 0 && cv.buffer.Find(after, u" = ", end) == 0) {
        ReplaceRange(cv, after - 1, 1, u"(");
        ReplaceRange(cv, end - 1, 0, u")");
        ++last_semicolon;
      }
    }
    search_start = after;
  }
}

}  // namespace veldrane
