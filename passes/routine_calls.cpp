#include "passes/routine_calls.h"

#include "buffer/edit_operations.h"

namespace veldrane {

void FixRoutineCalls(Conversion& cv) {
  ReportProgress(cv, u"関数、手続きの呼び出しを修正");
  const std::vector<std::u16string>& names = cv.state.RoutineNames;
  std::size_t index = 0;
  int32_t search_start = 1;
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
      const int32_t end = cv.buffer.Find(after, u";");
      // A " = " in front of that ";" makes the statement an assignment or a comparison.
      if (end > 0 && cv.buffer.Find(after, u" = ", end) == 0) {
        ReplaceRange(cv, after - 1, 1, u"(");
        ReplaceRange(cv, end - 1, 0, u")");
      }
    }
    search_start = after;
  }
}

}  // namespace veldrane
