#include "buffer/unit_search.h"

#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace veldrane {

namespace {

constexpr auto npos = std::u16string_view::npos;

// The index of the needle unit that is tested together with its first unit: the last one,
// unless it equals the first, in which case the last unit that differs from the first.
// Testing two different units rejects runs of one repeated unit (indentation, "''''") at
// once, where a first-unit scan would stop at every position.
std::size_t AnchorIndex(std::u16string_view needle) {
  std::size_t k = needle.size() - 1;
  while (k > 0 && needle[k] == needle[0]) --k;
  return k == 0 ? needle.size() - 1 : k;
}

bool MatchesAt(const char16_t* at, std::u16string_view needle) {
  return std::memcmp(at, needle.data(), needle.size() * sizeof(char16_t)) == 0;
}

// Candidates are tested eight at a time; returns the index reached, from which the scalar
// loop finishes, or the match found.
#if defined(__SSE2__)
std::size_t VectorScan(const char16_t* text, std::size_t from, std::size_t last_start,
                       std::u16string_view needle, std::size_t anchor, bool& found) {
  const __m128i first = _mm_set1_epi16(static_cast<short>(needle[0]));
  const __m128i second = _mm_set1_epi16(static_cast<short>(needle[anchor]));
  std::size_t i = from;
  // Both loads stay inside the text: i + 7 <= last_start and anchor <= needle.size() - 1.
  while (i + 8 <= last_start + 1) {
    const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text + i));
    const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text + i + anchor));
    const __m128i both = _mm_and_si128(_mm_cmpeq_epi16(a, first), _mm_cmpeq_epi16(b, second));
    unsigned mask = static_cast<unsigned>(_mm_movemask_epi8(both));
    while (mask != 0) {
      const std::size_t j = i + static_cast<std::size_t>(__builtin_ctz(mask)) / 2;
      if (MatchesAt(text + j, needle)) {
        found = true;
        return j;
      }
      mask &= mask - 1;  // each unit sets two mask bits: clear both
      mask &= mask - 1;
    }
    i += 8;
  }
  return i;
}
#endif

}  // namespace

std::size_t SearchUnits(std::u16string_view haystack, std::u16string_view needle, std::size_t from) {
  const std::size_t m = needle.size();
  if (m == 0 || m > haystack.size() || from > haystack.size() - m) return npos;
  const std::size_t last_start = haystack.size() - m;
  const std::size_t anchor = AnchorIndex(needle);
  std::size_t i = from;
#if defined(__SSE2__)
  bool found = false;
  i = VectorScan(haystack.data(), from, last_start, needle, anchor, found);
  if (found) return i;
#endif
  for (; i <= last_start; ++i) {
    if (haystack[i] == needle[0] && haystack[i + anchor] == needle[anchor] &&
        MatchesAt(haystack.data() + i, needle)) {
      return i;
    }
  }
  return npos;
}

}  // namespace veldrane
