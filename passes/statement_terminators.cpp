#include "passes/statement_terminators.h"

#include "core/edit_operations.h"

namespace veldrane {

namespace {

// The first position in [from, end) that holds anything but a space; `end` when none does.
int32_t FirstNonSpace(const SourceBuffer& buffer, int32_t from, int32_t end) {
  while (from < end && buffer.At(from) == u' ') ++from;
  return from;
}

}  // namespace

void AddStatementTerminators(Conversion& cv) {
  ReportProgress(cv, u"文の終わりに「;」を付ける");
  int32_t line_start = 1;
  int32_t search_start = 1;
  while (ContinueRun(cv)) {
    const int32_t line_end = cv.buffer.Find(search_start, u"\r\n");
    // The text after the last line break never gets a terminator.
    if (line_end == 0) return;
    const int32_t line = line_start;
    line_start = line_end + 2;
    search_start = line_end + 1;  // the LF: the next CR LF found ends the following line

    const int32_t code = FirstNonSpace(cv.buffer, line, line_end);
    if (code == line_end) continue;  // blank, or spaces only
    // Only a "//" that starts before the line end belongs to this line.
    const int32_t comment = cv.buffer.Find(line, u"//", line_end);
    if (comment == 0) {
      search_start = ReplaceRange(cv, line_end - 1, 2, u";\r\n");
      line_start = line_end + 3;
    } else if (comment > code) {
      // Code stands before the comment: the terminator goes in front of the comment mark.
      ReplaceRange(cv, comment - 1, 2, u"; //");
      line_start = line_end + 4;
      search_start = line_end + 3;
    }
    // Otherwise the line is a comment only and stays as it is.
  }
}

}  // namespace veldrane
