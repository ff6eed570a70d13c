#include "buffer/unit_search.h"

namespace veldrane {

std::size_t SearchUnits(std::u16string_view haystack, std::u16string_view needle, std::size_t from) {
  if (needle.empty()) return std::u16string_view::npos;
  return haystack.find(needle, from);
}

}  // namespace veldrane
