#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "buffer/source_buffer.h"
#include "core/name_list.h"
#include "passes/insertion_shifts.h"
#include "passes/multi_pattern_scan.h"

namespace veldrane {

// Answers, for the entries of a name list, "the first occurrence of this entry's name at or
// after position p in the current text" exactly as SourceBuffer::Find would, without
// searching the whole text once per name: the occurrences of all names are found in one scan
// of the text, and every answer is checked against the current text before it is given.
//
// The scan is spread over the answers: each answer first scans the next sixteenth of the
// text, so that no answer (the time between two yields of the pass) reads much more than a
// plain search does. Until the scan is complete, a name without an occurrence in the part
// scanned so far is answered by a plain search.
//
// This is exact under the edits of the two passes that use it, because those edits write
// only a few known code units ("(", ")", "[", "]"): an edit can destroy occurrences that
// overlap it, which the check notices, but it can create an occurrence only of a name that
// holds one of the written units. So the scan looks for each name's key, a run of the name
// holding none of the written units (see the definition for which): an edit can destroy
// an occurrence of a key but never create one, and every occurrence of the name, also one
// that an edit created, holds its key at the same offset. Each occurrence of the key is
// then checked for the whole name. A name with no run long enough to be rare in a text is
// answered by a plain search. The only other changes of the text during a pass are its own
// insertions, which shift what follows them (`shifts` maps the positions of the text as the
// pass began onto the current ones and back), and a Clear during a yield, after which every
// answer comes from a plain search. The scan reads the current text: an edit in front of
// where it stands can only destroy occurrences of keys, which the check notices.
//
// The entries must be asked with a non-decreasing start position each (as the passes do: an
// entry's search goes on behind its last occurrence); an earlier start is answered correctly
// but costs a search of the entry's occurrences.
class NameSearch {
 public:
  // Prepares the scan for the entries from 0 up to the first empty one. `written_units` are
  // the code units that the pass writes into the text; `shifts` (may be null) maps
  // positions for a pass that inserts.
  NameSearch(const SourceBuffer& buffer, const NameList& names, std::u16string_view written_units,
             const InsertionShifts* shifts);

  // The name of the entry, widened once for all the questions about it.
  const std::u16string& Name(std::size_t entry);
  // SourceBuffer::Find(from, names[entry]) on the current text.
  int32_t Next(std::size_t entry, int32_t from);

 private:
  struct Entry {
    int32_t occurrences = -1;  // index into occurrences_ (the key's); -1: searched plainly
    int32_t key_offset = 0;    // where the key stands in the name
    std::size_t cursor = 0;    // first occurrence not yet passed over
    int32_t last_from = 0;
  };
  int32_t Current(int32_t scanned) const { return shifts_ ? shifts_->Current(scanned) : scanned; }
  int32_t Scanned(int32_t current) const { return shifts_ ? shifts_->Scanned(current) : current; }
  bool ScanComplete() const { return scan_from_ > scan_length_; }
  // Scans the next share of the text.
  void ScanFurther();

  const SourceBuffer& buffer_;
  const NameList& names_;
  std::size_t named_entry_ = 0;
  std::optional<std::u16string> name_;  // names_[named_entry_]
  const InsertionShifts* shifts_;
  uint64_t generation_;  // the text being scanned
  std::vector<Entry> entries_;
  // Per distinct key, positions in the text as the pass began, ascending.
  std::vector<std::vector<int32_t>> occurrences_;
  std::optional<MultiPatternScan> scan_;
  // The scan goes on at this position of the text as the pass began, `share_` units at a time.
  int32_t scan_from_ = 1;
  int32_t scan_length_ = 0;
  int32_t share_ = 0;
};

}  // namespace veldrane
