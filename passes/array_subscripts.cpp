#include "passes/array_subscripts.h"

#include "core/edit_operations.h"
#include "core/text_units.h"
#include "passes/name_search.h"
#include "passes/name_walk.h"

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
  const NameList& names = cv.state.ArrayNames;
  // The pass replaces one unit by one, so nothing shifts.
  NameSearch search(cv.buffer, names, u"[]", nullptr);
  WalkNameOccurrences(cv, names, search, [&cv](const std::u16string& name, int32_t found) {
    const int32_t after = found + Length(name);
    const char16_t next = cv.buffer.At(after);
    if (next == u'(') {
      ReplaceRange(cv, after - 1, 1, u"[");
      return CloseSubscript(cv, after);
    }
    // Converted before, by an earlier entry with this name or one ending in it: go on behind
    // its "]". Without one there is nothing more to pass over for this name.
    if (next == u'[') return cv.buffer.Find(after + 1, u"]");
    return after;
  });
}

}  // namespace veldrane
