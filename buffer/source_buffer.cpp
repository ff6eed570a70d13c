#include "buffer/source_buffer.h"

#include <algorithm>
#include <cassert>
#include <cstring>
#include <utility>

#include "buffer/unit_search.h"

namespace veldrane {

namespace {
constexpr std::size_t kMinimumGap = 1024;
constexpr auto npos = std::u16string_view::npos;
}  // namespace

void SourceBuffer::Block::MoveGapTo(std::size_t offset) {
  if (offset < gap_start) {
    const std::size_t n = gap_start - offset;
    std::memmove(data.data() + gap_end - n, data.data() + offset, n * sizeof(char16_t));
    gap_start -= n;
    gap_end -= n;
  } else if (offset > gap_start) {
    const std::size_t n = offset - gap_start;
    std::memmove(data.data() + gap_start, data.data() + gap_end, n * sizeof(char16_t));
    gap_start += n;
    gap_end += n;
  }
}

void SourceBuffer::Block::ReserveGap(std::size_t needed) {
  if (gap_end - gap_start >= needed) return;
  const std::size_t tail = data.size() - gap_end;
  // An eighth more keeps the growth of a block amortised without doubling the memory of a
  // text whose every line gains a unit or two (the terminator pass adds one to each line).
  const std::size_t new_size = data.size() + std::max(data.size() / 8, needed + kMinimumGap);
  std::vector<char16_t> grown(new_size);
  std::copy(data.begin(), data.begin() + static_cast<std::ptrdiff_t>(gap_start), grown.begin());
  std::copy(data.end() - static_cast<std::ptrdiff_t>(tail), data.end(),
            grown.end() - static_cast<std::ptrdiff_t>(tail));
  data = std::move(grown);
  gap_end = data.size() - tail;
}

SourceBuffer::Block SourceBuffer::MakeBlock(std::u16string_view units) const {
  Block block;
  block.data.reserve(units.size() + kMinimumGap);
  block.data.assign(units.begin(), units.end());
  block.data.resize(units.size() + kMinimumGap);
  block.gap_start = units.size();
  block.gap_end = block.data.size();
  return block;
}

void SourceBuffer::SetText(std::u16string_view text) {
  SetTextInPieces([text]() mutable { return std::exchange(text, {}); });
}

void SourceBuffer::SetTextInPieces(const std::function<std::u16string_view()>& next_piece) {
  blocks_.clear();
  length_ = 0;
  std::vector<char16_t> staged;  // a block's units gathered from several pieces
  const auto add_block = [this](std::u16string_view units) {
    blocks_.push_back(MakeBlock(units));
    length_ += units.size();
  };
  for (std::u16string_view piece = next_piece(); !piece.empty(); piece = next_piece()) {
    while (!piece.empty()) {
      if (staged.empty() && piece.size() >= block_units_) {
        add_block(piece.substr(0, block_units_));
        piece.remove_prefix(block_units_);
        continue;
      }
      const std::size_t take = std::min(piece.size(), block_units_ - staged.size());
      staged.insert(staged.end(), piece.begin(), piece.begin() + static_cast<std::ptrdiff_t>(take));
      piece.remove_prefix(take);
      if (staged.size() == block_units_) {
        add_block({staged.data(), staged.size()});
        staged.clear();
      }
    }
  }
  if (!staged.empty() || blocks_.empty()) add_block({staged.data(), staged.size()});
  length_tree_ = BuildLengthTree();
  hint_ = 0;
  caret_ = 0;
  ++generation_;
  CheckInvariants();
}

std::u16string SourceBuffer::Text() const {
  std::u16string text;
  text.reserve(length_);
  for (const Block& block : blocks_) {
    text.append(block.data.data(), block.gap_start);
    text.append(block.data.data() + block.gap_end, block.data.size() - block.gap_end);
  }
  return text;
}

FenwickTree SourceBuffer::BuildLengthTree() const {
  std::vector<int64_t> lengths;
  lengths.reserve(blocks_.size());
  for (const Block& block : blocks_) lengths.push_back(static_cast<int64_t>(block.Length()));
  return FenwickTree(lengths);
}

void SourceBuffer::LengthChanged(std::size_t b, int64_t delta) { length_tree_.Add(b, delta); }

std::size_t SourceBuffer::Start(std::size_t b) const {
  return static_cast<std::size_t>(length_tree_.SumBefore(b));
}

std::size_t SourceBuffer::BlockOf(std::size_t index) const {
  const auto holds = [&](std::size_t b) {
    const std::size_t start = Start(b);
    return start <= index && (index < start + blocks_[b].Length() || b + 1 == blocks_.size());
  };
  if (hint_ < blocks_.size() && holds(hint_)) return hint_;
  if (hint_ + 1 < blocks_.size() && holds(hint_ + 1)) return ++hint_;
  // The most blocks from the front whose lengths add up to at most `index`: the block behind
  // them holds it (empty blocks are passed over, as their successor starts where they do).
  hint_ = std::min(length_tree_.CountWithin(static_cast<int64_t>(index)), blocks_.size() - 1);
  return hint_;
}

char16_t SourceBuffer::UnitAtIndex(std::size_t index) const {
  const std::size_t b = BlockOf(index);
  return blocks_[b].At(index - Start(b));
}

int32_t SourceBuffer::Find(int32_t p, std::u16string_view literal, int32_t limit) const {
  const std::size_t m = literal.size();
  if (m == 0 || m > length_ || limit <= 1) return 0;
  const std::size_t start = static_cast<std::size_t>(std::max(p, 1) - 1);
  // Largest index at which a match may begin.
  const std::size_t last = std::min(length_ - m, static_cast<std::size_t>(limit) - 2);
  if (start > last) return 0;
  const auto matches_at = [&](std::size_t i) {
    std::size_t k = 0;
    while (k < m && UnitAtIndex(i + k) == literal[k]) ++k;
    return k == m;
  };

  // Each block is two contiguous segments, in front of its gap and behind it. In each
  // segment, in text order: the matches wholly inside it, then those that begin in it and
  // reach into the following segments.
  for (std::size_t b = BlockOf(start); b < blocks_.size() && Start(b) <= last; ++b) {
    const Block& block = blocks_[b];
    const std::u16string_view segments[] = {
        {block.data.data(), block.gap_start},
        {block.data.data() + block.gap_end, block.data.size() - block.gap_end}};
    std::size_t base = Start(b);
    for (std::u16string_view segment : segments) {
      const std::size_t segment_base = base;
      base += segment.size();
      if (segment.empty() || base <= start) continue;
      if (segment_base > last) return 0;
      const std::size_t from = std::max(start, segment_base) - segment_base;
      const std::size_t i = SearchUnits(segment.substr(0, last + m - segment_base), literal, from);
      if (i != npos) return static_cast<int32_t>(segment_base + i + 1);
      // A straddling match needs the segment's tail from s on to begin the literal; that is
      // checked within the segment first, so a long literal costs no lookup per position.
      const std::size_t straddle_to = std::min(last + 1, base);
      for (std::size_t s = std::max({start, segment_base, base >= m ? base - m + 1 : 0}); s < straddle_to;
           ++s) {
        if (segment.substr(s - segment_base) != literal.substr(0, base - s)) continue;
        if (matches_at(s)) return static_cast<int32_t>(s + 1);
      }
    }
  }
  return 0;
}

int32_t SourceBuffer::FindLastBefore(int32_t p, char16_t unit) const {
  for (int32_t q = std::min(p - 1, Length()); q >= 1; --q) {
    if (UnitAtIndex(static_cast<std::size_t>(q - 1)) == unit) return q;
  }
  return 0;
}

char16_t SourceBuffer::At(int32_t p) const {
  if (p < 1 || p > Length()) return 0;
  return UnitAtIndex(static_cast<std::size_t>(p - 1));
}

std::u16string SourceBuffer::Substr(int32_t p, int32_t length) const {
  const int64_t first = std::max(p, 1);
  const int64_t end = std::min<int64_t>(Length() + 1, int64_t{p} + std::max(length, 0));
  if (end <= first) return {};
  // The wanted units as index range [from, to), copied from each segment they touch.
  std::size_t from = static_cast<std::size_t>(first - 1);
  const auto to = static_cast<std::size_t>(end - 1);
  std::u16string result;
  result.reserve(to - from);
  for (std::size_t b = BlockOf(from); from < to; ++b) {
    const Block& block = blocks_[b];
    const std::size_t local = from - Start(b);
    const std::size_t local_to = std::min(to - Start(b), block.Length());
    if (local < block.gap_start) {
      const std::size_t n = std::min(local_to, block.gap_start) - local;
      result.append(block.data.data() + local, n);
    }
    if (local_to > block.gap_start) {
      const std::size_t after = std::max(local, block.gap_start);
      result.append(block.data.data() + after + (block.gap_end - block.gap_start), local_to - after);
    }
    from = Start(b) + local_to;
  }
  return result;
}

void SourceBuffer::SelectAndReplace(int32_t offset, int32_t length, std::u16string_view text) {
  if (offset < 0 || offset > Length()) {
    // An edit that would start outside the text is not made at all.
    ++clamped_edits_;
    caret_ = std::clamp<int32_t>(offset, 0, Length());
    CheckInvariants();
    return;
  }
  const std::size_t at = static_cast<std::size_t>(offset);
  const std::size_t removed = std::min(static_cast<std::size_t>(std::max(length, 0)), length_ - at);
  if (static_cast<int64_t>(removed) != length) ++clamped_edits_;

  const std::size_t b = BlockOf(at);
  const std::size_t local = at - Start(b);
  if (removed == text.size() && local + removed <= blocks_[b].Length()) {
    // A replacement of equal length inside one block is written in place: nothing moves.
    Block& block = blocks_[b];
    for (std::size_t k = 0; k < removed; ++k) {
      const std::size_t i = local + k;
      block.data[i < block.gap_start ? i : i + (block.gap_end - block.gap_start)] = text[k];
    }
  } else {
    // The removed units, from this block and as many following ones as they reach into.
    std::size_t left = removed;
    std::size_t last = b;
    for (std::size_t r = b, from = local; left > 0; ++r, from = 0) {
      Block& target = blocks_[r];
      const std::size_t take = std::min(left, target.Length() - from);
      target.MoveGapTo(from);
      target.gap_end += take;
      left -= take;
      LengthChanged(r, -static_cast<int64_t>(take));
      last = r;
    }
    DropEmptiedBlocks(b + 1, last + 1);
    Block& block = blocks_[b];
    block.MoveGapTo(local);
    block.ReserveGap(text.size());
    std::copy(text.begin(), text.end(), block.data.begin() + static_cast<std::ptrdiff_t>(block.gap_start));
    block.gap_start += text.size();
    length_ = length_ - removed + text.size();
    LengthChanged(b, static_cast<int64_t>(text.size()));
    SplitIfTooLong(b);
  }
  caret_ = static_cast<int32_t>(at + text.size());
  CheckInvariants();
  if (edit_listener_ && (removed > 0 || !text.empty()))
    edit_listener_(offset, static_cast<int32_t>(removed), text);
}

void SourceBuffer::DropEmptiedBlocks(std::size_t first, std::size_t end) {
  std::size_t stop = first;
  while (stop < end && blocks_[stop].Length() == 0) ++stop;
  if (stop == first) return;
  const auto begin = blocks_.begin();
  blocks_.erase(begin + static_cast<std::ptrdiff_t>(first), begin + static_cast<std::ptrdiff_t>(stop));
  length_tree_ = BuildLengthTree();
  hint_ = first - 1;
}

void SourceBuffer::SplitIfTooLong(std::size_t b) {
  if (blocks_[b].Length() <= 2 * block_units_) return;
  const std::u16string units =
      Substr(static_cast<int32_t>(Start(b)) + 1, static_cast<int32_t>(blocks_[b].Length()));
  std::vector<Block> pieces;
  for (std::size_t at = 0; at < units.size(); at += block_units_) {
    pieces.push_back(MakeBlock(std::u16string_view(units).substr(at, block_units_)));
  }
  const auto where = static_cast<std::ptrdiff_t>(b);
  blocks_.erase(blocks_.begin() + where);
  blocks_.insert(blocks_.begin() + where, std::make_move_iterator(pieces.begin()),
                 std::make_move_iterator(pieces.end()));
  // Rare (once per block's worth of growth): the tree is built afresh.
  length_tree_ = BuildLengthTree();
  hint_ = b;
}

void SourceBuffer::CheckInvariants() const {
#ifndef NDEBUG
  assert(!blocks_.empty());
  assert(length_tree_ == BuildLengthTree());
  std::size_t length = 0;
  for (const Block& block : blocks_) {
    assert(block.gap_start <= block.gap_end && block.gap_end <= block.data.size());
    length += block.Length();
  }
  assert(length == length_);
  assert(length_ <= static_cast<std::size_t>(std::numeric_limits<int32_t>::max()));
  assert(0 <= caret_ && caret_ <= Length());
  assert(clamped_edits_ >= 0);
#endif
}

}  // namespace veldrane
