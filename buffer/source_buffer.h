#pragma once

#include <cstdint>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

namespace veldrane {

// The text under conversion: UTF-16 code units, lines ending in CR LF (each counted as
// one unit). Positions are 1-based (0 = not found), offsets 0-based; position p and
// offset p - 1 denote the same place.
//
// Stored as a gap buffer: the gap sits where the last edit was made, so the passes, which
// search forward from their last edit and edit again close by, move little text per edit.
// Searches run over the two segments in place; nothing here copies the whole text.
class SourceBuffer {
 public:
  static constexpr int32_t kNoLimit = std::numeric_limits<int32_t>::max();

  SourceBuffer() = default;
  explicit SourceBuffer(std::u16string_view text) { SetText(text); }

  // Replaces the whole text (as pasting or clearing would); the caret goes to offset 0.
  void SetText(std::u16string_view text);

  // How often SetText has replaced the whole text. A run compares it with the count it
  // started with to know whether the text it is converting is still there.
  uint64_t Generation() const { return generation_; }

  // A copy of the whole text, for hosts that display or write it out.
  std::u16string Text() const;

  int32_t Length() const { return static_cast<int32_t>(data_.size() - GapSize()); }

  // The smallest position q >= p at which `literal` occurs and q < limit; 0 if none.
  // A p below 1 is taken as 1; an empty literal is never found.
  int32_t Find(int32_t p, std::u16string_view literal, int32_t limit = kNoLimit) const;

  // The largest position q < p holding `unit`; 0 if none.
  int32_t FindLastBefore(int32_t p, char16_t unit) const;

  // The code unit at position p, or 0 when p lies outside the text.
  char16_t At(int32_t p) const;

  // Up to `length` code units from position p on (fewer where the text ends).
  std::u16string Substr(int32_t p, int32_t length) const;

  // Selects `length` units at `offset` and replaces them by `text`; the caret then stands
  // behind the inserted text. No edit reaches outside the text: an offset outside it makes
  // no edit (the caret goes to the nearest end), a length past the end is cut at the end.
  void SelectAndReplace(int32_t offset, int32_t length, std::u16string_view text);

  int32_t Caret() const { return caret_; }

  // How many SelectAndReplace calls named a range reaching outside the text. The passes
  // never do this on purpose; the tests watch it.
  int64_t ClampedEdits() const { return clamped_edits_; }

 private:
  std::size_t GapSize() const { return gap_end_ - gap_start_; }
  void MoveGapTo(std::size_t offset);
  void ReserveGap(std::size_t needed);
  char16_t UnitAtIndex(std::size_t index) const {
    return data_[index < gap_start_ ? index : index + GapSize()];
  }

  // Asserts the invariants below (in builds without NDEBUG: debug and sanitizer builds).
  void CheckInvariants() const;

  // The text, then the gap, then the rest of the text: units [0, gap_start_) and
  // [gap_end_, data_.size()) hold the text in order; the units of the gap mean nothing.
  std::vector<char16_t> data_;
  std::size_t gap_start_ = 0;  ///< invariant: gap_start_ <= gap_end_
  std::size_t gap_end_ = 0;    ///< invariant: gap_end_ <= data_.size()
  // invariant: the text's length, data_.size() - (gap_end_ - gap_start_), fits in int32_t
  int32_t caret_ = 0;          ///< invariant: 0 <= caret_ <= Length()
  int64_t clamped_edits_ = 0;  ///< invariant: >= 0, never decreases
  uint64_t generation_ = 0;    ///< counts the calls of SetText
};

}  // namespace veldrane
