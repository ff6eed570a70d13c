#pragma once

#include <cstddef>
#include <string_view>

namespace veldrane {

// Index of the first occurrence of `needle` in `haystack` that starts at or after `from`,
// or std::u16string_view::npos. Code unit by code unit, case-sensitive. An empty needle
// is never found.
std::size_t SearchUnits(std::u16string_view haystack, std::u16string_view needle, std::size_t from);

}  // namespace veldrane
