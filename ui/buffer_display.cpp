#include "ui/buffer_display.h"

#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextCursor>
#include <algorithm>
#include <cstring>

#include "buffer/source_buffer.h"
#include "ui/widget_text.h"

namespace veldrane {
namespace {

// The buffer is compared with the copy in pieces of this many units.
constexpr int64_t kCompareUnits = 64 * 1024;

bool SameUnits(const char16_t* a, const char16_t* b, int64_t n) {
  return std::memcmp(a, b, static_cast<std::size_t>(n) * sizeof(char16_t)) == 0;
}

// How many units the copy and the buffer share at their starts.
int64_t CommonPrefix(const std::u16string& shown, const SourceBuffer& buffer) {
  const int64_t n = std::min<int64_t>(static_cast<int64_t>(shown.size()), buffer.Length());
  for (int64_t i = 0; i < n; i += kCompareUnits) {
    const int64_t length = std::min(kCompareUnits, n - i);
    const std::u16string piece = buffer.Substr(static_cast<int32_t>(i + 1), static_cast<int32_t>(length));
    if (SameUnits(piece.data(), shown.data() + i, length)) continue;
    return i + (std::mismatch(piece.begin(), piece.end(), shown.begin() + i).first - piece.begin());
  }
  return n;
}

// How many units, at most `limit`, the copy and the buffer share at their ends.
int64_t CommonSuffix(const std::u16string& shown, const SourceBuffer& buffer, int64_t limit) {
  const auto shown_size = static_cast<int64_t>(shown.size());
  const int64_t buffer_size = buffer.Length();
  for (int64_t i = 0; i < limit; i += kCompareUnits) {
    const int64_t length = std::min(kCompareUnits, limit - i);
    const std::u16string piece =
        buffer.Substr(static_cast<int32_t>(buffer_size - i - length + 1), static_cast<int32_t>(length));
    const char16_t* own = shown.data() + (shown_size - i - length);
    if (SameUnits(piece.data(), own, length)) continue;
    int64_t k = length - 1;
    while (piece[static_cast<std::size_t>(k)] == own[k]) --k;
    return i + (length - 1 - k);
  }
  return limit;
}

// The CR LFs lying wholly inside units [from, to) of `text`.
int64_t LineBreaks(std::u16string_view text, int64_t from, int64_t to) {
  int64_t count = 0;
  for (int64_t i = from; i + 1 < to; ++i) {
    if (text[static_cast<std::size_t>(i)] == u'\r' && text[static_cast<std::size_t>(i + 1)] == u'\n') ++count;
  }
  return count;
}

}  // namespace

void BufferDisplay::Begin(QString shown_raw) {
  shown_raw_ = std::move(shown_raw);
  shown_.clear();
  counted_to_ = counted_line_breaks_ = 0;
  active_ = true;
  edit_.document()->setUndoRedoEnabled(false);  // the run's edits are not the user's
  edit_.moveCursor(QTextCursor::Start);
  edit_.verticalScrollBar()->setValue(0);
  edit_.horizontalScrollBar()->setValue(0);
}

BufferDisplay::Difference BufferDisplay::FindDifference() const {
  const auto shown_size = static_cast<int64_t>(shown_.size());
  const int64_t buffer_size = buffer_.Length();
  const int64_t start = CommonPrefix(shown_, buffer_);
  const int64_t suffix = CommonSuffix(shown_, buffer_, std::min(shown_size, buffer_size) - start);
  Difference d{start, shown_size - suffix, buffer_size - suffix};
  // A CR LF at the end of the range stays whole: where the unit in front of the shared end
  // is a CR in either text (inside the range, or in front of it where the range is empty on
  // that side), the LF that follows joins the range.
  const char16_t shown_before = d.shown_end > 0 ? shown_[static_cast<std::size_t>(d.shown_end - 1)] : 0;
  const char16_t buffer_before = buffer_.At(static_cast<int32_t>(d.buffer_end));
  if (suffix > 0 && shown_[static_cast<std::size_t>(d.shown_end)] == u'\n' &&
      (shown_before == u'\r' || buffer_before == u'\r')) {
    ++d.shown_end;
    ++d.buffer_end;
  }
  return d;
}

int64_t BufferDisplay::LineBreaksBefore(int64_t position) const {
  // A CR LF across the counted end starts one unit in front of it.
  const int64_t from = std::max<int64_t>(std::min(position, counted_to_) - 1, 0);
  const int64_t between = LineBreaks(shown_, from, std::max(position, counted_to_));
  return position >= counted_to_ ? counted_line_breaks_ + between : counted_line_breaks_ - between;
}

void BufferDisplay::ApplySlice(Difference& d, int64_t& line_breaks_before) {
  const int64_t shown_left = d.shown_end - d.start;
  const int64_t buffer_left = d.buffer_end - d.start;
  // A CR in front of the slice is written again with it, so that an LF at the slice's start
  // can join it into one line break on either side.
  const int64_t back = d.start > 0 && shown_[static_cast<std::size_t>(d.start - 1)] == u'\r' ? 1 : 0;
  const int64_t from = d.start - back;
  // Units of the copy replaced, and units of the buffer put in their place, for a slice of
  // k units: the same number from both while both have units left, then the rest of one.
  const bool both = shown_left > 0 && buffer_left > 0;
  const auto replaced = [&](int64_t k) { return back + (both || buffer_left == 0 ? k : 0); };
  const auto inserted = [&](int64_t k) { return back + (both || shown_left == 0 ? k : 0); };
  // A slice may not end between a CR and an LF of the copy, nor end in a CR that would join
  // the LF behind it into a line break the control does not show.
  const auto safe = [&](int64_t k) {
    const int64_t a = replaced(k);
    const int64_t b = inserted(k);
    const auto next = static_cast<std::size_t>(from + a);
    if (next >= shown_.size() || shown_[next] != u'\n') return true;
    if (a > 0 && shown_[next - 1] == u'\r') return false;
    return !(b > 0 && buffer_.At(static_cast<int32_t>(from + b)) == u'\r');
  };
  const int64_t left = both ? std::min(shown_left, buffer_left) : std::max(shown_left, buffer_left);
  int64_t k = std::min<int64_t>(slice_units_, left);
  while (k > 1 && !safe(k)) --k;
  int64_t a = replaced(k);
  int64_t b = inserted(k);
  if (!safe(k)) {  // only where CRs and LFs alternate throughout: take the whole range
    a = back + shown_left;
    b = back + buffer_left;
  }

  const std::u16string text = buffer_.Substr(static_cast<int32_t>(from + 1), static_cast<int32_t>(b));
  const int64_t position = from - line_breaks_before;
  QTextCursor cursor(edit_.document());
  cursor.setPosition(static_cast<int>(position));
  cursor.setPosition(static_cast<int>(position + a - LineBreaks(shown_, from, from + a)),
                     QTextCursor::KeepAnchor);
  cursor.insertText(BufferTextToWidgetText(text));
  shown_.replace(static_cast<std::size_t>(from), static_cast<std::size_t>(a), text);

  line_breaks_before += LineBreaks(text, 0, b);
  d.start = from + b;
  d.shown_end += b - a;
}

bool BufferDisplay::Refresh(qint64 budget_ms) {
  QElapsedTimer clock;
  clock.start();
  if (!shown_raw_.isNull()) {
    shown_ = WidgetTextToBufferText(shown_raw_);
    shown_raw_ = QString();
  }
  Difference d = FindDifference();
  if (d.start == d.shown_end && d.start == d.buffer_end) return true;

  updating_ = true;
  QScrollBar& vertical = *edit_.verticalScrollBar();
  QScrollBar& horizontal = *edit_.horizontalScrollBar();
  const int top = vertical.value();
  const int left = horizontal.value();
  int64_t line_breaks_before = LineBreaksBefore(d.start);
  do {
    ApplySlice(d, line_breaks_before);
  } while ((d.start < d.shown_end || d.start < d.buffer_end) && clock.elapsed() < budget_ms);
  counted_to_ = d.start;
  counted_line_breaks_ = line_breaks_before;
  vertical.setValue(top);
  horizontal.setValue(left);
  updating_ = false;
  return d.start == d.shown_end && d.start == d.buffer_end;
}

void BufferDisplay::End() {
  shown_.clear();
  shown_.shrink_to_fit();
  shown_raw_ = QString();
  active_ = false;
  edit_.document()->setUndoRedoEnabled(true);
  edit_.moveCursor(QTextCursor::Start);
  edit_.verticalScrollBar()->setValue(0);
  edit_.horizontalScrollBar()->setValue(0);
}

void BufferDisplay::Reread() {
  shown_ = WidgetTextToBufferText(edit_.document()->toRawText());
  shown_raw_ = QString();
  counted_to_ = counted_line_breaks_ = 0;
}

}  // namespace veldrane
