#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace veldrane {

// The length of a literal in code units, as the 32-bit counts of positions and offsets hold it.
inline int32_t Length(std::u16string_view s) { return static_cast<int32_t>(s.size()); }

// `value` in decimal digits, with a leading "-" when negative.
inline std::u16string DecimalText(int64_t value) {
  const std::string digits = std::to_string(value);
  return std::u16string(digits.begin(), digits.end());
}

}  // namespace veldrane
