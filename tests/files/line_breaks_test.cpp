#include "files/line_breaks.h"

#include <gtest/gtest.h>

namespace veldrane::files {
namespace {

TEST(LineBreaks, CountsEachKindAndFindsConventionAndDominantKind) {
  struct Case {
    QString text;
    LineBreakCounts counts;
    LineBreaks convention;
    LineBreaks dominant;
  } cases[] = {
      {"", {}, LineBreaks::kNone, LineBreaks::kNone},
      {"no break", {}, LineBreaks::kNone, LineBreaks::kNone},
      {"a\r\nb\r\n", {2, 0, 0}, LineBreaks::kCrLf, LineBreaks::kCrLf},
      {"a\nb", {0, 1, 0}, LineBreaks::kLf, LineBreaks::kLf},
      {"\n\n", {0, 2, 0}, LineBreaks::kLf, LineBreaks::kLf},
      {"a\rb\r", {0, 0, 2}, LineBreaks::kCr, LineBreaks::kCr},
      {"a\r\nb\n", {1, 1, 0}, LineBreaks::kMixed, LineBreaks::kCrLf},  // a tie goes to CR LF
      {"a\rb\n\n", {0, 2, 1}, LineBreaks::kMixed, LineBreaks::kLf},
      {"a\r\nb\rc\r", {1, 0, 2}, LineBreaks::kMixed, LineBreaks::kCr},
      {"\n\r", {0, 1, 1}, LineBreaks::kMixed, LineBreaks::kLf},  // LF before CR on a tie
      {"\r\r\n", {1, 0, 1}, LineBreaks::kMixed, LineBreaks::kCrLf},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text.toStdString());
    const LineBreakCounts counts = CountLineBreaks(c.text);
    EXPECT_EQ(counts.crlf, c.counts.crlf);
    EXPECT_EQ(counts.lf, c.counts.lf);
    EXPECT_EQ(counts.cr, c.counts.cr);
    EXPECT_EQ(DetectLineBreaks(c.text), c.convention);
    EXPECT_EQ(counts.Dominant(), c.dominant);
  }
}

TEST(LineBreaks, EveryBreakBecomesCrLfAndUniformTextsGoBack) {
  struct Case {
    QString text;
    QString crlf;
    bool round_trip;  // a text with one kind of break gets it back exactly
  } cases[] = {
      {"a\nb\n", "a\r\nb\r\n", true},
      {"\n\n", "\r\n\r\n", true},
      {"a\rb", "a\r\nb", true},
      {"a\r\nb", "a\r\nb", true},
      {"plain", "plain", true},
      // One stray CR LF in an LF file: every break is one line break for the run.
      {"a\nb\r\nc\nd\n", "a\r\nb\r\nc\r\nd\r\n", false},
      {"a\rb\nc\r\n", "a\r\nb\r\nc\r\n", false},
      {"\r\r\n\n", "\r\n\r\n\r\n", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text.toStdString());
    const QString crlf = ToCrLf(c.text);
    EXPECT_EQ(crlf, c.crlf);
    if (c.round_trip) {
      EXPECT_EQ(FromCrLf(crlf, DetectLineBreaks(c.text)), c.text);
    }
  }
}

TEST(LineBreaks, RestoringLeavesLoneBreaksTheConversionProduced) {
  // Only whole CR LF pairs go back; a CR or LF standing alone in the result stays.
  EXPECT_EQ(FromCrLf("a\r\nb\rc\nd", LineBreaks::kLf), "a\nb\rc\nd");
  EXPECT_EQ(FromCrLf("a\r\nb\rc\nd", LineBreaks::kCr), "a\rb\rc\nd");
  EXPECT_EQ(FromCrLf("a\r\nb", LineBreaks::kMixed), "a\r\nb");
}

TEST(LineBreaks, LineNumbersCountEveryKindOfBreak) {
  const QString text = "a\r\nb\nc\rd";
  struct Case {
    qsizetype index;
    qsizetype line;
  } cases[] = {{0, 1}, {1, 1}, {2, 1}, {3, 2}, {4, 2}, {5, 3}, {7, 4}, {8, 4}};
  for (const Case& c : cases) EXPECT_EQ(LineNumberAt(text, c.index), c.line) << "index " << c.index;
}

}  // namespace
}  // namespace veldrane::files
