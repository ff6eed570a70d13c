#include "passes/enumerations.h"

#include <gtest/gtest.h>

#include "core/conversion_fixture.h"
#include "core/interruption_sweep.h"
#include "core/table_test.h"

namespace veldrane {
namespace {

using testing::ConversionFixture;
using Label = RecordingHost::Label;

constexpr int32_t kWholeText = SourceBuffer::kNoLimit;

struct Case {
  std::u16string text;
  int32_t limit;
  std::u16string expected;
};

std::u16string ConvertUpTo(const std::u16string& text, int32_t limit) {
  return testing::Convert(text, [limit](Conversion& cv) { ConvertEnumerations(cv, limit); });
}

TEST(ConvertEnumerations, SeparatesTheMembersWithCommas) {
  const Case cases[] = {
      {u"type Color = (;\r\n  Red;\r\n  Green = 2;\r\n  Blue;\r\n);\r\n", kWholeText,
       u"type Color = (\r\n  Red,\r\n  Green = 2,\r\n  Blue\r\n);\r\n"},
      {u"type E = (;\r\n  A;\r\n);\r\n", kWholeText, u"type E = (\r\n  A\r\n);\r\n"},
      // Blank lines and a comment line without ";" stay; a ";" inside a comment is a
      // terminator like any other, and here it is the last one.
      {u"type E = (;\r\n  A;\r\n\r\n  // note\r\n  B ; // x; y\r\n);\r\n", kWholeText,
       u"type E = (\r\n  A,\r\n\r\n  // note\r\n  B , // x y\r\n);\r\n"},
      // The list ends at the first ");", here the end of a member's value.
      {u"type E = (;\r\n  Z;\r\n  A = (B + 1);\r\n  C;\r\n);\r\n", kWholeText,
       u"type E = (\r\n  Z\r\n  A = (B + 1);\r\n  C;\r\n);\r\n"},
      // An empty list writes no comma, so none is deleted.
      {u"type E = (;\r\n);\r\nx;\r\n", kWholeText, u"type E = (\r\n);\r\nx;\r\n"},
      // Without a closing line the header only loses its ";".
      {u"type E = (;\r\n  A;\r\n", kWholeText, u"type E = (\r\n  A;\r\n"},
      {u"type E = (;\r\n  A;\r\n);\r\ntype F = (;\r\n  B;\r\n  C;\r\n);\r\n", kWholeText,
       u"type E = (\r\n  A\r\n);\r\ntype F = (\r\n  B,\r\n  C\r\n);\r\n"},
  };
  for (const Case& c : cases) {
    TRACE_ROW(cases, c);
    EXPECT_EQ(ConvertUpTo(c.text, c.limit), c.expected) << c.text.size();
  }
}

TEST(ConvertEnumerations, ConvertsOnlyHeadersThatBeginBeforeTheLimit) {
  const std::u16string two = u"type E = (;\r\n  A;\r\n);\r\ntype F = (;\r\n  B;\r\n);\r\n";
  // The limit counts in the text as the pass finds it: converting E takes two units out in
  // front of F, whose " = (;" at 30 is then searched for at 28.
  ASSERT_EQ(two.substr(30 - 1, 5), u" = (;");
  const int32_t second_header = 28;
  const std::u16string first_only = u"type E = (\r\n  A\r\n);\r\ntype F = (;\r\n  B;\r\n);\r\n";
  const Case cases[] = {
      {two, second_header, first_only},
      {two, second_header + 1, u"type E = (\r\n  A\r\n);\r\ntype F = (\r\n  B\r\n);\r\n"},
      {two, 7, two},  // the first header begins at 7: not before the limit
      {two, 8, first_only},
      {two, 0, two},
      {two, -1, two},
  };
  for (const Case& c : cases) {
    TRACE_ROW(cases, c);
    EXPECT_EQ(ConvertUpTo(c.text, c.limit), c.expected) << "limit " << c.limit;
  }
}

TEST(ConvertEnumerations, ReportsItsCaptionAndYieldsOncePerHeaderAndTerminator) {
  ConversionFixture fixture(u"type E = (;\r\n  A;\r\n  B;\r\n);\r\n");
  fixture.Run([](Conversion& cv) { ConvertEnumerations(cv, kWholeText); });
  const std::vector<RecordingHost::CaptionWrite> expected = {{Label::kLabel1, u"列挙型を変換"},
                                                             {Label::kLabel2, u"全文字数 29"}};
  EXPECT_EQ(fixture.host.Captions(), expected);
  // Header search, two terminators, the search that meets the list end, the last header search.
  EXPECT_EQ(fixture.host.Yields(), 5);
}

TEST(ConvertEnumerations, StopInTheMemberLoopLeavesTheRestAndTheLastComma) {
  ConversionFixture fixture(u"type E = (;\r\n  A;\r\n  B;\r\n  C;\r\n);\r\n");
  fixture.host.StopAtYield(3);  // during the search for the second terminator
  EXPECT_EQ(fixture.Run([](Conversion& cv) { ConvertEnumerations(cv, kWholeText); }),
            u"type E = (\r\n  A,\r\n  B,\r\n  C;\r\n);\r\n");
}

TEST(ConvertEnumerations, StaysInsideTheTextWhenStoppedOrClearedAnywhere) {
  testing::ExpectSoundAtEveryYield(
      u"type E = (;\r\n  A;\r\n  B;\r\n);\r\ntype F = (;\r\n  C;\r\n", [](ConversionState&) {},
      [](Conversion& cv) { ConvertEnumerations(cv, kWholeText); });
}

}  // namespace
}  // namespace veldrane
