#include "passes/statement_terminators.h"

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

TEST(AddStatementTerminators, EndsEveryCodeLine) {
  const Case cases[] = {
      {u"a = 1\r\nb = 2\r\n", u"a = 1;\r\nb = 2;\r\n"},
      // The text after the last line break gets no terminator.
      {u"a = 1\r\nb = 2", u"a = 1;\r\nb = 2"},
      {u"a = 1", u"a = 1"},
      {u"", u""},
      // Blank lines and lines of spaces stay; a tab is not blank.
      {u"\r\n   \r\nx\r\n", u"\r\n   \r\nx;\r\n"},
      {u"\t\r\n", u"\t;\r\n"},
      // A terminator already there is not looked at.
      {u"x;\r\n", u"x;;\r\n"},
      // Each line of a continued statement gets its own.
      {u"a = b + \r\n  c\r\n", u"a = b + ;\r\n  c;\r\n"},
      // A lone LF or CR does not end a line.
      {u"a\nb\r\nc\rd\r\n", u"a\nb;\r\nc\rd;\r\n"},
      {u"a\r\r\n", u"a\r;\r\n"},
      // Consecutive line breaks: the empty lines between them stay empty.
      {u"\r\n\r\na\r\n\r\n", u"\r\n\r\na;\r\n\r\n"},
  };
  for (const Case& c : cases) {
    TRACE_ROW(cases, c);
    EXPECT_EQ(Convert(c.text, AddStatementTerminators), c.expected);
  }
}

TEST(AddStatementTerminators, PutsTheTerminatorInFrontOfATrailingComment) {
  const Case cases[] = {
      {u"x = 1 // note\r\n", u"x = 1 ; // note\r\n"},
      {u"x = 1// note\r\n", u"x = 1; // note\r\n"},
      // Only the first "//" counts, also inside a string.
      {u"x = 1 // a // b\r\n", u"x = 1 ; // a // b\r\n"},
      {u"s = 'http://a'\r\n", u"s = 'http:; //a'\r\n"},
      // Comment lines indented with spaces stay; a tab counts as code.
      {u"    // note\r\n", u"    // note\r\n"},
      {u"// note\r\n", u"// note\r\n"},
      {u"\t// note\r\n", u"\t; // note\r\n"},
      // A "//" on the next line does not belong to this one.
      {u"a\r\n// c\r\nb // d\r\n", u"a;\r\n// c\r\nb ; // d\r\n"},
      // A single "/" before the line break is no comment.
      {u"a /\r\n/b\r\n", u"a /;\r\n/b;\r\n"},
      // A comment on the unterminated last line is not touched.
      {u"a\r\nb // c", u"a;\r\nb // c"},
  };
  for (const Case& c : cases) {
    TRACE_ROW(cases, c);
    EXPECT_EQ(Convert(c.text, AddStatementTerminators), c.expected);
  }
}

TEST(AddStatementTerminators, YieldsOncePerLineAndReportsItsCaption) {
  ConversionFixture fixture(u"a\r\n\r\nb // c\r\nd");
  EXPECT_EQ(fixture.Run(AddStatementTerminators), u"a;\r\n\r\nb ; // c\r\nd");
  const std::vector<RecordingHost::CaptionWrite> expected = {{Label::kLabel1, u"文の終わりに「;」を付ける"},
                                                             {Label::kLabel2, u"全文字数 14"}};
  EXPECT_EQ(fixture.host.Captions(), expected);
  // Three line breaks, then the search that finds none.
  EXPECT_EQ(fixture.host.Yields(), 4);
}

TEST(AddStatementTerminators, StopLeavesTheLinesBelowUnchanged) {
  const std::u16string text = u"a\r\nb // c\r\nd\r\ne\r\n";
  // Stop during the k-th yield: the line of that iteration is still handled, no later one.
  const struct {
    int stop_at;
    std::u16string expected;
  } cases[] = {
      {1, u"a;\r\nb // c\r\nd\r\ne\r\n"},
      {2, u"a;\r\nb ; // c\r\nd\r\ne\r\n"},
      {3, u"a;\r\nb ; // c\r\nd;\r\ne\r\n"},
  };
  for (const auto& c : cases) {
    TRACE_ROW(cases, c);
    ConversionFixture fixture(text);
    fixture.host.StopAtYield(c.stop_at);
    EXPECT_EQ(fixture.Run(AddStatementTerminators), c.expected) << "stop at yield " << c.stop_at;
    EXPECT_EQ(fixture.host.Yields(), c.stop_at);
  }
  // Entered after Stop: the caption is written, nothing else happens.
  ConversionFixture stopped(text);
  stopped.state.Converting = false;
  EXPECT_EQ(stopped.Run(AddStatementTerminators), text);
  EXPECT_EQ(stopped.host.Yields(), 0);
  EXPECT_EQ(stopped.host.Label1(), u"文の終わりに「;」を付ける");
}

TEST(AddStatementTerminators, StaysLinearOnLargeTexts) {
  std::u16string text, expected;
  for (int i = 0; i < 50000; ++i) {
    text += u"  x = x + 1 // step\r\n\r\ny = 2\r\n";
    expected += u"  x = x + 1 ; // step\r\n\r\ny = 2;\r\n";
  }
  EXPECT_EQ(Convert(text, AddStatementTerminators), expected);
}

}  // namespace
}  // namespace veldrane
