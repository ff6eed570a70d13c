#include "passes/record_types.h"

#include <algorithm>

#include "core/edit_operations.h"
#include "passes/declaration_rewriting.h"

namespace veldrane {

namespace {

constexpr std::u16string_view kHeaderSuffix = u" = record";
constexpr std::u16string_view kClosing = u"End Type";
constexpr std::u16string_view kClosingLine = u"End Type;";

// The closing keyword as the terminator pass leaves it on a line of its own: followed by
// ";" and the CR LF of its line, the two units CutBlockBody takes away with it.
bool IsPlainClosingLine(const SourceBuffer& buffer, int32_t closing) {
  const int32_t after = closing + static_cast<int32_t>(kClosing.size());
  return buffer.At(after) == u';' && buffer.At(after + 1) == u'\r' && buffer.At(after + 2) == u'\n';
}

// Rewrites the record's body, which runs from the header line's CR at `body_start` up to the
// closing keyword at `closing`; returns the position the search for the next header starts
// from, the unit behind the closing keyword.
int32_t RewriteRecordBody(Conversion& cv, int32_t body_start, int32_t closing) {
  if (IsPlainClosingLine(cv.buffer, closing)) {
    std::u16string body = CutBlockBody(cv, body_start, std::u16string(kClosing));
    RewriteDeclaration(cv, body);
    const int32_t caret = ReplaceRange(cv, body_start - 1, 0, body);
    return ReplaceRange(cv, caret, 0, kClosingLine);
  }
  // Anything else behind the keyword (a comment, other text, the end of the text) would be
  // cut apart by taking two units away with it: rewrite the body in place instead and leave
  // the closing line as it is.
  std::u16string body = cv.buffer.Substr(body_start, closing - body_start);
  RewriteDeclaration(cv, body);
  const int32_t caret = ReplaceRange(cv, body_start - 1, closing - body_start, body);
  return caret + 1 + static_cast<int32_t>(kClosing.size());
}

}  // namespace

std::u16string CutBlockBody(Conversion& cv, int32_t start, const std::u16string& terminator) {
  const int32_t found = cv.buffer.Find(start, terminator);
  if (found == 0) return {};
  std::u16string body = cv.buffer.Substr(start, found - start);
  // Everything but the body's first unit, the terminator, and the two units behind it; near
  // the end of the text the range stops at the text's end.
  const int32_t length = static_cast<int32_t>(body.size() + terminator.size()) + 1;
  ReplaceRange(cv, start, std::min(length, cv.buffer.Length() - start), u"");
  return body;
}

void ConvertRecordTypes(Conversion& cv) {
  ReportProgress(cv, u"「Type」を変換");
  int32_t search_start = 1;
  while (ContinueRun(cv)) {
    const int32_t header = cv.buffer.Find(search_start, u"Type ");
    if (header == 0) return;
    // Lower-casing the keyword keeps the length, so the header line's end can be found first.
    // A header with no line break after it has no body: the pass ends and leaves it as it is.
    const int32_t end = FindStatementEnd(cv.buffer, header + 4);
    if (end == 0) return;
    const int32_t terminator = HeaderTerminatorOffset(cv.buffer, end);
    // With a trailing comment the body still begins at the line's CR, behind the comment.
    const int32_t line_end = cv.buffer.Find(end, u"\r\n");

    ReplaceRange(cv, header - 1, 5, u"type ");
    ReplaceRange(cv, terminator, 1, kHeaderSuffix);
    // The header line's CR, moved on by the suffix: the body begins with its CR LF.
    const int32_t body_start = line_end + static_cast<int32_t>(kHeaderSuffix.size()) - 1;
    const int32_t closing = cv.buffer.Find(body_start, kClosing);
    if (closing == 0) return;  // no closing line: the header stays rewritten, nothing else
    search_start = RewriteRecordBody(cv, body_start, closing);
  }
}

}  // namespace veldrane
