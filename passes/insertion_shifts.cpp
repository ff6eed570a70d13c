#include "passes/insertion_shifts.h"

#include <algorithm>

namespace veldrane {

namespace {
// Units read from the text at a time when its anchors are collected.
constexpr int32_t kChunk = 1 << 16;
}  // namespace

InsertionShifts::InsertionShifts(const SourceBuffer& buffer, char16_t anchor) {
  const int32_t length = buffer.Length();
  for (int32_t p = 1; p <= length; p += kChunk) {
    const std::u16string chunk = buffer.Substr(p, kChunk);
    for (std::size_t i = 0; i < chunk.size(); ++i) {
      if (chunk[i] == anchor) anchors_.push_back(p + static_cast<int32_t>(i));
    }
  }
  insertions_before_ = FenwickTree(std::vector<int64_t>(anchors_.size(), 0));
}

int32_t InsertionShifts::InsertionsUpTo(std::size_t rank) const {
  return static_cast<int32_t>(insertions_before_.SumBefore(rank + 1));
}

int32_t InsertionShifts::Current(int32_t scanned) const {
  if (insertions_ == 0) return scanned;
  // Anchors at or before the unit: an insertion in front of an anchor shifts the anchor too.
  const auto after = std::upper_bound(anchors_.begin(), anchors_.end(), scanned);
  if (after == anchors_.begin()) return scanned;
  return scanned + InsertionsUpTo(static_cast<std::size_t>(after - anchors_.begin() - 1));
}

std::size_t InsertionShifts::FirstAnchorFrom(int32_t current) const {
  // The anchors' current positions ascend with their rank.
  std::size_t low = 0, high = anchors_.size();
  while (low < high) {
    const std::size_t mid = low + (high - low) / 2;
    if (anchors_[mid] + InsertionsUpTo(mid) < current) {
      low = mid + 1;
    } else {
      high = mid;
    }
  }
  return low;
}

int32_t InsertionShifts::Scanned(int32_t current) const {
  if (insertions_ == 0) return current;
  // The anchors standing at or before the unit carry the insertions that shifted it.
  const std::size_t after = FirstAnchorFrom(current + 1);
  return after == 0 ? current : current - InsertionsUpTo(after - 1);
}

bool InsertionShifts::InsertedBefore(int32_t current) {
  const std::size_t low = FirstAnchorFrom(current);
  if (low == anchors_.size() || anchors_[low] + InsertionsUpTo(low) != current) return false;
  insertions_before_.Add(low, 1);
  ++insertions_;
  return true;
}

}  // namespace veldrane
