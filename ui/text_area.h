#pragma once

#include <Qsci/qsciscintilla.h>

#include <cstdint>

namespace veldrane {

class SourceBuffer;

// Text1: a Scintilla editing control set up as a plain text area. Its text is UTF-8
// underneath; its line breaks are kept as the text holds them, and pasted or typed ones
// become CR LF. No margins, no folding, no word wrap, no colouring; the text is greyed
// while the control is disabled.
class TextArea : public QsciScintilla {
 public:
  explicit TextArea(QWidget* parent = nullptr);

  bool IsEmpty() const { return SendScintilla(SCI_GETLENGTH) == 0; }
  // The text's length in UTF-16 code units, the source buffer's units.
  int64_t Units() const;
  // Puts the whole text into `buffer`, a piece at a time: a large text is never held whole
  // in between.
  void CopyTo(SourceBuffer& buffer) const;
  // Empties the text and forgets the steps that undo would take back, as the text's old
  // content is gone for good.
  void Empty();
  // While quiet, the scroll bars follow the text without telling anyone: each change of
  // their range would otherwise queue a call that lays them out again, thousands in a run
  // that edits many lines. When they speak again the area lays them out once.
  void QuietScrollBars(bool quiet);

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void ApplyColours();
};

}  // namespace veldrane
