#pragma once

#include <cstdint>
#include <functional>

namespace veldrane {

class SourceBuffer;
class TextArea;

// Keeps Text1 showing the source buffer's text while a run edits it, at the cost of the
// lines in view rather than of the text's length.
//
// While following, the control holds only the buffer's first units, as many as the lines in
// view need (the control is disabled during a run, so its view stays where the run put
// it), in a small document of its own. An edit there marks them out of date; an edit
// further on costs nothing. Whenever the window is about to process its events (Flush) the
// control is given the buffer's first units afresh if they are out of date: some
// microseconds, however often the passes walked the text in between. When the run ends
// (End) the control gets the whole text at once, in a new document, built a piece at a time
// from the buffer: nothing else is left to catch up.
//
// While following, the control neither records undo steps nor sends modification
// notifications: its own handling of each change would cost far more than the change.
// A text replaced whole (SetText, as Clear does) is simply followed from then on.
class BufferMirror {
 public:
  BufferMirror(TextArea& control, SourceBuffer& buffer) : control_(control), buffer_(buffer) {}
  ~BufferMirror() { End(); }
  BufferMirror(const BufferMirror&) = delete;
  BufferMirror& operator=(const BufferMirror&) = delete;

  // The control holds the buffer's text: from now on it shows the buffer's start.
  void Begin();
  // The lines in view show the buffer's text as it is now.
  void Flush();
  // The control holds the whole buffer text again, records undo steps and notifies its
  // changes, with nothing to undo. The text goes in a piece at a time, with `between` called
  // after each megabyte or so (the window processes its events there); if the buffer's text
  // is replaced whole meanwhile (Clear), the window has put that into the control and the
  // filling stops.
  void End(const std::function<void()>& between = {});
  bool Active() const { return active_; }

 private:
  // The control's text becomes the buffer's first `units` units (fewer if the buffer is
  // shorter; more by one where the cut would divide a CR LF or a surrogate pair).
  void HoldStart(int64_t units);
  // Whether the control's lines reach past the last line in view.
  bool CoversView() const;

  TextArea& control_;
  SourceBuffer& buffer_;
  bool active_ = false;
  long event_mask_ = 0;      // the control's notifications as they were before the run
  uint64_t generation_ = 0;  // the buffer's SetText count the control's text stems from
  int64_t held_ = 0;         // the control holds the buffer's first held_ units...
  bool outdated_ = false;    // ...as they were before an edit among them
};

}  // namespace veldrane
