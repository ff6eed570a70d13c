#pragma once

#include <QByteArray>
#include <cstdint>
#include <string_view>
#include <vector>

class QsciScintillaBase;

namespace veldrane {

class SourceBuffer;

// Keeps Text1 holding the source buffer's text while a run edits it, by the ranges the
// buffer reports edited: an edit costs what its range costs, whatever the text's length.
//
// Edits close to each other (a pass walking the text edits every line) are gathered into
// one range, and the ranges are kept in order: they are made in the control, in one walk
// through it, whenever the window is about to process its events (Flush) and when there
// are many or one has grown large. Each change of the control costs some microseconds of
// its own, far more than a few units of text, and moving its one gap across a large text
// (a pass that walks the text once for each name returns to its start each time) costs a
// millisecond. So the control holds the buffer's text whenever the user can see it or
// act, and when the run ends nothing is left to catch up but the last round's ranges.
//
// The control counts its positions in bytes of UTF-8; its UTF-16 line index (which the
// control must keep, SC_LINECHARACTERINDEX_UTF16) maps the buffer's offsets on them. While
// following, the control neither records undo steps nor sends modification notifications:
// its own handling of each change would cost far more than the change itself. A text
// replaced whole (SetText, as Clear does) is the window's to put into the control; the
// edits not yet made there are then dropped.
class BufferMirror {
 public:
  BufferMirror(QsciScintillaBase& control, SourceBuffer& buffer) : control_(control), buffer_(buffer) {}
  ~BufferMirror() { End(); }
  BufferMirror(const BufferMirror&) = delete;
  BufferMirror& operator=(const BufferMirror&) = delete;

  // The control holds the buffer's text: from now on it follows the buffer's edits.
  void Begin();
  // Makes the edits gathered so far in the control.
  void Flush();
  // Flushes and stops following; the control records undo steps and notifies its changes
  // again, with nothing to undo.
  void End();
  bool Active() const { return active_; }

 private:
  // The buffer holds units [from, from + held) where the control holds `shown` units; the
  // ranges are kept in order, apart from each other, in the buffer's present offsets; in
  // between, the two agree.
  struct Range {
    int64_t from = 0;
    int64_t shown = 0;
    int64_t held = 0;
  };
  void Edited(int32_t offset, int32_t removed, int64_t inserted);
  // Replaces the range in the control; `in_front` is how many more units the buffer holds
  // than the control in front of it (ranges not yet made there).
  void Replace(Range range, int64_t in_front);
  // The control's byte position of the buffer's offset `unit`.
  long PositionOfUnit(int64_t unit) const;

  QsciScintillaBase& control_;
  SourceBuffer& buffer_;
  bool active_ = false;
  long event_mask_ = 0;      // the control's notifications as they were before the run
  uint64_t generation_ = 0;  // the buffer's SetText count the control's text stems from
  std::vector<Range> ranges_;
  int64_t last_ = 0;  // about where the last flush left the control's gap
  QByteArray bytes_;
};

}  // namespace veldrane
