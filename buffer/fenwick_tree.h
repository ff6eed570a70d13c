#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace veldrane {

// Sums over a row of counts that change one at a time (a Fenwick tree): the sum of the first
// k counts, a change of one count and the search for how many counts from the front stay
// within a total each take logarithmic time.
class FenwickTree {
 public:
  FenwickTree() = default;
  explicit FenwickTree(const std::vector<int64_t>& counts) : tree_(counts.size() + 1, 0) {
    for (std::size_t i = 1; i < tree_.size(); ++i) {
      tree_[i] += counts[i - 1];
      const std::size_t parent = i + LowBit(i);
      if (parent < tree_.size()) tree_[parent] += tree_[i];
    }
  }

  std::size_t Size() const { return tree_.empty() ? 0 : tree_.size() - 1; }

  // The sum of counts [0, k).
  int64_t SumBefore(std::size_t k) const {
    int64_t sum = 0;
    for (std::size_t i = k; i > 0; i &= i - 1) sum += tree_[i];
    return sum;
  }

  // Count i changes by delta.
  void Add(std::size_t i, int64_t delta) {
    for (std::size_t j = i + 1; j < tree_.size(); j += LowBit(j)) tree_[j] += delta;
  }

  // The largest k with SumBefore(k) <= total, for counts that are never negative.
  std::size_t CountWithin(int64_t total) const {
    std::size_t count = 0;
    int64_t sum = 0;
    for (std::size_t step = std::bit_floor(Size()); step > 0; step >>= 1) {
      if (count + step <= Size() && sum + tree_[count + step] <= total) {
        count += step;
        sum += tree_[count];
      }
    }
    return count;
  }

  bool operator==(const FenwickTree&) const = default;

 private:
  static std::size_t LowBit(std::size_t i) { return i & (~i + 1); }

  std::vector<int64_t> tree_;  // 1-based: entry i sums counts [i - LowBit(i), i)
};

}  // namespace veldrane
