#pragma once

#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

namespace veldrane {

// The simplest store of the text under conversion: one plain string, searched with the
// standard library's find and edited with replace. It stands in for the real buffer (same
// interface, same meaning) when the conversion core is built a second time for the
// equivalence check and for comparison benchmarks. Nothing here is tuned.
class SourceBuffer {
 public:
  static constexpr int32_t kNoLimit = std::numeric_limits<int32_t>::max();

  SourceBuffer() = default;
  explicit SourceBuffer(std::u16string_view text) { SetText(text); }

  void SetText(std::u16string_view text) {
    text_.assign(text);
    caret_ = 0;
    ++generation_;
  }
  // How often SetText has replaced the whole text.
  uint64_t Generation() const { return generation_; }
  std::u16string Text() const { return text_; }
  int32_t Length() const { return static_cast<int32_t>(text_.size()); }

  // The smallest position q >= p at which `literal` occurs and q < limit; 0 if none.
  int32_t Find(int32_t p, std::u16string_view literal, int32_t limit = kNoLimit) const;
  // The largest position q < p holding `unit`; 0 if none.
  int32_t FindLastBefore(int32_t p, char16_t unit) const;
  char16_t At(int32_t p) const {
    return p >= 1 && p <= Length() ? text_[static_cast<std::size_t>(p - 1)] : 0;
  }
  std::u16string Substr(int32_t p, int32_t length) const;
  // An offset outside the text makes no edit (the caret goes to the nearest end); a length
  // past the end is cut at the end.
  void SelectAndReplace(int32_t offset, int32_t length, std::u16string_view text);
  int32_t Caret() const { return caret_; }
  // How many SelectAndReplace calls named a range reaching outside the text.
  int64_t ClampedEdits() const { return clamped_edits_; }

 private:
  std::u16string text_;
  int32_t caret_ = 0;
  int64_t clamped_edits_ = 0;
  uint64_t generation_ = 0;
};

}  // namespace veldrane
