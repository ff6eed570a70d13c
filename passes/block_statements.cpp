#include "passes/block_statements.h"

#include <optional>
#include <string_view>

#include "core/edit_operations.h"

namespace veldrane {

namespace {

// What distinguishes the three header passes.
struct HeaderKind {
  std::u16string_view caption;
  std::u16string_view keyword;
  std::u16string_view lower_case;  // same length as the keyword
  bool rewrites_to;                // For: the first " To " after the keyword becomes " to "
  std::u16string_view block_end;   // With: the closing line this pass rewrites itself
};

constexpr HeaderKind kFor{u"「For」を変換", u"For ", u"for ", true, {}};
constexpr HeaderKind kWhile{u"「While」を変換", u"While ", u"while ", false, {}};
constexpr HeaderKind kWith{u"「With」を変換", u"With ", u"with ", false, u"End With"};

constexpr std::u16string_view kBeginLine = u"\tbegin\r\n";

// Where the edits of one header go, all found before the first edit is made. The keyword
// and " To " edits keep the text's length, so these positions hold for the later edits too.
struct HeaderEdits {
  int32_t to = 0;          // position of the " To " (For only)
  int32_t terminator = 0;  // offset of the unit that becomes " do"
  int32_t line_end = 0;    // position of the CR that ends the line holding the terminator
  int32_t block_end = 0;   // position of the closing literal (With only)
};

// Finds the places a header's edits need. A header that lacks one of them (no " To ", no
// line break after it, no closing line) cannot be rewritten whole: the result is empty.
std::optional<HeaderEdits> PlanHeader(const SourceBuffer& buffer, int32_t header, const HeaderKind& kind) {
  HeaderEdits edits;
  // The caret behind the keyword, used as the position the following searches start from.
  int32_t caret = header - 1 + static_cast<int32_t>(kind.keyword.size());
  if (kind.rewrites_to) {
    edits.to = buffer.Find(caret, u" To ");
    if (edits.to == 0) return std::nullopt;
    caret = edits.to + 3;
  }
  const int32_t end = FindStatementEnd(buffer, caret);
  if (end == 0) return std::nullopt;
  // The statement end lies at least one keyword behind the start, so this offset is >= 0.
  edits.terminator = HeaderTerminatorOffset(buffer, end);
  // The end is the line's CR itself, or a trailing comment with the line's CR behind it.
  edits.line_end = buffer.Find(end, u"\r\n");
  if (!kind.block_end.empty()) {
    edits.block_end = buffer.Find(edits.line_end + 2, kind.block_end);
    if (edits.block_end == 0) return std::nullopt;
  }
  return edits;
}

// Rewrites the header and inserts the "begin" line at the start of the line after it;
// returns the caret behind that line.
int32_t RewriteHeader(Conversion& cv, int32_t header, const HeaderKind& kind, const HeaderEdits& edits) {
  ReplaceRange(cv, header - 1, static_cast<int32_t>(kind.keyword.size()), kind.lower_case);
  if (edits.to != 0) ReplaceRange(cv, edits.to - 1, 4, u" to ");
  ReplaceRange(cv, edits.terminator, 1, u" do");
  // " do" moved the line's CR LF two units on; the next line now starts at offset line_end + 3.
  return ReplaceRange(cv, edits.line_end + 3, 0, kBeginLine);
}

// Turns the With block's closing "End With" at `block_end` into "end" and removes the dot
// of each member reference between `scan_start` and it. Returns the position of that "end",
// or nothing when the run was stopped.
std::optional<int32_t> CloseWithBlock(Conversion& cv, int32_t scan_start, int32_t block_end) {
  ReplaceRange(cv, block_end - 1, 8, u"end");
  while (ContinueRun(cv)) {
    const int32_t dot = cv.buffer.Find(scan_start, u".", block_end);
    if (dot == 0) return block_end;
    const char16_t before = cv.buffer.At(dot - 1);
    if (before == u' ' || before == u'\n') {
      ReplaceRange(cv, dot - 1, 1, u"");
      --block_end;
    }
    scan_start = dot + 1;
  }
  return std::nullopt;
}

void ConvertHeaders(Conversion& cv, const HeaderKind& kind) {
  ReportProgress(cv, kind.caption);
  int32_t search_start = 1;
  while (ContinueRun(cv)) {
    const int32_t header = cv.buffer.Find(search_start, kind.keyword);
    if (header == 0) return;
    const std::optional<HeaderEdits> edits = PlanHeader(cv.buffer, header, kind);
    if (!edits) return;
    const int32_t caret = RewriteHeader(cv, header, kind, *edits);
    if (kind.block_end.empty()) {
      search_start = caret;
      continue;
    }
    // Everything inserted lies in front of the line after the header, which now starts at
    // position caret + 1 instead of line_end + 2.
    const int32_t shift = caret - 1 - edits->line_end;
    const std::optional<int32_t> end = CloseWithBlock(cv, caret, edits->block_end + shift);
    if (!end) return;
    search_start = *end;
  }
}

}  // namespace

void ConvertForLoops(Conversion& cv) { ConvertHeaders(cv, kFor); }

void ConvertWhileLoops(Conversion& cv) { ConvertHeaders(cv, kWhile); }

void ConvertWithBlocks(Conversion& cv) { ConvertHeaders(cv, kWith); }

}  // namespace veldrane
