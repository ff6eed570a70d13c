#pragma once

#include <QString>
#include <cstdint>
#include <string>
#include <string_view>

namespace veldrane {

// Text1 shows the source buffer in a plain-text edit control. The control keeps its line
// breaks as paragraph separators (U+2029; a soft break typed with Shift+Enter as U+2028)
// and takes LF when its text is set, while the buffer's lines end in CR LF. These
// functions translate between the two; everything else passes through unchanged.

// The control's raw text (QTextDocument::toRawText) as buffer text: each separator
// becomes CR LF.
std::u16string WidgetTextToBufferText(const QString& raw);

// The same a piece at a time, for SourceBuffer::SetTextInPieces: a large text then never
// stands whole in between.
class WidgetTextReader {
 public:
  explicit WidgetTextReader(const QString& raw) : raw_(raw) {}
  // The buffer text of the next piece of `raw`; empty at the end. Valid until the next call.
  std::u16string_view Next();

 private:
  const QString& raw_;
  qsizetype read_ = 0;
  std::u16string piece_;
};

// Buffer text as the control holds it: each CR LF becomes LF, and so does a lone CR, which
// the control would show as a line break anyway. Each unit of the result is then one
// position of the control's document.
QString BufferTextToWidgetText(std::u16string_view text);

// The control's cursor position for a buffer offset, given the control's raw text: each
// separator stands for the two units of a CR LF. An offset inside a CR LF or beyond the
// text maps to the position after that break or the end.
int WidgetPositionForOffset(const QString& raw, int32_t offset);

}  // namespace veldrane
