#include "passes/name_search.h"

#include <algorithm>
#include <unordered_map>

#include "passes/multi_pattern_scan.h"

namespace veldrane {

namespace {
// Units read from the text at a time for the scan.
constexpr int32_t kChunk = 1 << 16;
}  // namespace

NameSearch::NameSearch(const SourceBuffer& buffer, const std::vector<std::u16string>& names,
                       std::u16string_view written_units, const InsertionShifts* shifts)
    : buffer_(buffer), names_(names), shifts_(shifts), generation_(buffer.Generation()) {
  // Equal names share their occurrences.
  std::unordered_map<std::u16string_view, int32_t> distinct;
  std::vector<std::u16string_view> patterns;
  for (const std::u16string& name : names) {
    if (name.empty()) break;
    Entry entry;
    if (name.find_first_of(written_units) == std::u16string::npos) {
      const auto [it, added] = distinct.try_emplace(name, static_cast<int32_t>(patterns.size()));
      if (added) patterns.push_back(name);
      entry.occurrences = it->second;
    }
    entries_.push_back(entry);
  }
  occurrences_.resize(patterns.size());
  if (patterns.empty()) return;

  MultiPatternScan scan(patterns);
  const int32_t length = buffer.Length();
  for (int32_t p = 1; p <= length; p += kChunk) {
    scan.Feed(buffer.Substr(p, kChunk), [this](int32_t pattern, int32_t position) {
      occurrences_[static_cast<std::size_t>(pattern)].push_back(position);
    });
  }
}

int32_t NameSearch::Next(std::size_t entry, int32_t from) {
  const std::u16string& name = names_[entry];
  // A Clear during a yield replaced the text: from now on it is searched as it stands.
  if (buffer_.Generation() != generation_ || entry >= entries_.size() || entries_[entry].occurrences < 0)
    return buffer_.Find(from, name);

  Entry& e = entries_[entry];
  const std::vector<int32_t>& list = occurrences_[static_cast<std::size_t>(e.occurrences)];
  if (from < e.last_from) {
    // The shifts keep the order, so the current positions ascend like the scanned ones.
    e.cursor = static_cast<std::size_t>(
        std::partition_point(list.begin(), list.end(), [&](int32_t p) { return Current(p) < from; }) -
        list.begin());
  }
  e.last_from = from;
  for (; e.cursor < list.size(); ++e.cursor) {
    const int32_t at = Current(list[e.cursor]);
    // An occurrence that an edit of the pass has destroyed fails this check for good.
    if (at >= from && buffer_.Find(at, name, at + 1) == at) return at;
  }
  return 0;
}

}  // namespace veldrane
