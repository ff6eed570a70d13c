#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "buffer/source_buffer.h"
#include "passes/insertion_shifts.h"

namespace veldrane {

// Answers, for the entries of a name list, "the first occurrence of this entry's name at or
// after position p in the current text" exactly as SourceBuffer::Find would, without
// searching the whole text once per name: the occurrences of all names are found in one scan
// of the text when the pass begins, and every later answer is checked against the current
// text before it is given.
//
// This is exact under the edits of the two passes that use it, because those edits write
// only a few known code units ("(", ")", "[", "]"): an edit can destroy occurrences that
// overlap it, which the check notices, but it can create an occurrence only of a name that
// holds one of the written units. Such names are answered by a plain search of the text. The
// only other changes of the text during a pass are its own insertions, which shift what
// follows them (`shifts` maps the scanned positions onto the current ones), and a Clear
// during a yield, after which the text's length no longer matches and every answer comes
// from a plain search.
//
// The entries must be asked with a non-decreasing start position each (as the passes do: an
// entry's search goes on behind its last occurrence); an earlier start is answered correctly
// but costs a search of the entry's occurrences.
class NameSearch {
 public:
  // Scans the text for the entries from 0 up to the first empty one. `written_units` are the
  // code units that the pass writes into the text; `shifts` (may be null) maps scanned
  // positions to current ones for a pass that inserts.
  NameSearch(const SourceBuffer& buffer, const std::vector<std::u16string>& names,
             std::u16string_view written_units, const InsertionShifts* shifts);

  // SourceBuffer::Find(from, names[entry]) on the current text.
  int32_t Next(std::size_t entry, int32_t from);

 private:
  struct Entry {
    int32_t occurrences = -1;  // index into occurrences_; -1: searched plainly
    std::size_t cursor = 0;    // first occurrence not yet passed over
    int32_t last_from = 0;
  };
  int32_t Current(int32_t scanned) const { return shifts_ ? shifts_->Current(scanned) : scanned; }

  const SourceBuffer& buffer_;
  const std::vector<std::u16string>& names_;
  const InsertionShifts* shifts_;
  uint64_t generation_;  // the text that was scanned
  std::vector<Entry> entries_;
  std::vector<std::vector<int32_t>> occurrences_;  // per distinct name, scanned positions, ascending
};

}  // namespace veldrane
