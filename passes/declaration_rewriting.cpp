#include "passes/declaration_rewriting.h"

#include <algorithm>

#include "passes/gap_text.h"

namespace veldrane {

namespace {

constexpr auto npos = std::u16string::npos;

// Gives every dimension inside "[" ... "]" that holds no "." the lower bound "0..", and
// turns the "; " between dimensions into ", ". Positions are 1-based, as in the buffer.
// Each insertion stands at or behind the one before, so the text keeps its gap there.
void AddLowerBounds(Conversion& cv, GapText& text) {
  const auto length = [&text] { return static_cast<int32_t>(text.size()); };
  const auto unit_at = [&text](int32_t p) { return text[static_cast<std::size_t>(p - 1)]; };
  const auto insert_before = [&text](int32_t p, std::u16string_view s) {
    text.Insert(static_cast<std::size_t>(p - 1), s);
  };
  int32_t a = 1;
  while (ContinueRun(cv)) {
    const std::size_t bracket = text.Find(u'[', static_cast<std::size_t>(a - 1));
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
        text.Set(static_cast<std::size_t>(a - 1), u',');
        text.Set(static_cast<std::size_t>(a), u' ');
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
  // The text is rebuilt front to back: `done` holds it up to the last replacement, `rest`
  // indexes the units of the old text that follow.
  std::u16string done;
  std::size_t rest = 0;
  bool replaced = false;
  const std::u16string_view old(text);
  while (ContinueRun(cv)) {
    if (find.empty()) break;
    // The next search begins with the last unit of the replacement just made: only there
    // can an occurrence begin in front of the old text's rest.
    if (replaced && !replacement.empty() && done.back() == find.front() &&
        old.substr(rest, find.size() - 1) == std::u16string_view(find).substr(1)) {
      done.pop_back();
      rest += find.size() - 1;
    } else {
      const std::size_t p = old.find(find, rest);
      if (p == npos) break;
      if (!replaced) done.reserve(text.size());
      done.append(old.substr(rest, p - rest));
      rest = p + find.size();
    }
    done += replacement;
    replaced = true;
  }
  if (!replaced) return;
  done.append(old.substr(rest));
  text = std::move(done);
}

void RewriteDeclaration(Conversion& cv, std::u16string& text) {
  ReplaceAllInString(cv, text, u"() : ", u": array of ");
  ReplaceAllInString(cv, text, u"(", u": array[");
  ReplaceAllInString(cv, text, u") : ", u"] of ");
  ReplaceAllInString(cv, text, u" To ", u"..");
  GapText bounded(std::move(text));
  AddLowerBounds(cv, bounded);
  text = bounded.Take();
}

}  // namespace veldrane
