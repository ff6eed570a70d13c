#include "passes/multi_pattern_scan.h"

#include <bit>

namespace veldrane {

MultiPatternScan::MultiPatternScan(const std::vector<std::u16string_view>& patterns)
    : nodes_(1), root_children_(std::size_t{1} << 16, 0) {
  std::size_t total = 0;
  for (std::u16string_view pattern : patterns) total += pattern.size();
  // At most one node per pattern unit; the table stays at most half full, so probes are short.
  children_.assign(std::bit_ceil(2 * total + 2), 0);
  slot_mask_ = children_.size() - 1;
  nodes_.reserve(total + 1);

  std::vector<int32_t> depths{0};
  depths.reserve(total + 1);
  for (std::size_t id = 0; id < patterns.size(); ++id) {
    int32_t node = 0;
    for (char16_t unit : patterns[id]) {
      int32_t child = Child(node, unit);
      if (child == 0) {
        child = static_cast<int32_t>(nodes_.size());
        nodes_.push_back({node, 0, 0, -1, unit});
        depths.push_back(depths[static_cast<std::size_t>(node)] + 1);
        AddChild(node, unit, child);
      }
      node = child;
    }
    nodes_[static_cast<std::size_t>(node)].pattern = static_cast<int32_t>(id);
    lengths_.push_back(static_cast<int32_t>(patterns[id].size()));
  }
  LinkFailures(depths);
}

std::size_t MultiPatternScan::Slot(int32_t node, char16_t unit) const {
  const uint64_t key = (static_cast<uint64_t>(node) << 16) | unit;
  return static_cast<std::size_t>((key * 0x9E3779B97F4A7C15ull) >> 20) & slot_mask_;
}

int32_t MultiPatternScan::Child(int32_t node, char16_t unit) const {
  if (node == 0) return root_children_[unit];
  for (std::size_t slot = Slot(node, unit);; slot = (slot + 1) & slot_mask_) {
    const int32_t child = children_[slot];
    if (child == 0) return 0;
    const Node& n = nodes_[static_cast<std::size_t>(child)];
    if (n.parent == node && n.unit == unit) return child;
  }
}

void MultiPatternScan::AddChild(int32_t node, char16_t unit, int32_t child) {
  if (node == 0) {
    root_children_[unit] = child;
    return;
  }
  std::size_t slot = Slot(node, unit);
  while (children_[slot] != 0) slot = (slot + 1) & slot_mask_;
  children_[slot] = child;
}

void MultiPatternScan::LinkFailures(const std::vector<int32_t>& depths) {
  // Breadth first: a node's failure link needs those of all shallower nodes.
  std::vector<int32_t> order(nodes_.size());
  std::vector<int32_t> start;
  for (int32_t depth : depths) {
    if (static_cast<std::size_t>(depth) + 2 > start.size())
      start.resize(static_cast<std::size_t>(depth) + 2, 0);
    ++start[static_cast<std::size_t>(depth) + 1];
  }
  for (std::size_t d = 1; d < start.size(); ++d) start[d] += start[d - 1];
  for (std::size_t n = 0; n < nodes_.size(); ++n) {
    order[static_cast<std::size_t>(start[static_cast<std::size_t>(depths[n])]++)] = static_cast<int32_t>(n);
  }
  for (int32_t n : order) {
    Node& node = nodes_[static_cast<std::size_t>(n)];
    if (n == 0 || node.parent == 0) continue;  // the root and its children fail to the root
    int32_t fail = nodes_[static_cast<std::size_t>(node.parent)].fail;
    node.fail = Step(fail, node.unit);
    const Node& target = nodes_[static_cast<std::size_t>(node.fail)];
    node.output = target.pattern >= 0 ? node.fail : target.output;
  }
}

}  // namespace veldrane
