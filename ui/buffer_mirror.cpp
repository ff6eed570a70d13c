#include "ui/buffer_mirror.h"

#include <Qsci/qsciscintillabase.h>

#include <QStringView>
#include <algorithm>
#include <cstdlib>
#include <iterator>

#include "buffer/source_buffer.h"

namespace veldrane {
namespace {

bool IsHighSurrogate(char16_t unit) { return unit >= 0xD800 && unit < 0xDC00; }
bool IsLowSurrogate(char16_t unit) { return unit >= 0xDC00 && unit < 0xE000; }

}  // namespace

void BufferMirror::Begin() {
  if (active_) return;
  active_ = true;
  ranges_.clear();
  generation_ = buffer_.Generation();
  event_mask_ = control_.SendScintilla(QsciScintillaBase::SCI_GETMODEVENTMASK);
  control_.SendScintilla(QsciScintillaBase::SCI_SETMODEVENTMASK, 0UL);
  control_.SendScintilla(QsciScintillaBase::SCI_SETUNDOCOLLECTION, 0UL);
  control_.SendScintilla(QsciScintillaBase::SCI_EMPTYUNDOBUFFER);
  buffer_.SetEditListener([this](int32_t offset, int32_t removed, std::u16string_view inserted) {
    Edited(offset, removed, static_cast<int64_t>(inserted.size()));
  });
}

void BufferMirror::End() {
  if (!active_) return;
  Flush();
  active_ = false;
  buffer_.SetEditListener(nullptr);
  control_.SendScintilla(QsciScintillaBase::SCI_SETUNDOCOLLECTION, 1UL);
  control_.SendScintilla(QsciScintillaBase::SCI_EMPTYUNDOBUFFER);
  control_.SendScintilla(QsciScintillaBase::SCI_SETMODEVENTMASK, static_cast<unsigned long>(event_mask_));
}

void BufferMirror::Flush() {
  if (buffer_.Generation() == generation_ && !ranges_.empty()) {
    // In the order that moves the control's gap least: from the end of the ranges nearer
    // to where the last flush left it. Going down, the ranges in front of one are not yet
    // in the control, which then holds their units where the buffer holds theirs.
    const bool down = std::abs(last_ - ranges_.back().from) < std::abs(last_ - ranges_.front().from);
    int64_t in_front = 0;  // units the buffer holds beyond the control in front of a range
    for (const Range& range : ranges_) in_front += range.held - range.shown;
    for (std::size_t k = 0; k < ranges_.size(); ++k) {
      const Range& range = ranges_[down ? ranges_.size() - 1 - k : k];
      if (down) in_front -= range.held - range.shown;
      Replace(range, down ? in_front : 0);
    }
    last_ = down ? ranges_.front().from : ranges_.back().from;
  }
  ranges_.clear();
  generation_ = buffer_.Generation();
}

void BufferMirror::Edited(int32_t offset, int32_t removed, int64_t inserted) {
  // Unchanged units between two edits are rewritten with them when there are at most this
  // many: cheaper than a change of the control of its own.
  constexpr int64_t kJoinUnits = 512;
  // The ranges are made in the control once there are this many, or one holds this many
  // units. Many ranges let the edits of several walks through the text go into the control
  // in one walk; each range gathered costs a little for each range behind it.
  constexpr std::size_t kRanges = 1024;
  constexpr int64_t kRangeUnits = 64 * 1024;
  if (buffer_.Generation() != generation_) Flush();  // drops what the new text replaced
  // The ranges this edit touches or comes near, as the buffer was before it: [first, last).
  const int64_t end = offset + static_cast<int64_t>(removed);
  const auto first = std::partition_point(
      ranges_.begin(), ranges_.end(), [&](const Range& r) { return r.from + r.held + kJoinUnits < offset; });
  const auto last =
      std::partition_point(first, ranges_.end(), [&](const Range& r) { return r.from <= end + kJoinUnits; });
  Range joined{offset, removed, inserted};
  if (first != last) {
    const int64_t from = std::min(first->from, static_cast<int64_t>(offset));
    const int64_t to = std::max(std::prev(last)->from + std::prev(last)->held, end);
    int64_t gained = 0;  // units the buffer holds beyond the control in the joined ranges
    for (auto r = first; r != last; ++r) gained += r->held - r->shown;
    joined = {from, to - from - gained, to - from + inserted - removed};
  }
  for (auto r = last; r != ranges_.end(); ++r) r->from += inserted - removed;
  const auto at = ranges_.erase(first, last);
  ranges_.insert(at, joined);
  if (ranges_.size() >= kRanges || joined.held >= kRangeUnits) Flush();
}

long BufferMirror::PositionOfUnit(int64_t unit) const {
  constexpr long kUtf16 = QsciScintillaBase::SC_LINECHARACTERINDEX_UTF16;
  const auto line = static_cast<unsigned long>(control_.SendScintilla(
      QsciScintillaBase::SCI_LINEFROMINDEXPOSITION, static_cast<unsigned long>(unit), kUtf16));
  const long line_unit = control_.SendScintilla(QsciScintillaBase::SCI_INDEXPOSITIONFROMLINE, line, kUtf16);
  const long line_start = control_.SendScintilla(QsciScintillaBase::SCI_POSITIONFROMLINE, line);
  if (unit == line_unit) return line_start;
  return control_.SendScintilla(QsciScintillaBase::SCI_POSITIONRELATIVECODEUNITS,
                                static_cast<unsigned long>(line_start), static_cast<long>(unit - line_unit));
}

void BufferMirror::Replace(Range range, int64_t in_front) {
  // The range is widened where its ends would divide what the control holds as one: a
  // surrogate pair (one character to the control), and a CR in front of it or an LF
  // behind it (a CR LF the edit joins or divides; the control's UTF-16 line index comes
  // out wrong when an edit joins a CR and an LF across its ends). The buffer and the
  // control agree in front of and behind the range.
  const auto held_at = [&](int64_t index) { return buffer_.At(static_cast<int32_t>(index + 1)); };
  const auto widen_front = [&] {
    --range.from;
    ++range.shown;
    ++range.held;
  };
  const auto widen_back = [&] {
    ++range.shown;
    ++range.held;
  };
  if (range.from > 0 && IsHighSurrogate(held_at(range.from - 1))) widen_front();
  if (range.from > 0 && held_at(range.from - 1) == u'\r') widen_front();
  if (IsLowSurrogate(held_at(range.from + range.held))) widen_back();
  if (held_at(range.from + range.held) == u'\n') widen_back();
  const std::u16string units =
      buffer_.Substr(static_cast<int32_t>(range.from + 1), static_cast<int32_t>(range.held));
  // Positions stay inside the control's text even where it was changed behind the run's
  // back.
  const long length = control_.SendScintilla(QsciScintillaBase::SCI_GETLENGTH);
  const auto inside = [length](long position) {
    return position < 0 || position > length ? length : position;
  };
  const int64_t shown_from = range.from - in_front;
  const long start = inside(PositionOfUnit(shown_from));
  const long end =
      range.shown == 0 ? start : std::max(start, inside(PositionOfUnit(shown_from + range.shown)));
  bytes_ = QStringView(units.data(), static_cast<qsizetype>(units.size())).toUtf8();
  control_.SendScintilla(QsciScintillaBase::SCI_SETTARGETRANGE, static_cast<unsigned long>(start), end);
  control_.SendScintilla(QsciScintillaBase::SCI_REPLACETARGET, static_cast<uintptr_t>(bytes_.size()),
                         bytes_.constData());
}

}  // namespace veldrane
