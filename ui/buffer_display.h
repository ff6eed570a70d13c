#pragma once

#include <QString>
#include <QtGlobal>
#include <cstdint>
#include <string>

class QPlainTextEdit;

namespace veldrane {

class SourceBuffer;

// Keeps Text1 showing the source buffer while a run edits it, a bounded slice at a time.
//
// It keeps a copy of what the control holds, in the buffer's units, and on each refresh
// finds the range in which that copy and the buffer differ. The control is then edited
// from the start of that range on, one slice of at most `slice_units` units after another,
// until the time allowed is spent: editing a large document in one piece (or rebuilding it)
// would hold up the window's events for seconds. Slices never divide a CR LF, whose two
// units are one line break in the control.
class BufferDisplay {
 public:
  static constexpr int32_t kDefaultSliceUnits = 8 * 1024;

  BufferDisplay(QPlainTextEdit& edit, const SourceBuffer& buffer, int32_t slice_units = kDefaultSliceUnits)
      : edit_(edit), buffer_(buffer), slice_units_(slice_units) {}

  // A run starts; `shown_raw` is the control's raw text. The view goes to the start of the
  // text, where the refreshes begin.
  void Begin(QString shown_raw);
  // Edits the control towards the buffer's text for about `budget_ms` (at least one slice).
  // The first refresh of a run first makes the copy of the control's text. Returns true
  // when the control shows the buffer's text.
  bool Refresh(qint64 budget_ms);
  // The run has ended: forget the copy, let the control record its edits again, and show
  // the start of the text.
  void End();
  // The control's text was changed elsewhere during the run (Clear, Exit): read it again.
  void Reread();
  // True between Begin and End.
  bool Active() const { return active_; }
  // True while a refresh is changing the control's text.
  bool Updating() const { return updating_; }

 private:
  // The differing range: units [start, shown_end) of the copy stand where the buffer holds
  // [start, buffer_end); both texts agree before and after it.
  struct Difference {
    int64_t start = 0;
    int64_t shown_end = 0;
    int64_t buffer_end = 0;
  };
  Difference FindDifference() const;
  // The CR LFs lying wholly in front of `position` in the copy.
  int64_t LineBreaksBefore(int64_t position) const;
  // Replaces the first slice of the difference in the control and the copy and moves the
  // difference's start behind it. `line_breaks_before` counts the CR LFs in front of the
  // difference (the control holds one unit for each).
  void ApplySlice(Difference& difference, int64_t& line_breaks_before);

  QPlainTextEdit& edit_;
  const SourceBuffer& buffer_;
  const int32_t slice_units_;
  std::u16string shown_;
  // The control's raw text as the run began, until the first refresh translates it into
  // `shown_`: the run's start then does not wait for that.
  QString shown_raw_;
  // The CR LFs in front of the copy's first `counted_to_` units, as the last refresh left
  // them: the copy never changes in front of where a refresh starts, so the next refresh
  // counts only from there (counting from the start would read the whole text each time).
  int64_t counted_to_ = 0;
  int64_t counted_line_breaks_ = 0;
  bool active_ = false;
  bool updating_ = false;
};

}  // namespace veldrane
