// The reference version: each replacement and insertion edits the string in place.

#include "passes/declaration_rewriting.h"

#include <algorithm>

namespace veldrane {

namespace {

constexpr auto npos = std::u16string::npos;

// Gives every dimension inside "[" ... "]" that holds no "." the lower bound "0..", and
// turns the "; " between dimensions into ", ". Positions are 1-based, as in the buffer.
void AddLowerBounds(Conversion& cv, std::u16string& text) {
  const auto length = [&text] { return static_cast<int32_t>(text.size()); };
  const auto unit_at = [&text](int32_t p) { return text[static_cast<std::size_t>(p - 1)]; };
  const auto insert_before = [&text](int32_t p, std::u16string_view s) {
    text.insert(static_cast<std::size_t>(p - 1), s);
  };
  int32_t a = 1;
  while (ContinueRun(cv)) {
    const std::size_t bracket = text.find(u'[', static_cast<std::size_t>(a - 1));
    if (bracket == npos) return;
    a = static_cast<int32_t>(bracket) + 1;
    bool needs_lower_bound = true;
    int32_t dimension_start = a + 1;
    while (a <= length()) {
      if (!ContinueRun(cv)) return;
      ++a;
      if (a > length()) continue;
      const char16_t unit = unit_at(a);
      if (unit == u'.') {
        needs_lower_bound = false;
        ++a;
      } else if (unit == u';') {
        // A ";" that ends the text is the statement's terminator, not a separator of
        // dimensions: the bracket was never closed, and the scan ends here.
        if (a == length()) break;
        text.replace(static_cast<std::size_t>(a - 1), 2, u", ");
        ++a;
        if (needs_lower_bound) {
          insert_before(dimension_start, u"0..");
          a += 3;
        }
        dimension_start = a + 1;
        needs_lower_bound = true;
      } else if (unit == u']') {
        if (needs_lower_bound) insert_before(dimension_start, u"0..");
        break;
      }
    }
  }
}

}  // namespace

void ReplaceAllInString(Conversion& cv, std::u16string& text, std::u16string find,
                        std::u16string replacement) {
  std::size_t search_from = 0;
  while (ContinueRun(cv)) {
    const std::size_t p = find.empty() ? npos : text.find(find, search_from);
    if (p == npos) return;
    text.replace(p, find.size(), replacement);
    // The next search begins with the last unit of the replacement.
    search_from = p + std::max<std::size_t>(replacement.size(), 1) - 1;
  }
}

void RewriteDeclaration(Conversion& cv, std::u16string& text) {
  ReplaceAllInString(cv, text, u"() : ", u": array of ");
  ReplaceAllInString(cv, text, u"(", u": array[");
  ReplaceAllInString(cv, text, u") : ", u"] of ");
  ReplaceAllInString(cv, text, u" To ", u"..");
  AddLowerBounds(cv, text);
}

}  // namespace veldrane
