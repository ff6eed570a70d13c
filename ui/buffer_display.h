#pragma once

#include <QString>
#include <string_view>

class QPlainTextEdit;

namespace veldrane {

// Keeps Text1 showing the source buffer while a run edits it. It remembers what the control
// holds, so that bringing it up to date edits only the range that differs; rebuilding the
// whole document of a large text takes far longer than the yields can afford.
class BufferDisplay {
 public:
  explicit BufferDisplay(QPlainTextEdit& edit) : edit_(edit) {}

  // A run starts; `shown` is what the control holds, as BufferTextToWidgetText gives it.
  void Begin(QString shown);
  // Makes the control show `buffer_text`, keeping its scroll position.
  void Show(std::u16string_view buffer_text) { Update(buffer_text, -1); }
  // The same while a run lasts, except that a change of more than `largest_change` units is
  // left for a later call: editing or rebuilding that much of the document would hold up the
  // window's events (and Stop) for longer than a yield may take.
  void ShowDuringRun(std::u16string_view buffer_text, qsizetype largest_change) {
    Update(buffer_text, largest_change);
  }
  // The run has ended: forget the copy and let the control record its edits again.
  void End();
  // The control's text was changed elsewhere; the next Show replaces all of it.
  void Forget();
  // True while Show is changing the control's text.
  bool Updating() const { return updating_; }

 private:
  void Update(std::u16string_view buffer_text, qsizetype largest_change);

  QPlainTextEdit& edit_;
  QString shown_;
  bool known_ = false;
  bool updating_ = false;
};

}  // namespace veldrane
