#include "core/edit_operations.h"

namespace veldrane {

int32_t ReplaceRange(Conversion& cv, int32_t offset, int32_t length, std::u16string_view text) {
  // Every edit of every step comes through here. After a Clear the positions a step still
  // holds belong to the text that is gone, so nothing is written for the rest of the run and
  // the cleared text stays empty.
  if (TextReplacedSinceStart(cv)) return cv.buffer.Caret();
  cv.buffer.SelectAndReplace(offset, length, text);
  return cv.buffer.Caret();
}

int32_t FindStatementEnd(const SourceBuffer& buffer, int32_t position) {
  const int32_t line_end = buffer.Find(position, u"\r\n");
  if (line_end == 0) return 0;
  // Only a comment that starts before the line end matters, so search no further.
  const int32_t comment = buffer.Find(position, u"//", line_end);
  return comment > 0 ? comment : line_end;
}

int32_t HeaderTerminatorOffset(const SourceBuffer& buffer, int32_t end) {
  if (end >= 3 && buffer.At(end) == u'/' && buffer.At(end - 1) == u' ' && buffer.At(end - 2) == u';') {
    return end - 3;
  }
  return end >= 2 ? end - 2 : -1;
}

void ReportProgress(Conversion& cv, std::u16string_view caption) {
  cv.host.SetLabel1(caption);
  cv.host.SetLabel2(CharacterCountCaption(cv.buffer.Length()));
}

}  // namespace veldrane
