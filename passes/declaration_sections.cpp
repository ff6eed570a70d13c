#include "passes/declaration_sections.h"

#include <algorithm>

#include "buffer/edit_operations.h"
#include "passes/declaration_rewriting.h"
#include "passes/enumerations.h"

namespace veldrane {

namespace {

constexpr std::u16string_view kLineBreak = u"\r\n";

int32_t Length(std::u16string_view s) { return static_cast<int32_t>(s.size()); }

// Writes `name` into the last entry of the list and appends the empty entry that ends it.
void AppendName(std::vector<std::u16string>& names, std::u16string name) {
  if (names.empty()) names.emplace_back();
  names.back() = std::move(name);
  names.emplace_back();
}

// Opens a "var" section at the insertion point: a line "var" in front of what follows it,
// the insertion point then standing behind "var".
void OpenVarSection(Conversion& cv, int32_t& insertion, int32_t& limit) {
  const int32_t caret = ReplaceRange(cv, insertion, 0, kLineBreak);
  insertion = ReplaceRange(cv, caret - 2, 0, u"var");
  limit += 5;
  cv.state.VarHeaderWritten = true;
}

}  // namespace

void ConvertModuleDeclarations(Conversion& cv) {
  const int32_t function = cv.buffer.Find(1, u"Function ");
  // Only a "Sub " in front of the first "Function " can be the first routine keyword.
  const int32_t sub = cv.buffer.Find(1, u"Sub ", function > 0 ? function : SourceBuffer::kNoLimit);
  const int32_t first_routine = sub > 0 ? sub : function;
  // The module-level area ends with the line in front of the first routine keyword's line.
  int32_t limit = cv.buffer.Length();
  if (first_routine > 0) limit = cv.buffer.FindLastBefore(first_routine, u'\r') - 1;

  cv.state.VarHeaderWritten = true;
  int32_t insertion = 0;
  MoveDeclarations(cv, u"Public ", insertion, limit);
  MoveDeclarations(cv, u"Dim ", insertion, limit);
  cv.state.VarHeaderWritten = false;
  ConvertEnumerations(cv, limit);
}

void MoveDeclarations(Conversion& cv, std::u16string keyword, int32_t& insertion, int32_t& limit) {
  ReportProgress(cv, u"変数宣言を整理");
  const int32_t keyword_length = Length(keyword);
  const int32_t search_start = std::max(insertion, 1);
  // Every search of this call logically starts at search_start. Text in front of `resume`
  // has been searched already and left unchanged since, so the search goes on from there.
  int32_t resume = search_start;
  while (ContinueRun(cv)) {
    const int32_t d = cv.buffer.Find(resume, keyword, limit);
    if (d == 0) return;
    ReplaceRange(cv, d - 1, keyword_length, u"");
    limit -= keyword_length;

    if (d - 1 < insertion) {
      // A keyword inside the declarations moved already: a second statement that stood on
      // the line of one moved before. Its text was rewritten and its names collected along
      // with that line, so only the keyword goes, and the insertion point moves with the
      // text behind it.
      insertion -= std::min(keyword_length, insertion - (d - 1));
      resume = std::max(search_start, d - keyword_length + 1);
      continue;
    }

    // The declaration is the rest of the line; on a last line without a line break, the
    // rest of the text.
    const int32_t line_end = cv.buffer.Find(d, kLineBreak);
    const int32_t line_break = line_end > 0 ? 2 : 0;
    std::u16string declaration =
        cv.buffer.Substr(d, line_end > 0 ? line_end - d : cv.buffer.Length() - d + 1);
    // The rewriting below yields. A Clear during those yields leaves nothing to take out
    // or to put back, so the move ends there instead of writing into the emptied text.
    const auto cleared_since = [&cv](int32_t length) { return cv.buffer.Length() != length; };
    const int32_t removed = Length(declaration) + line_break;
    int32_t length = cv.buffer.Length();
    ReplaceAllInString(cv, declaration, u", ", u"; ");
    CollectArrayNames(cv, declaration);
    if (cleared_since(length)) return;
    ReplaceRange(cv, d - 1, removed, u"");
    limit -= removed;

    const int32_t first_insertion = insertion;
    if (cv.state.LocalVarMode && !cv.state.VarHeaderWritten) OpenVarSection(cv, insertion, limit);
    if (cv.state.VarHeaderWritten) {
      length = cv.buffer.Length();
      RewriteDeclaration(cv, declaration);
      if (cleared_since(length)) return;
    }
    insertion = ReplaceRange(cv, insertion, 0, std::u16string(kLineBreak) + u"    " + declaration);
    limit += Length(declaration) + 6;
    resume = std::max(search_start, first_insertion - keyword_length + 2);
  }
}

void CollectArrayNames(Conversion& cv, std::u16string declaration) {
  // The leading space ends the backward scan at the start of the declaration at the latest.
  const std::u16string text = u" " + declaration;
  std::size_t from = 0;
  while (ContinueRun(cv)) {
    const std::size_t paren = text.find(u'(', from);
    if (paren == std::u16string::npos) return;
    std::size_t name_start = paren;
    while (true) {
      if (!ContinueRun(cv)) return;
      if (text[name_start - 1] == u' ') break;
      --name_start;
    }
    AppendName(cv.state.ArrayNames, text.substr(name_start, paren - name_start));
    from = paren + 1;
  }
}

}  // namespace veldrane
