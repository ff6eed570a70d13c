#include "ui/buffer_display.h"

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextCursor>
#include <algorithm>

#include "ui/widget_text.h"

namespace veldrane {

void BufferDisplay::Begin(QString shown) {
  shown_ = std::move(shown);
  known_ = true;
  edit_.document()->setUndoRedoEnabled(false);  // the run's edits are not the user's
}

void BufferDisplay::Update(std::u16string_view buffer_text, qsizetype largest_change) {
  QString shown = BufferTextToWidgetText(buffer_text);
  const TextDifference change = known_ ? DifferingRange(shown_, shown) : TextDifference{0, -1, -1};
  if (change.removed == 0 && change.inserted == 0) return;
  const qsizetype size = known_ ? std::max(change.removed, change.inserted) : shown.size();
  if (largest_change >= 0 && size > largest_change) return;

  updating_ = true;
  QScrollBar& scroll = *edit_.verticalScrollBar();
  const int scrolled_to = scroll.value();
  // Editing most of a document costs more than building it anew.
  if (!known_ || 2 * std::max(change.removed, change.inserted) > shown.size()) {
    edit_.setPlainText(shown);
  } else {
    QTextCursor cursor(edit_.document());
    cursor.setPosition(static_cast<int>(change.start));
    cursor.setPosition(static_cast<int>(change.start + change.removed), QTextCursor::KeepAnchor);
    cursor.insertText(shown.mid(change.start, change.inserted));
  }
  scroll.setValue(scrolled_to);
  shown_ = std::move(shown);
  known_ = true;
  updating_ = false;
}

void BufferDisplay::End() {
  Forget();
  edit_.document()->setUndoRedoEnabled(true);
}

void BufferDisplay::Forget() {
  shown_.clear();
  shown_.squeeze();
  known_ = false;
}

}  // namespace veldrane
