#include "passes/redim.h"

#include <gtest/gtest.h>

#include "core/conversion_fixture.h"
#include "core/table_test.h"

namespace veldrane {
namespace {

using testing::ConversionFixture;
using testing::Convert;
using Label = RecordingHost::Label;

struct Case {
  std::u16string text, expected;
};

TEST(ConvertReDim, WritesTheElementCount) {
  const Case cases[] = {
      {u"ReDim a(5);\r\n", u"SetLength(a, 6);\r\n"},
      {u"ReDim a(0);\r\n", u"SetLength(a, 1);\r\n"},
      {u"ReDim a(9);\r\n", u"SetLength(a, 10);\r\n"},
      {u"ReDim m(10);\r\n", u"SetLength(m, 10 + 1);\r\n"},
      {u"ReDim list(count);\r\n", u"SetLength(list, count + 1);\r\n"},
      {u"ReDim a(n);\r\n", u"SetLength(a, n + 1);\r\n"},
      {u"ReDim a(N);\r\n", u"SetLength(a, N + 1);\r\n"},
      {u"ReDim a(count - 1);\r\n", u"SetLength(a, count - 1 + 1);\r\n"},
      // The spaces around the bound stay where they are.
      {u"ReDim a(10 );\r\n", u"SetLength(a, 10 + 1 );\r\n"},
      {u"ReDim a( 5 );\r\n", u"SetLength(a,  6 );\r\n"},
      {u"ReDim a(  n  );\r\n", u"SetLength(a,   n + 1  );\r\n"},
      // An empty bound gets " + 1" in front of the ")".
      {u"ReDim a();\r\n", u"SetLength(a,  + 1);\r\n"},
      {u"ReDim a( );\r\n", u"SetLength(a,   + 1);\r\n"},
      // Nothing else of the statement is looked at.
      {u"ReDim Preserve a(n);\r\n", u"SetLength(Preserve a, n + 1);\r\n"},
      {u"ReDim a(3, 4);\r\n", u"SetLength(a, 3, 4 + 1);\r\n"},
      {u"ReDim a(1 To n);\r\n", u"SetLength(a, 1 To n + 1);\r\n"},
      // The bound ends at the first ")", with no regard to nesting.
      {u"ReDim a(f(x) - 1);\r\n", u"SetLength(a, f(x + 1) - 1);\r\n"},
      // Tabs are not trimmed: a tab and a digit are a two-unit bound.
      {u"ReDim a(\t5);\r\n", u"SetLength(a, \t5 + 1);\r\n"},
  };
  for (const Case& c : cases) {
    TRACE_ROW(cases, c);
    EXPECT_EQ(Convert(c.text, ConvertReDim), c.expected);
  }
}

TEST(ConvertReDim, TakesAnySingleNonDigitBoundAsANameExpression) {
  // Only a decimal digit is computed; every other single unit gets " + 1" like a name.
  const Case cases[] = {
      {u"ReDim a(#);\r\n", u"SetLength(a, # + 1);\r\n"},
      {u"ReDim a(数);\r\n", u"SetLength(a, 数 + 1);\r\n"},
      {u"ReDim a(５);\r\n", u"SetLength(a, ５ + 1);\r\n"},
      {u"ReDim a(_);\r\n", u"SetLength(a, _ + 1);\r\n"},
  };
  for (const Case& c : cases) {
    TRACE_ROW(cases, c);
    EXPECT_EQ(Convert(c.text, ConvertReDim), c.expected);
  }
}

TEST(ConvertReDim, MatchesExactlyAndUsesTheNextParenthesesInTheText) {
  const Case cases[] = {
      {u"x = 1;\r\n", u"x = 1;\r\n"},
      {u"redim a(5);\r\n", u"redim a(5);\r\n"},
      {u"ReDima(5);\r\n", u"ReDima(5);\r\n"},
      // In a comment too, and the parentheses may stand on a later line.
      {u"// ReDim it\r\nx = f(2);\r\n", u"// SetLength(it\r\nx = f, 3);\r\n"},
      {u"ReDim a(1);\r\n  ReDim b(n);\r\nReDim c(12);\r\n",
       u"SetLength(a, 2);\r\n  SetLength(b, n + 1);\r\nSetLength(c, 12 + 1);\r\n"},
      // The scan goes on from the ", ": a "ReDim " inside the bound is found next, and its
      // bound is what the first statement left of it.
      {u"ReDim a(ReDim b(1));\r\n", u"SetLength(a, SetLength(b, 1 + 1 + 1));\r\n"},
  };
  for (const Case& c : cases) {
    TRACE_ROW(cases, c);
    EXPECT_EQ(Convert(c.text, ConvertReDim), c.expected);
  }
}

TEST(ConvertReDim, EndsThePassAtAStatementWithoutParentheses) {
  // Without a "(" after the keyword, or a ")" after that "(", the statement and the rest of
  // the text stay as they are.
  const Case cases[] = {
      {u"ReDim a;\r\nx = 1;\r\n", u"ReDim a;\r\nx = 1;\r\n"},
      // A "(" further down is taken as this statement's, wherever it stands.
      {u"ReDim a;\r\nReDim b(1);\r\n", u"SetLength(a;\r\nReDim b, 2);\r\n"},
      {u"ReDim a(1);\r\nReDim b;\r\n", u"SetLength(a, 2);\r\nReDim b;\r\n"},
      {u"ReDim a(1;\r\nReDim b(2;\r\n", u"ReDim a(1;\r\nReDim b(2;\r\n"},
      {u"ReDim a(1);\r\nReDim b(2", u"SetLength(a, 2);\r\nReDim b(2"},
      {u"ReDim ", u"ReDim "},
      {u"ReDim (", u"ReDim ("},
      {u"ReDim ()", u"SetLength(,  + 1)"},
      {u"ReDim )(", u"ReDim )("},
  };
  for (const Case& c : cases) {
    TRACE_ROW(cases, c);
    EXPECT_EQ(Convert(c.text, ConvertReDim), c.expected);
  }
}

TEST(ConvertReDim, ReportsItsCaptionAndYieldsOncePerStatement) {
  ConversionFixture fixture(u"ReDim a(1);\r\nReDim b(2);\r\n");
  EXPECT_EQ(fixture.Run(ConvertReDim), u"SetLength(a, 2);\r\nSetLength(b, 3);\r\n");
  const std::vector<RecordingHost::CaptionWrite> expected = {
      {Label::kLabel1, u"「ReDim」を「SetLength(」変換"}, {Label::kLabel2, u"全文字数 26"}};
  EXPECT_EQ(fixture.host.Captions(), expected);
  EXPECT_EQ(fixture.host.Yields(), 3);
}

TEST(ConvertReDim, StopKeepsTheStatementsAboveConverted) {
  const std::u16string text = u"ReDim a(1);\r\nReDim b(2);\r\nReDim c(3);\r\n";
  const struct {
    int stop_at;
    std::u16string expected;
  } cases[] = {
      {1, u"SetLength(a, 2);\r\nReDim b(2);\r\nReDim c(3);\r\n"},
      {2, u"SetLength(a, 2);\r\nSetLength(b, 3);\r\nReDim c(3);\r\n"},
  };
  for (const auto& c : cases) {
    TRACE_ROW(cases, c);
    ConversionFixture fixture(text);
    fixture.host.StopAtYield(c.stop_at);
    EXPECT_EQ(fixture.Run(ConvertReDim), c.expected);
    EXPECT_EQ(fixture.host.Yields(), c.stop_at);
  }
}

TEST(ConvertReDim, StaysLinearOnLargeTexts) {
  std::u16string text, expected;
  for (int i = 0; i < 30000; ++i) {
    text += u"ReDim a(7);\r\nx = (y);\r\n";
    expected += u"SetLength(a, 8);\r\nx = (y);\r\n";
  }
  EXPECT_EQ(Convert(text, ConvertReDim), expected);
}

}  // namespace
}  // namespace veldrane
