#include "passes/declaration_rewriting.h"

#include <gtest/gtest.h>

#include "core/conversion_fixture.h"
#include "core/table_test.h"

namespace veldrane {
namespace {

using testing::ConversionFixture;

struct Case {
  std::u16string text, expected;
};

// Runs `rewrite` on a copy of `text` with a fresh run state; returns the rewritten copy.
std::u16string Rewritten(std::u16string text,
                         const std::function<void(Conversion&, std::u16string&)>& rewrite,
                         ConversionFixture* fixture = nullptr) {
  ConversionFixture own(u"");
  ConversionFixture& f = fixture ? *fixture : own;
  f.Run([&](Conversion& cv) { rewrite(cv, text); });
  return text;
}

std::u16string Declaration(std::u16string text) { return Rewritten(std::move(text), RewriteDeclaration); }

TEST(RewriteDeclaration, TurnsBoundListsIntoArrayTypes) {
  const Case cases[] = {
      {u"a() : Integer;", u"a: array of Integer;"},
      {u"a(10) : Integer;", u"a: array[0..10] of Integer;"},
      {u"a(1 To 10) : Integer;", u"a: array[1..10] of Integer;"},
      {u"m(3; 4) : Double;", u"m: array[0..3, 0..4] of Double;"},
      {u"m(1 To 3; 4) : Double;", u"m: array[1..3, 0..4] of Double;"},
      {u"x : Integer; v(5) : String;", u"x : Integer; v: array[0..5] of String;"},
      // Nothing to rewrite.
      {u"x : Double; s : String;", u"x : Double; s : String;"},
      {u"", u""},
      // A range in any dimension keeps its bounds; the others get 0.
      {u"m(3; 1 To 4; 5) : Byte;", u"m: array[0..3, 1..4, 0..5] of Byte;"},
      // Several bracket groups, each scanned once.
      {u"a(1) : B; c(2; 3) : D;", u"a: array[0..1] of B; c: array[0..2, 0..3] of D;"},
      // Record bodies keep ", " between dimensions: only the first dimension gets 0.
      {u"\r\n  m(3, 4) : Double;\r\n  n : Integer;\r\n",
       u"\r\n  m: array[0..3, 4] of Double;\r\n  n : Integer;\r\n"},
      // The search for the next "[" goes on where the "]" stood before the "0..": a "[" in
      // the dimension just closed is scanned again.
      {u"a(x(1)) : T;", u"a: array[0..x: array[0..1)] of T;"},
      // Any "." counts as a range, a lone " To " too.
      {u"a(x.y) : B;", u"a: array[x.y] of B;"},
      {u"n To m", u"n..m"},
  };
  for (const Case& c : cases) {
    TRACE_ROW(cases, c);
    EXPECT_EQ(Declaration(c.text), c.expected);
  }
}

TEST(RewriteDeclaration, StaysInsideTheTextWhereABracketIsNeverClosed) {
  const Case cases[] = {
      // The text's last ";" ends the scan: there is no unit after it for a separator.
      {u"a(10);", u"a: array[10);"},
      {u"a(10; 2);", u"a: array[0..10, 2);"},
      // Without any ";" the scan runs off the end of the text and stops there.
      {u"a(10", u"a: array[10"},
      {u"(", u": array["},
      // A ";" inside the scan is a separator whatever follows it.
      {u"// f(x) is;\r\n", u"// f: array[0..x) is, \n"},
  };
  for (const Case& c : cases) {
    TRACE_ROW(cases, c);
    EXPECT_EQ(Declaration(c.text), c.expected);
  }
}

TEST(ReplaceAllInString, ChainsThroughTheLastUnitOfEachReplacement) {
  const struct {
    std::u16string text, find, replacement, expected;
  } cases[] = {
      {u"a : Integer, b : Double", u", ", u"; ", u"a : Integer; b : Double"},
      {u"a : Integer", u", ", u"; ", u"a : Integer"},
      {u"aaa", u"aa", u"ba", u"bba"},
      {u"xyz", u"xyz", u"", u""},
      // An empty replacement goes on where the occurrence stood; no endless loop.
      {u"aaa", u"a", u"", u""},
      {u"abc", u"", u"x", u"abc"},
  };
  for (const auto& c : cases) {
    TRACE_ROW(cases, c);
    EXPECT_EQ(Rewritten(c.text, [&](Conversion& cv,
                                    std::u16string& t) { ReplaceAllInString(cv, t, c.find, c.replacement); }),
              c.expected);
  }
}

TEST(RewriteDeclaration, YieldsOncePerSearchAndPerUnitInBrackets) {
  const struct {
    std::u16string text;
    int yields;
  } cases[] = {
      // Phase one: four replacements, one search each and one more per match. The bracket
      // scan: one search per "[" and a last one, and one per unit examined inside brackets.
      {u"x : B;", 4 + 1},
      {u"a(10) : Integer;", (4 + 2) + (2 + 3)},
      {u"a(10);", (4 + 1) + (2 + 4)},
  };
  for (const auto& c : cases) {
    TRACE_ROW(cases, c);
    ConversionFixture fixture(u"");
    Rewritten(c.text, RewriteDeclaration, &fixture);
    EXPECT_EQ(fixture.host.Yields(), c.yields);
  }
  ConversionFixture fixture(u"");
  Rewritten(
      u"a, b, c", [](Conversion& cv, std::u16string& t) { ReplaceAllInString(cv, t, u", ", u"; "); },
      &fixture);
  EXPECT_EQ(fixture.host.Yields(), 3);
}

TEST(RewriteDeclaration, StopLeavesTheTextAsFarAsItWasRewritten) {
  const struct {
    int stop_at;
    std::u16string expected;
  } cases[] = {
      {1, u"a(10) : Integer;"},         {2, u"a: array[10) : Integer;"},
      {4, u"a: array[10] of Integer;"},  // phase one done, no lower bound
      {9, u"a: array[10] of Integer;"}, {10, u"a: array[0..10] of Integer;"},
  };
  for (const auto& c : cases) {
    TRACE_ROW(cases, c);
    ConversionFixture fixture(u"");
    fixture.host.StopAtYield(c.stop_at);
    EXPECT_EQ(Rewritten(u"a(10) : Integer;", RewriteDeclaration, &fixture), c.expected) << c.stop_at;
    EXPECT_EQ(fixture.host.Yields(), c.stop_at);
  }
}

}  // namespace
}  // namespace veldrane
