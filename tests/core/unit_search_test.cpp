#include "buffer/unit_search.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "core/table_test.h"

namespace veldrane {
namespace {

constexpr auto npos = std::u16string_view::npos;

// Texts long enough that matches fall in the eight-unit blocks, across their borders and in
// the tail after the last full block.
TEST(SearchUnits, FindsTheFirstOccurrenceAtOrAfterTheStart) {
  const std::u16string long_text = std::u16string(37, u' ') + u"And" + std::u16string(5, u' ') + u"x";
  struct Case {
    std::u16string_view haystack, needle;
    std::size_t from, expected;
  };
  const Case cases[] = {
      {u"a And And b", u" And ", 0, 1},
      {u"a And And b", u" And ", 2, 5},
      {u"abc", u"", 0, npos},
      {u"", u"a", 0, npos},
      {u"ab", u"abc", 0, npos},
      {u"abc", u"c", 3, npos},
      {u"abc", u"c", 2, 2},
      {u"AbC", u"abc", 0, npos},
      {long_text, u" And ", 0, 36},
      {long_text, u"And", 37, 37},
      {long_text, u"And", 38, npos},
      {long_text, u"x", 0, 45},
      {long_text, u"     x", 0, 40},
      {u"xxxxxxxxxxxxxxxxxxxy", u"xy", 0, 18},
      {u"''''''''''''''''''''", u"''", 5, 5},
      {u"0123456789abcdef0123456789", u"f01", 0, 15},
      {u"0123456789abcdef0123456789", u"789", 8, 23},
      {u"a\r\nb\r\nc\r\nd\r\ne\r\nf", u"\r\n", 10, 10},
  };
  for (const Case& c : cases) {
    TRACE_ROW(cases, c);
    EXPECT_EQ(SearchUnits(c.haystack, c.needle, c.from), c.expected)
        << "needle length " << c.needle.size() << " from " << c.from;
  }
}

// Random texts over small alphabets make near misses common: first and last units that
// match with a mismatch between them, and needles made of one repeated unit.
TEST(SearchUnits, AgreesWithTheStandardFindOnRandomTexts) {
  std::mt19937 random(2024);
  const std::u16string alphabets[] = {u"ab", u" _", u"ab\r\n;", u"\u3042\u3044x"};
  for (int round = 0; round < 20000; ++round) {
    const std::u16string& alphabet = alphabets[round % 4];
    auto text = [&](std::size_t max_length) {
      std::u16string s(random() % (max_length + 1), u' ');
      for (auto& c : s) c = alphabet[random() % alphabet.size()];
      return s;
    };
    const std::u16string haystack = text(70);
    const std::u16string needle = text(5);
    const std::size_t from = random() % (haystack.size() + 2);
    const std::size_t expected = needle.empty() ? npos : std::u16string_view(haystack).find(needle, from);
    ASSERT_EQ(SearchUnits(haystack, needle, from), expected)
        << "round " << round << " length " << haystack.size() << " from " << from;
  }
}

// The scan reads only the view it is given, also when the memory behind it holds a match.
TEST(SearchUnits, StopsAtTheEndOfTheView) {
  const std::u16string memory = u"0123456789abcdefghijXY";
  for (std::size_t length = 0; length + 2 < memory.size(); ++length) {
    EXPECT_EQ(SearchUnits(std::u16string_view(memory).substr(0, length), u"XY", 0), npos) << length;
  }
  EXPECT_EQ(SearchUnits(memory, u"XY", 0), 20u);
}

}  // namespace
}  // namespace veldrane
