#include "passes/routine_headers.h"

#include "core/edit_operations.h"
#include "core/text_units.h"
#include "passes/declaration_sections.h"

namespace veldrane {

namespace {

// The index of the entry of RoutineNames at RoutineNameCount, the one the next recorded name
// goes into. Opens a new entry first when that one already holds a name.
std::size_t NextRoutineNameEntry(ConversionState& state) {
  NameList& names = state.RoutineNames;
  // Keeps the index valid even for a state that was set up by hand.
  if (state.RoutineNameCount < 0) state.RoutineNameCount = 0;
  if (names.size() <= static_cast<std::size_t>(state.RoutineNameCount)) {
    names.Resize(static_cast<std::size_t>(state.RoutineNameCount) + 1);
  }
  if (!names.IsEmpty(static_cast<std::size_t>(state.RoutineNameCount))) {
    ++state.RoutineNameCount;
    names.Append(u"");
  }
  return static_cast<std::size_t>(state.RoutineNameCount);
}

std::u16string WithoutTrailingSpaces(std::u16string s) {
  while (!s.empty() && s.back() == u' ') s.pop_back();
  return s;
}

}  // namespace

void ConvertRoutineHeaders(Conversion& cv, std::u16string keyword, std::u16string replacement) {
  ReportProgress(cv, ReplacementCaption(keyword, replacement));
  const std::u16string closing = u"End " + WithoutTrailingSpaces(keyword);
  int32_t from = 1;
  while (ContinueRun(cv)) {
    const int32_t k = cv.buffer.Find(from, keyword);
    if (k == 0) return;
    const int32_t caret = ReplaceRange(cv, k - 1, Length(keyword), replacement);
    const std::size_t entry = NextRoutineNameEntry(cv.state);

    const int32_t n = caret + 1;
    const int32_t lp = cv.buffer.Find(n, u"(");
    if (lp == 0) {
      // No parameter list anywhere behind the keyword (a keyword in the last lines, say in
      // a comment): nothing here is a header, so only the keyword is converted.
      from = caret;
      continue;
    }
    const int32_t rp = cv.buffer.Find(lp, u")");
    if (rp - lp > 1) cv.state.RoutineNames.Set(entry, cv.buffer.Substr(n, lp - n));

    const int32_t eol = cv.buffer.Find(lp, u"\r\n");
    if (eol == 0) {
      // A header on the last line without a line break: its line reaches to the end of the
      // text, and no line follows it to put "begin" and the declarations in front of.
      ReplaceInRange(cv, u", ", u"; ", lp, cv.buffer.Length() + 1);
      from = lp;
      continue;
    }
    ReplaceInRange(cv, u", ", u"; ", lp, eol);
    // A Clear during the yields of the replacement has taken the header line away.
    if (cv.buffer.Find(eol, u"\r\n", eol + 1) == 0) return;
    ReplaceRange(cv, eol + 1, 0, u"\r\n");
    const int32_t after_begin = ReplaceRange(cv, eol + 1, 0, u"begin");
    int32_t insertion = eol + 1;
    int32_t end = cv.buffer.Find(after_begin, closing);
    MoveDeclarations(cv, u"Dim ", insertion, end);
    MoveDeclarations(cv, u"Static ", insertion, end);
    cv.state.VarHeaderWritten = false;
    from = lp;
  }
}

void ReplaceInRange(Conversion& cv, std::u16string find, std::u16string replacement, int32_t from,
                    int32_t limit) {
  cv.host.SetLabel1(ReplacementCaption(find, replacement));
  while (ContinueRun(cv)) {
    const int32_t p = cv.buffer.Find(from, find, limit);
    if (p == 0) return;
    cv.host.SetLabel2(CharacterCountCaption(cv.buffer.Length()));
    from = ReplaceRange(cv, p - 1, Length(find), replacement);
  }
}

}  // namespace veldrane
