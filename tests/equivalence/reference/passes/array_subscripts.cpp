#include "passes/array_subscripts.h"

#include "core/edit_operations.h"
#include "core/text_units.h"

namespace veldrane {

namespace {

// Scans a subscript whose "(" at position `open` has become "[" for the ")" that closes it,
// counting parentheses, and turns that ")" into "]". The scan ends without closing the
// subscript at the statement's ";" or at the end of the text. Returns the position where
// the name search goes on: the "]" or ";", or one past the end of the text.
int32_t CloseSubscript(Conversion& cv, int32_t open) {
  int32_t depth = 1;
  int32_t q = open;
  // The length is read afresh because a Clear during a yield empties the text.
  for (; q <= cv.buffer.Length(); ++q) {
    // The scan yields for every character without testing for Stop, so a subscript that
    // has been opened is always scanned to its end.
    cv.host.Yield();
    const char16_t unit = cv.buffer.At(q);
    if (unit == u'(') {
      ++depth;
    } else if (unit == u')') {
      if (--depth == 0) {
        ReplaceRange(cv, q - 1, 1, u"]");
        return q;
      }
    } else if (unit == u';') {
      return q;
    }
  }
  return q;
}

}  // namespace

void ConvertArraySubscripts(Conversion& cv) {
  cv.host.SetLabel1(u"配列の「()」を「[]」に変換");
  const std::vector<std::u16string> names = cv.state.ArrayNames.Entries();
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
    const int32_t after = found + Length(name);
    const char16_t next = cv.buffer.At(after);
    if (next == u'(') {
      ReplaceRange(cv, after - 1, 1, u"[");
      search_start = CloseSubscript(cv, after);
    } else if (next == u'[') {
      // Converted before, by an earlier entry with this name or one ending in it: go on
      // behind its "]". Without one there is nothing more to pass over for this name.
      search_start = cv.buffer.Find(after + 1, u"]");
      if (search_start == 0) {
        ++index;
        search_start = 1;
      }
    } else {
      search_start = after;
    }
  }
}

}  // namespace veldrane
