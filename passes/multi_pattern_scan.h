#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace veldrane {

// Finds every occurrence of many literals in one pass over a text, overlapping ones
// included (an Aho–Corasick automaton over UTF-16 code units). The text may be fed in pieces.
class MultiPatternScan {
 public:
  // `patterns` must be distinct and not empty; they are identified by their index.
  explicit MultiPatternScan(const std::vector<std::u16string_view>& patterns);

  // Feeds the next units of the text and calls found(pattern, position) for every occurrence
  // that ends among them, position being the 1-based position of its first unit in the
  // whole text fed so far. The occurrences of one pattern are reported in ascending order.
  // The number of units fed so far.
  int64_t Fed() const { return fed_; }

  template <class Found>
  void Feed(std::u16string_view units, Found&& found) {
    for (char16_t unit : units) {
      ++fed_;
      state_ = Step(state_, unit);
      const Node& node = nodes_[static_cast<std::size_t>(state_)];
      for (int32_t n = node.pattern >= 0 ? state_ : node.output; n != 0;
           n = nodes_[static_cast<std::size_t>(n)].output) {
        const int32_t pattern = nodes_[static_cast<std::size_t>(n)].pattern;
        found(pattern, static_cast<int32_t>(fed_ - lengths_[static_cast<std::size_t>(pattern)] + 1));
      }
    }
  }

 private:
  struct Node {
    int32_t parent = 0;
    int32_t fail = 0;
    int32_t output = 0;    // nearest node on the fail chain that ends a pattern; 0 = none
    int32_t pattern = -1;  // the pattern that ends here
    char16_t unit = 0;     // the unit on the edge from the parent
  };

  int32_t Child(int32_t node, char16_t unit) const;
  void AddChild(int32_t node, char16_t unit, int32_t child);
  std::size_t Slot(int32_t node, char16_t unit) const;
  int32_t Step(int32_t state, char16_t unit) const {
    while (true) {
      const int32_t child = Child(state, unit);
      if (child != 0) return child;
      if (state == 0) return 0;
      state = nodes_[static_cast<std::size_t>(state)].fail;
    }
  }
  void LinkFailures(const std::vector<int32_t>& depths);

  std::vector<Node> nodes_;             // node 0 is the root
  std::vector<int32_t> root_children_;  // one entry per code unit; 0 = none
  std::vector<int32_t> children_;       // open addressing over (parent, unit); 0 = empty
  std::size_t slot_mask_ = 0;
  std::vector<int32_t> lengths_;
  int64_t fed_ = 0;
  int32_t state_ = 0;
};

}  // namespace veldrane
