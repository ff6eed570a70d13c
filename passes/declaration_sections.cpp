#include "passes/declaration_sections.h"

#include <algorithm>

#include "core/edit_operations.h"
#include "core/text_units.h"
#include "passes/declaration_rewriting.h"
#include "passes/enumerations.h"

namespace veldrane {

namespace {

constexpr std::u16string_view kLineBreak = u"\r\n";

// Writes `name` into the last entry of the list and appends the empty entry that ends it.
void AppendName(NameList& names, std::u16string_view name) {
  if (names.size() == 0) names.Append(u"");
  names.Set(names.size() - 1, name);
  names.Append(u"");
}

// Finds the declaration keywords of one move, each time the first one at or after a fixed
// start, as a search from that start would. Only text that changed since the last search is
// searched again: the block of moved declarations in front of the insertion point, and the
// text from the last removal on. The text between the two stays as it was when searched.
class KeywordSearch {
 public:
  KeywordSearch(const SourceBuffer& buffer, std::u16string_view keyword, int32_t start)
      : buffer_(buffer),
        keyword_(keyword),
        start_(start),
        block_from_(start),
        block_limit_(start),
        tail_(buffer.Length() - start + 1) {}

  // The first keyword that begins before `limit`, 0 if none.
  int32_t Next(int32_t limit) const {
    const int32_t in_block = buffer_.Find(block_from_, keyword_, std::min(block_limit_, limit));
    if (in_block > 0) return in_block;
    return buffer_.Find(std::max(block_limit_, buffer_.Length() - tail_ + 1), keyword_, limit);
  }
  // Text was removed in front of position `at`, behind the block: a keyword may now begin up
  // to its length minus one in front of that place.
  void RemovedBehindBlock(int32_t at) { tail_ = buffer_.Length() - at + Length(keyword_); }
  // The block changed from position `from` up to the insertion point.
  void BlockChanged(int32_t from, int32_t insertion) {
    block_from_ = std::max(start_, from - Length(keyword_) + 1);
    block_limit_ = insertion + 1;
  }

 private:
  const SourceBuffer& buffer_;
  std::u16string_view keyword_;
  int32_t start_;
  int32_t block_from_, block_limit_;  // positions where a keyword may begin in the block
  int32_t tail_;  // units from the first place behind the block to search again to the end
};

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
  // Every search starts at the insertion point as it was on entry: each declaration found
  // loses its keyword before the next search.
  KeywordSearch search(cv.buffer, keyword, std::max(insertion, 1));
  while (ContinueRun(cv)) {
    const int32_t d = search.Next(limit);
    if (d == 0) return;
    ReplaceRange(cv, d - 1, keyword_length, u"");
    limit -= keyword_length;

    if (d - 1 < insertion) {
      // A keyword inside the declarations moved already: a second statement that stood on
      // the line of one moved before. Its text was rewritten and its names collected along
      // with that line, so only the keyword goes, and the insertion point moves with the
      // text behind it.
      insertion -= std::min(keyword_length, insertion - (d - 1));
      search.BlockChanged(d, insertion);
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
    search.RemovedBehindBlock(d);

    const int32_t first_insertion = insertion;
    if (cv.state.LocalVarMode && !cv.state.VarHeaderWritten) OpenVarSection(cv, insertion, limit);
    if (cv.state.VarHeaderWritten) {
      length = cv.buffer.Length();
      RewriteDeclaration(cv, declaration);
      if (cleared_since(length)) return;
    }
    insertion = ReplaceRange(cv, insertion, 0, std::u16string(kLineBreak) + u"    " + declaration);
    limit += Length(declaration) + 6;
    search.BlockChanged(first_insertion + 1, insertion);
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
