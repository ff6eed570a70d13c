#pragma once

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>

namespace veldrane {

// A string edited at places that move forward through it (a scan that inserts behind where
// it reads): the units stand in front of and behind a gap at the last insertion, so each
// insertion moves only the units between it and the one before instead of the whole rest.
// Indices are 0-based, over the text without the gap.
class GapText {
 public:
  explicit GapText(std::u16string text)
      : data_(std::move(text)), gap_start_(data_.size()), gap_end_(data_.size()) {}

  std::size_t size() const { return data_.size() - Gap(); }
  char16_t operator[](std::size_t i) const { return data_[Stored(i)]; }
  void Set(std::size_t i, char16_t unit) { data_[Stored(i)] = unit; }

  // The first index at or after `from` holding `unit`, or npos.
  std::size_t Find(char16_t unit, std::size_t from) const {
    if (from < gap_start_) {
      const std::size_t i = std::u16string_view(data_).substr(0, gap_start_).find(unit, from);
      if (i != std::u16string_view::npos) return i;
    }
    const std::size_t i = data_.find(unit, std::max(from, gap_start_) + Gap());
    return i == std::u16string::npos ? i : i - Gap();
  }

  void Insert(std::size_t at, std::u16string_view units) {
    MoveGapTo(at);
    if (Gap() < units.size()) Widen(units.size());
    std::copy(units.begin(), units.end(), data_.begin() + static_cast<std::ptrdiff_t>(gap_start_));
    gap_start_ += units.size();
  }

  // The text, the gap closed; leaves this object empty.
  std::u16string Take() {
    data_.erase(gap_start_, Gap());
    gap_start_ = gap_end_ = 0;
    return std::move(data_);
  }

 private:
  std::size_t Gap() const { return gap_end_ - gap_start_; }
  std::size_t Stored(std::size_t i) const { return i < gap_start_ ? i : i + Gap(); }
  void MoveGapTo(std::size_t at) {
    if (at < gap_start_) {
      std::copy_backward(data_.begin() + static_cast<std::ptrdiff_t>(at),
                         data_.begin() + static_cast<std::ptrdiff_t>(gap_start_),
                         data_.begin() + static_cast<std::ptrdiff_t>(gap_end_));
    } else {
      std::copy(data_.begin() + static_cast<std::ptrdiff_t>(gap_end_),
                data_.begin() + static_cast<std::ptrdiff_t>(at + Gap()),
                data_.begin() + static_cast<std::ptrdiff_t>(gap_start_));
    }
    gap_end_ = at + Gap();
    gap_start_ = at;
  }
  void Widen(std::size_t needed) {
    const std::size_t extra = std::max(needed, data_.size() / 8 + 16);
    data_.insert(gap_end_, extra, u'\0');
    gap_end_ += extra;
  }

  std::u16string data_;
  std::size_t gap_start_, gap_end_;
};

}  // namespace veldrane
