#include "buffer/source_buffer.h"

#include <algorithm>
#include <cassert>
#include <cstring>

#include "buffer/unit_search.h"

namespace veldrane {

namespace {
constexpr std::size_t kMinimumGap = 4096;
constexpr auto npos = std::u16string_view::npos;
}  // namespace

void SourceBuffer::SetText(std::u16string_view text) {
  data_.assign(text.begin(), text.end());
  data_.resize(text.size() + kMinimumGap);
  gap_start_ = text.size();
  gap_end_ = data_.size();
  caret_ = 0;
  ++generation_;
  CheckInvariants();
}

std::u16string SourceBuffer::Text() const {
  std::u16string text(data_.data(), gap_start_);
  text.append(data_.data() + gap_end_, data_.size() - gap_end_);
  return text;
}

int32_t SourceBuffer::Find(int32_t p, std::u16string_view literal, int32_t limit) const {
  const std::size_t m = literal.size();
  const std::size_t length = static_cast<std::size_t>(Length());
  if (m == 0 || m > length || limit <= 1) return 0;
  const std::size_t start = static_cast<std::size_t>(std::max(p, 1) - 1);
  // Largest index at which a match may begin.
  const std::size_t last = std::min(length - m, static_cast<std::size_t>(limit) - 2);
  if (start > last) return 0;
  const auto found = [](std::size_t index) { return static_cast<int32_t>(index + 1); };

  // Matches lying wholly before the gap.
  const std::u16string_view before(data_.data(), std::min(gap_start_, last + m));
  if (start < before.size()) {
    const std::size_t i = SearchUnits(before, literal, start);
    if (i != npos) return found(i);
  }
  // Matches that straddle the gap.
  const std::size_t straddle_from = std::max(start, gap_start_ >= m ? gap_start_ - m + 1 : 0);
  const std::size_t straddle_to = std::min(last + 1, gap_start_);
  for (std::size_t i = straddle_from; i < straddle_to; ++i) {
    std::size_t k = 0;
    while (k < m && UnitAtIndex(i + k) == literal[k]) ++k;
    if (k == m) return found(i);
  }
  // Matches lying wholly after the gap.
  if (last < gap_start_) return 0;
  const std::u16string_view after(data_.data() + gap_end_, last + m - gap_start_);
  const std::size_t from = start > gap_start_ ? start - gap_start_ : 0;
  const std::size_t i = SearchUnits(after, literal, from);
  return i == npos ? 0 : found(i + gap_start_);
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
  const auto from = static_cast<std::size_t>(first - 1);
  const auto to = static_cast<std::size_t>(end - 1);
  std::u16string result;
  result.reserve(to - from);
  if (from < gap_start_) result.append(data_.data() + from, std::min(to, gap_start_) - from);
  if (to > gap_start_) {
    const std::size_t after = std::max(from, gap_start_);
    result.append(data_.data() + after + GapSize(), to - after);
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
  const std::size_t removed =
      std::min(static_cast<std::size_t>(std::max(length, 0)), static_cast<std::size_t>(Length()) - at);
  if (static_cast<int64_t>(removed) != length) ++clamped_edits_;
  MoveGapTo(at);
  gap_end_ += removed;
  ReserveGap(text.size());
  std::copy(text.begin(), text.end(), data_.begin() + static_cast<std::ptrdiff_t>(gap_start_));
  gap_start_ += text.size();
  caret_ = static_cast<int32_t>(gap_start_);
  CheckInvariants();
}

void SourceBuffer::MoveGapTo(std::size_t offset) {
  if (offset < gap_start_) {
    const std::size_t n = gap_start_ - offset;
    std::memmove(data_.data() + gap_end_ - n, data_.data() + offset, n * sizeof(char16_t));
    gap_start_ -= n;
    gap_end_ -= n;
  } else if (offset > gap_start_) {
    const std::size_t n = offset - gap_start_;
    std::memmove(data_.data() + gap_start_, data_.data() + gap_end_, n * sizeof(char16_t));
    gap_start_ += n;
    gap_end_ += n;
  }
}

void SourceBuffer::ReserveGap(std::size_t needed) {
  if (GapSize() >= needed) return;
  const std::size_t tail = data_.size() - gap_end_;
  const std::size_t new_size = std::max(data_.size() * 2, data_.size() + needed + kMinimumGap);
  std::vector<char16_t> grown(new_size);
  std::copy(data_.begin(), data_.begin() + static_cast<std::ptrdiff_t>(gap_start_), grown.begin());
  std::copy(data_.end() - static_cast<std::ptrdiff_t>(tail), data_.end(),
            grown.end() - static_cast<std::ptrdiff_t>(tail));
  data_ = std::move(grown);
  gap_end_ = data_.size() - tail;
}

void SourceBuffer::CheckInvariants() const {
  assert(gap_start_ <= gap_end_);
  assert(gap_end_ <= data_.size());
  assert(data_.size() - GapSize() <= static_cast<std::size_t>(std::numeric_limits<int32_t>::max()));
  assert(0 <= caret_ && caret_ <= Length());
  assert(clamped_edits_ >= 0);
}

}  // namespace veldrane
