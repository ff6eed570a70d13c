#include "passes/name_search.h"

#include <algorithm>
#include <unordered_map>

namespace veldrane {

namespace {
// The scan advances by this share of the text per answer.
constexpr int32_t kScanShares = 16;
// Units read from the text at a time for the scan.
constexpr int32_t kChunk = 1 << 16;
// A key of a name that holds written units must be this long to be rare in a text: a shorter
// one (a single letter, say) would have the whole text checked occurrence by occurrence.
constexpr std::size_t kMinimumKey = 8;
// Longer names are found by their first units; the check compares the rest.
constexpr std::size_t kMaximumKey = 32;

struct Key {
  std::size_t offset = 0;
  std::u16string_view units;  // empty: the name is searched plainly
};

// The name's first run of units that the pass never writes, or its longest where the first
// is too short to be rare; at most kMaximumKey units of it.
Key KeyOf(std::u16string_view name, std::u16string_view written_units) {
  const std::size_t first_end = std::min(name.find_first_of(written_units), name.size());
  if (first_end == name.size() || first_end >= kMinimumKey) {
    return {0, name.substr(0, std::min(first_end, kMaximumKey))};
  }
  Key longest;
  for (std::size_t start = first_end + 1; start < name.size();) {
    const std::size_t end = std::min(name.find_first_of(written_units, start), name.size());
    if (end - start > longest.units.size()) longest = {start, name.substr(start, end - start)};
    start = end + 1;
  }
  if (longest.units.size() < kMinimumKey) return {};
  longest.units = longest.units.substr(0, kMaximumKey);
  return longest;
}

}  // namespace

NameSearch::NameSearch(const SourceBuffer& buffer, const NameList& names, std::u16string_view written_units,
                       const InsertionShifts* shifts)
    : buffer_(buffer), names_(names), shifts_(shifts), generation_(buffer.Generation()) {
  // Equal keys share their occurrences.
  std::unordered_map<std::u16string, int32_t> distinct;
  std::vector<std::u16string> keys;
  for (std::size_t index = 0; index < names.size() && !names.IsEmpty(index); ++index) {
    const std::u16string name = names[index];
    Entry entry;
    const Key key = KeyOf(name, written_units);
    if (!key.units.empty()) {
      const auto [it, added] =
          distinct.try_emplace(std::u16string(key.units), static_cast<int32_t>(keys.size()));
      if (added) keys.emplace_back(key.units);
      entry.occurrences = it->second;
      entry.key_offset = static_cast<int32_t>(key.offset);
    }
    entries_.push_back(entry);
  }
  occurrences_.resize(keys.size());
  if (keys.empty()) return;
  scan_.emplace(std::vector<std::u16string_view>(keys.begin(), keys.end()));
  scan_length_ = buffer.Length();
  share_ = scan_length_ / kScanShares + 1;
}

void NameSearch::ScanFurther() {
  // Units [scan_from_, end) of the text as the pass began stand now at [from, to); the pass's
  // insertions among them are read too (a pattern never holds one, so none is reported
  // across one in a real occurrence).
  const int32_t end = std::min(scan_from_ + share_, scan_length_ + 1);
  const int32_t from = Current(scan_from_);
  const int32_t to = end > scan_length_ ? buffer_.Length() + 1 : Current(end);
  for (int32_t p = from; p < to; p += kChunk) {
    // The scan numbers the units it is fed from 1 on; this piece's first unit is at p now.
    const auto offset = static_cast<int32_t>(p - (scan_->Fed() + 1));
    scan_->Feed(buffer_.Substr(p, std::min(kChunk, to - p)), [&](int32_t pattern, int32_t position) {
      occurrences_[static_cast<std::size_t>(pattern)].push_back(Scanned(position + offset));
    });
  }
  scan_from_ = end;
}

const std::u16string& NameSearch::Name(std::size_t entry) {
  if (!name_ || named_entry_ != entry) {
    name_ = names_[entry];
    named_entry_ = entry;
  }
  return *name_;
}

int32_t NameSearch::Next(std::size_t entry, int32_t from) {
  const std::u16string& name = Name(entry);
  // A Clear during a yield replaced the text: from now on it is searched as it stands.
  if (buffer_.Generation() != generation_ || entry >= entries_.size() || entries_[entry].occurrences < 0)
    return buffer_.Find(from, name);
  if (!ScanComplete()) ScanFurther();

  Entry& e = entries_[entry];
  const std::vector<int32_t>& list = occurrences_[static_cast<std::size_t>(e.occurrences)];
  if (from < e.last_from) {
    // The shifts keep the order, so the current positions ascend like the scanned ones.
    e.cursor = static_cast<std::size_t>(
        std::partition_point(list.begin(), list.end(),
                             [&](int32_t p) { return Current(p) - e.key_offset < from; }) -
        list.begin());
  }
  e.last_from = from;
  for (; e.cursor < list.size(); ++e.cursor) {
    const int32_t at = Current(list[e.cursor]) - e.key_offset;
    // A place passed over here stays without the name: the pass edits only behind the
    // occurrence it is given, which comes after this place.
    if (at >= from && buffer_.Find(at, name, at + 1) == at) return at;
  }
  // The occurrences of a name are found in order: any not found yet lies behind the scanned part.
  return ScanComplete() ? 0 : buffer_.Find(from, name);
}

}  // namespace veldrane
