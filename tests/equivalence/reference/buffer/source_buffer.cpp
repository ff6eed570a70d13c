#include "buffer/source_buffer.h"

#include <algorithm>

namespace veldrane {

int32_t SourceBuffer::Find(int32_t p, std::u16string_view literal, int32_t limit) const {
  if (literal.empty()) return 0;
  const auto from = static_cast<std::size_t>(std::max(p, 1) - 1);
  const std::size_t i = std::u16string_view(text_).find(literal, from);
  if (i == std::u16string_view::npos || static_cast<int64_t>(i) + 1 >= limit) return 0;
  return static_cast<int32_t>(i + 1);
}

int32_t SourceBuffer::FindLastBefore(int32_t p, char16_t unit) const {
  if (p <= 1) return 0;
  const std::size_t i = text_.rfind(unit, static_cast<std::size_t>(p - 2));
  return i == std::u16string::npos ? 0 : static_cast<int32_t>(i + 1);
}

std::u16string SourceBuffer::Substr(int32_t p, int32_t length) const {
  const int32_t first = std::max(p, 1);
  const int32_t end = std::min<int64_t>(Length() + 1, int64_t{p} + std::max(length, 0));
  if (end <= first) return {};
  return text_.substr(static_cast<std::size_t>(first - 1), static_cast<std::size_t>(end - first));
}

void SourceBuffer::SelectAndReplace(int32_t offset, int32_t length, std::u16string_view text) {
  if (offset < 0 || offset > Length()) {
    ++clamped_edits_;
    caret_ = std::clamp(offset, 0, Length());
    return;
  }
  const auto at = static_cast<std::size_t>(offset);
  const std::size_t removed = std::min(static_cast<std::size_t>(std::max(length, 0)), text_.size() - at);
  if (static_cast<int64_t>(removed) != length) ++clamped_edits_;
  text_.replace(at, removed, text);
  caret_ = static_cast<int32_t>(at + text.size());
}

}  // namespace veldrane
