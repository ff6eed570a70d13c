#pragma once

#include <cstdint>
#include <functional>
#include <limits>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "buffer/fenwick_tree.h"

namespace veldrane {

// The text under conversion: UTF-16 code units, lines ending in CR LF (each counted as
// one unit). Positions are 1-based (0 = not found), offsets 0-based; position p and
// offset p - 1 denote the same place.
//
// Stored as a row of blocks of about 64K units, each a gap buffer of its own: an edit moves
// text only inside its block, so a pass that edits far apart places in turn (the name-list
// passes walk the whole text once per name) costs no more per edit than one that edits close
// by. Searches run over the blocks' segments in place; nothing here copies the whole text.
class SourceBuffer {
 public:
  static constexpr int32_t kNoLimit = std::numeric_limits<int32_t>::max();
  static constexpr std::size_t kBlockUnits = std::size_t{1} << 16;

  SourceBuffer() { SetText({}); }
  // `block_units` other than the default serves the tests, which need many small blocks.
  explicit SourceBuffer(std::u16string_view text, std::size_t block_units = kBlockUnits)
      : block_units_(block_units) {
    SetText(text);
  }

  // Replaces the whole text (as pasting or clearing would); the caret goes to offset 0.
  void SetText(std::u16string_view text);
  // The same with the text handed over a piece at a time: `next_piece` is called until it
  // returns an empty piece. A large text that is translated on its way in is then never
  // held whole twice.
  void SetTextInPieces(const std::function<std::u16string_view()>& next_piece);

  // How often SetText has replaced the whole text. A run compares it with the count it
  // started with to know whether the text it is converting is still there.
  uint64_t Generation() const { return generation_; }

  // A copy of the whole text, for hosts that display or write it out.
  std::u16string Text() const;

  int32_t Length() const { return static_cast<int32_t>(length_); }

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

  // Called after each SelectAndReplace that changed the text, with the offset, the number
  // of units removed there and the units inserted in their place, so that a copy of the text
  // kept elsewhere (the window's text control) can follow edit by edit. SetText is not
  // reported: whoever replaces the whole text knows it.
  using EditListener = std::function<void(int32_t offset, int32_t removed, std::u16string_view inserted)>;
  void SetEditListener(EditListener listener) { edit_listener_ = std::move(listener); }

  // How many SelectAndReplace calls named a range reaching outside the text. The passes
  // never do this on purpose; the tests watch it.
  int64_t ClampedEdits() const { return clamped_edits_; }

 private:
  struct Block {
    std::vector<char16_t> data;
    std::size_t gap_start = 0;
    std::size_t gap_end = 0;
    std::size_t Length() const { return data.size() - (gap_end - gap_start); }
    char16_t At(std::size_t i) const { return data[i < gap_start ? i : i + (gap_end - gap_start)]; }
    void MoveGapTo(std::size_t offset);
    void ReserveGap(std::size_t needed);
  };

  Block MakeBlock(std::u16string_view units) const;
  // The block holding the unit at `index` (0-based); for index == length, the last block.
  std::size_t BlockOf(std::size_t index) const;
  char16_t UnitAtIndex(std::size_t index) const;
  // Block `b`'s length changed by `delta` units.
  void LengthChanged(std::size_t b, int64_t delta);
  // Blocks [first, end) that an edit emptied from their start on are let go, memory and all,
  // so that a large removal keeps none of the text it took away; first must be at least 1.
  void DropEmptiedBlocks(std::size_t first, std::size_t end);
  // After block `b` grew: a block grown too long is split into blocks of the usual size.
  void SplitIfTooLong(std::size_t b);
  // The block lengths' tree, built afresh for the current blocks.
  FenwickTree BuildLengthTree() const;
  // The index of block b's first unit.
  std::size_t Start(std::size_t b) const;
  // Asserts the invariants below (in builds without NDEBUG: debug and sanitizer builds).
  void CheckInvariants() const;

  std::size_t block_units_ = kBlockUnits;
  // The text is the blocks' texts in order; in each block, units [0, gap_start) and
  // [gap_end, data.size()) hold its text, and the units of the gap mean nothing.
  std::vector<Block> blocks_;  ///< invariant: not empty; gap_start <= gap_end <= data.size()
  // The blocks' lengths, so that a block's start, the block holding an index and the update
  // after an edit all take logarithmic time, however far apart edits and reads are.
  FenwickTree length_tree_;       ///< invariant: equals BuildLengthTree()
  std::size_t length_ = 0;        ///< invariant: the sum of the blocks' lengths; fits in int32_t
  mutable std::size_t hint_ = 0;  // the block last looked up; reads go mostly forward
  int32_t caret_ = 0;             ///< invariant: 0 <= caret_ <= Length()
  int64_t clamped_edits_ = 0;     ///< invariant: >= 0, never decreases
  uint64_t generation_ = 0;       ///< counts the calls of SetText
  EditListener edit_listener_;
};

}  // namespace veldrane
