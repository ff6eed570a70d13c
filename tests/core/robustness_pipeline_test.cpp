// Texts that break what the passes expect of a well-formed module (constructs cut off at the
// end of the text, headers carrying comments, keywords without their partners), converted
// whole and stopped or cleared at every one of their yields: each run must end, name no edit
// outside the text, and repeat exactly; a cleared run must end with an empty text.
#include <gtest/gtest.h>

#include "core/conversion_fixture.h"
#include "core/interruption_sweep.h"

namespace veldrane {
namespace {

using testing::ConversionFixture;
using testing::kYieldCeiling;

struct Outcome {
  std::u16string text;
  int64_t yields = 0;
  int64_t clamped_edits = 0;
  bool operator==(const Outcome&) const = default;
};

Outcome ConvertStoppedAt(std::u16string_view input, int64_t stop_at, int64_t clear_at = 0) {
  ConversionFixture fixture(input);
  fixture.host.StopAtYield(stop_at);
  fixture.host.ClearAtYield(clear_at);
  fixture.RunConversion();
  return {fixture.buffer.Text(), fixture.host.Yields(), fixture.buffer.ClampedEdits()};
}

struct HostileText {
  const char* what;
  std::u16string text;
};

const HostileText kHostileTexts[] = {
    {"keyword to delete on a last line", u"x = 1\r\nOption Explicit"},
    {"enumeration header on a last line", u"Enum Color"},
    {"select header on a last line", u"Select Case x"},
    {"select header with a comment", u"Select Case x ' c\r\nCase 1\r\nEnd Select\r\n"},
    {"for header on a last line", u"For i = 1 To 2"},
    {"for header without To", u"For Each v In list\r\nNext\r\n"},
    {"for header with a comment", u"For i = 1 To 2 ' c\r\nNext\r\n"},
    {"while header on a last line", u"While x"},
    {"with header without End With", u"With x\r\n.a = 1\r\n"},
    {"with header with a comment", u"With x ' c\r\n.a = 1\r\nEnd With\r\n"},
    {"with block ending the text", u"With x\r\n.a = 1\r\nEnd With"},
    {"record header without End Type", u"Type T\r\nx As Integer\r\n"},
    {"record closed on a last line", u"Type T\r\nx As Integer\r\nEnd Type"},
    {"record header on a last line", u"Type T"},
    {"record lines with comments", u"Type T ' c\r\nx(2) As Integer\r\nEnd Type ' d\r\n"},
    {"ReDim without parentheses", u"ReDim a\r\n"},
    {"ReDim without a closing parenthesis", u"ReDim a(5\r\n"},
    {"ReDim with a one-character bound", u"ReDim a(\u5B57)\r\nReDim b(.)\r\n"},
    {"array declaration without a type", u"Dim a(10)\r\nSub S()\r\nEnd Sub\r\n"},
    {"array declaration without a closing bracket", u"Dim a(10\r\n"},
    {"declaration on a last line", u"Dim x As Integer"},
    {"two declarations on one line", u"Dim a As Integer: Dim b As Integer\r\nSub S()\r\nEnd Sub\r\n"},
    {"two local declarations on one line",
     u"Sub S()\r\nDim a As Integer: Dim b As Integer\r\nStatic c: Static d\r\nEnd Sub\r\n"},
    {"routine keyword without a parenthesis", u"x = 1 ' a Sub here\r\n"},
    {"routine header on a last line", u"Sub S(a"},
    {"routine without its end", u"Function F(a As Long)\r\nDim r As Long\r\n"},
    {"subscript open at the end of the text", u"Dim a(5) As Integer\r\nSub S()\r\nEnd Sub\r\nx = a(1"},
    {"subscript already converted, no closing bracket",
     u"Dim a(5) As Integer\r\nDim a(2) As Integer\r\nSub S()\r\nx = a(1\r\nEnd Sub\r\n"},
    {"call without a terminator after it", u"Sub S(a)\r\nEnd Sub\r\nS 1"},
    {"enumeration without its end", u"Enum E\r\nA\r\nB\r\n"},
    {"enumeration with comments", u"Enum E ' c\r\nA ' d\r\nEnd Enum ' e\r\n"},
    {"lone line-break halves", u"Sub S()\rDim a(1)\nEnd Sub\n\r\r\n"},
    {"only line breaks and spaces", u"\r\n  \r\n\r\n"},
};

TEST(PipelineRobustness, HostileTextsEndStayInsideTheTextAndRepeat) {
  for (const HostileText& hostile : kHostileTexts) {
    const Outcome whole = ConvertStoppedAt(hostile.text, kYieldCeiling);
    ASSERT_LT(whole.yields, kYieldCeiling) << hostile.what;
    EXPECT_EQ(whole.clamped_edits, 0) << hostile.what;
    EXPECT_EQ(ConvertStoppedAt(hostile.text, kYieldCeiling), whole) << hostile.what;
  }
}

TEST(PipelineRobustness, HostileTextsStoppedOrClearedAtAnyYieldStayInsideTheText) {
  for (const HostileText& hostile : kHostileTexts) {
    const int64_t yields = ConvertStoppedAt(hostile.text, kYieldCeiling).yields;
    for (int64_t k = 1; k <= yields; ++k) {
      const Outcome stopped = ConvertStoppedAt(hostile.text, k);
      EXPECT_EQ(stopped.clamped_edits, 0) << hostile.what << ", stopped at yield " << k;
      EXPECT_GE(stopped.yields, k) << hostile.what;
      EXPECT_LE(stopped.yields, yields) << hostile.what;
      const Outcome cleared = ConvertStoppedAt(hostile.text, kYieldCeiling, k);
      EXPECT_EQ(cleared.text, u"") << hostile.what << ", cleared at yield " << k;
      EXPECT_EQ(cleared.clamped_edits, 0) << hostile.what << ", cleared at yield " << k;
      EXPECT_LE(cleared.yields, yields) << hostile.what;
    }
  }
}

}  // namespace
}  // namespace veldrane
