#include "passes/insertion_shifts.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "buffer/source_buffer.h"

namespace veldrane {
namespace {

// Units are inserted in front of random ";"s, several in front of some, the way the call
// pass puts its ")"s; after each insertion every unit that stood in the text from the start
// is followed: Current maps its first position to where it stands now, Scanned maps back.
TEST(InsertionShifts, MapsEveryOriginalUnitToWhereItStandsAndBack) {
  for (const unsigned seed : {1u, 2u, 3u}) {
    SCOPED_TRACE(seed);
    std::mt19937 random(seed);
    std::u16string text;
    for (int i = 0; i < 200; ++i) text.push_back(random() % 4 == 0 ? u';' : u'a');
    SourceBuffer buffer(text, 16);
    InsertionShifts shifts(buffer, u';');
    // where[o - 1]: the current position of the unit that stood at position o.
    std::vector<int32_t> where(text.size());
    for (std::size_t i = 0; i < where.size(); ++i) where[i] = static_cast<int32_t>(i) + 1;

    for (int step = 0; step < 60; ++step) {
      const auto anchor = static_cast<std::size_t>(random() % text.size());
      if (text[anchor] != u';') continue;
      const int32_t at = where[anchor];
      buffer.SelectAndReplace(at - 1, 0, u")");
      ASSERT_TRUE(shifts.InsertedBefore(at));
      for (int32_t& p : where) p += p >= at ? 1 : 0;
      for (std::size_t i = 0; i < where.size(); ++i) {
        const auto original = static_cast<int32_t>(i) + 1;
        ASSERT_EQ(shifts.Current(original), where[i]) << "unit " << original;
        ASSERT_EQ(shifts.Scanned(where[i]), original) << "unit " << original;
        ASSERT_EQ(buffer.At(where[i]), text[i]);
      }
    }
    // Only in front of a ";" is anything recorded.
    const auto plain = text.find(u'a');
    EXPECT_FALSE(shifts.InsertedBefore(where[plain]));
  }
}

}  // namespace
}  // namespace veldrane
