#pragma once

#include <cstdint>
#include <vector>

#include "buffer/fenwick_tree.h"
#include "buffer/source_buffer.h"

namespace veldrane {

// Maps the positions of a text as it was when a pass began onto the text as the pass's own
// insertions have shifted it, for a pass that inserts single units only directly in front of
// one kind of unit (the ")" that the call pass puts in front of a ";"). The anchors, the
// places of that unit, are taken once; the insertions made in front of each are counted in a
// Fenwick tree over the anchors, so a position is mapped in logarithmic time.
class InsertionShifts {
 public:
  InsertionShifts(const SourceBuffer& buffer, char16_t anchor);

  // The current position of the unit that stood at position `scanned` when the pass began.
  int32_t Current(int32_t scanned) const;

  // The inverse: the position when the pass began of the unit now at `current`, which must
  // be one that stood there then (not an inserted one).
  int32_t Scanned(int32_t current) const;

  // Records one unit inserted directly in front of the anchor that stood at position
  // `current` before the insertion. Returns false (and records nothing) when no anchor
  // stood there.
  bool InsertedBefore(int32_t current);

 private:
  // Insertions in front of anchors 0..rank.
  int32_t InsertionsUpTo(std::size_t rank) const;
  // The rank of the first anchor whose current position is at or after `current`.
  std::size_t FirstAnchorFrom(int32_t current) const;

  std::vector<int32_t> anchors_;   // scanned positions, ascending
  FenwickTree insertions_before_;  // per anchor rank, the units inserted in front of it
  int64_t insertions_ = 0;
};

}  // namespace veldrane
