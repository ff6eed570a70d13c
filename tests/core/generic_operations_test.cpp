#include "core/generic_operations.h"

#include <gtest/gtest.h>

#include "core/conversion_fixture.h"
#include "core/edit_operations.h"

namespace veldrane {
namespace {

using testing::ConversionFixture;
using testing::Convert;
using Label = RecordingHost::Label;

struct ReplaceCase {
  std::u16string find, replacement, text, expected;
};

TEST(ReplaceAll, ChainsThroughTheLastUnitOfEachReplacement) {
  const ReplaceCase cases[] = {
      {u" And ", u" and ", u"a And And b", u"a and and b"},
      {u" _", u" ", u"x __", u"x "},
      {u"Private ", u"", u"Private Sub A()\r\nPrivate Sub B()", u"Sub A()\r\nSub B()"},
      {u"Nothing", u"nil", u"abc", u"abc"},
      {u"'", u"//", u"a ' b '' c", u"a // b //// c"},
      {u"\"", u"'", u"\"x\"", u"'x'"},
  };
  for (const ReplaceCase& c : cases) {
    EXPECT_EQ(Convert(c.text, [&](Conversion& cv) { ReplaceAll(cv, c.find, c.replacement); }), c.expected);
  }
}

TEST(ReplaceAll, PassesOverOccurrencesPrecededByTheExceptedText) {
  const auto trunc = [](Conversion& cv) { ReplaceAll(cv, u"Int(", u"Trunc(", u"StrTo"); };
  EXPECT_EQ(Convert(u"StrToInt(x) + Int(y)", trunc), u"StrToInt(x) + Trunc(y)");
  EXPECT_EQ(Convert(u"Int(x)", trunc), u"Trunc(x)");
}

TEST(ReplaceAll, WritesItsCaptionsOnceBeforeItsFirstSearch) {
  ConversionFixture fixture(u"a And b And c");
  EXPECT_EQ(fixture.Run([](Conversion& cv) { ReplaceAll(cv, u"Private ", u""); }), u"a And b And c");
  fixture.Run([](Conversion& cv) { ReplaceAll(cv, u" And ", u""); });
  const std::vector<RecordingHost::CaptionWrite> expected = {{Label::kLabel1, u"「Private 」を「」に変換"},
                                                             {Label::kLabel2, u"全文字数 13"},
                                                             {Label::kLabel1, u"「 And 」を「」に変換"},
                                                             {Label::kLabel2, u"全文字数 13"}};
  EXPECT_EQ(fixture.host.Captions(), expected);
  // One yield per search: one for the first call, three for the second (two matches, one miss).
  EXPECT_EQ(fixture.host.Yields(), 4);
}

TEST(DeleteLines, RemovesFromTheKeywordThroughItsLineBreak) {
  const ReplaceCase cases[] = {
      {u"Option Explicit", u"", u"Option Explicit\r\nDim x\r\n", u"Dim x\r\n"},
      {u"Option Explicit", u"", u"Option Explicit\r\nOption Explicit\r\nDim x\r\n", u"Dim x\r\n"},
      {u"Attribute ", u"", u"x = 1 Attribute y\r\nz\r\n", u"x = 1 z\r\n"},
      // A keyword on a last line without a line break takes the rest of the text.
      {u"Attribute ", u"", u"a\r\nAttribute x", u"a\r\n"},
  };
  for (const ReplaceCase& c : cases) {
    EXPECT_EQ(Convert(c.text, [&](Conversion& cv) { DeleteLines(cv, c.find); }), c.expected);
  }
  ConversionFixture fixture(u"");
  fixture.Run([](Conversion& cv) { DeleteLines(cv, u"Option Explicit"); });
  EXPECT_EQ(fixture.host.Label1(), u"「Option Explicit」を削除");
  EXPECT_EQ(fixture.host.Label2(), u"全文字数 0");
}

TEST(ReplaceWithSuffix, PutsTheSuffixAtTheStatementEnd) {
  struct Case {
    std::u16string find, replacement, suffix;
    SuffixPlace place;
    std::u16string text, expected;
  };
  constexpr auto kBeforeEnd = SuffixPlace::kBeforeStatementEnd;
  constexpr auto kAsTerminator = SuffixPlace::kInPlaceOfTerminator;
  const Case cases[] = {
      {u"Enum ", u"type ", u" = (", kBeforeEnd, u"Enum Color\r\n", u"type Color = (\r\n"},
      {u"Enum ", u"type ", u" = (", kBeforeEnd, u"Enum Color // c\r\n", u"type Color  = (// c\r\n"},
      {u"Select Case ", u"case ", u" of", kAsTerminator, u"Select Case x;\r\n", u"case x of\r\n"},
      {u"Select Case ", u"case ", u" of", kAsTerminator, u"Select Case x;\r\nSelect Case y;\r\n",
       u"case x of\r\ncase y of\r\n"},
      // With a trailing comment the terminator in front of it takes the suffix.
      {u"Select Case ", u"case ", u" of", kAsTerminator, u"Select Case x ; // c\r\n", u"case x  of // c\r\n"},
      // No line break after the match: the keyword is replaced, no suffix is placed.
      {u"Enum ", u"type ", u" = (", kBeforeEnd, u"Enum Color", u"type Color"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(
        Convert(c.text,
                [&](Conversion& cv) { ReplaceWithSuffix(cv, c.find, c.replacement, c.suffix, c.place); }),
        c.expected);
  }
}

TEST(FindStatementEnd, StopsAtACommentBeforeTheLineBreak) {
  EXPECT_EQ(FindStatementEnd(SourceBuffer(u"a = 1\r\n"), 1), 6);
  EXPECT_EQ(FindStatementEnd(SourceBuffer(u"a = 1 // c\r\n"), 1), 7);
  EXPECT_EQ(FindStatementEnd(SourceBuffer(u"a = 1 // c"), 1), 0);
  EXPECT_EQ(FindStatementEnd(SourceBuffer(u"a = 1\r\n// c\r\n"), 1), 6);
}

TEST(GenericOperations, StopEndsTheOperationAfterTheIterationInProgress) {
  ConversionFixture fixture(u"a And b And c And d");
  fixture.host.StopAtYield(2);  // during the second iteration's yield
  EXPECT_EQ(fixture.Run([](Conversion& cv) { ReplaceAll(cv, u" And ", u" and "); }), u"a and b and c And d");
  ConversionFixture cleared(u"a And b And c");
  cleared.host.ClearAtYield(2);
  EXPECT_EQ(cleared.Run([](Conversion& cv) { ReplaceAll(cv, u" And ", u" and "); }), u"");
}

}  // namespace
}  // namespace veldrane
