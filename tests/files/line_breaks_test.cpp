#include "files/line_breaks.h"

#include <gtest/gtest.h>

namespace veldrane::files {
namespace {

TEST(LineBreaks, DetectsTheConvention) {
  struct Case {
    QString text;
    LineBreaks expected;
  } cases[] = {
      {"", LineBreaks::kNone},          {"no break", LineBreaks::kNone}, {"a\r\nb\r\n", LineBreaks::kCrLf},
      {"a\nb", LineBreaks::kLf},        {"\n\n", LineBreaks::kLf},       {"a\rb\r", LineBreaks::kCr},
      {"a\r\nb\n", LineBreaks::kMixed}, {"a\rb\n", LineBreaks::kMixed},  {"a\r\nb\r", LineBreaks::kMixed},
      {"\n\r", LineBreaks::kMixed},     {"\r\r\n", LineBreaks::kMixed},
  };
  for (const Case& c : cases) EXPECT_EQ(DetectLineBreaks(c.text), c.expected) << c.text.toStdString();
}

TEST(LineBreaks, ConvertsToCrLfAndBack) {
  struct Case {
    QString text;
    QString crlf;
  } cases[] = {
      {"a\nb\n", "a\r\nb\r\n"}, {"\n\n", "\r\n\r\n"},
      {"a\rb", "a\r\nb"},       {"a\r\nb\n", "a\r\nb\n"},  // mixed: untouched
      {"a\r\nb", "a\r\nb"},     {"plain", "plain"},
  };
  for (const Case& c : cases) {
    const LineBreaks convention = DetectLineBreaks(c.text);
    const QString crlf = ToCrLf(c.text, convention);
    EXPECT_EQ(crlf, c.crlf) << c.text.toStdString();
    EXPECT_EQ(FromCrLf(crlf, convention), c.text) << c.text.toStdString();
  }
}

TEST(LineBreaks, RestoringLeavesLoneBreaksTheConversionProduced) {
  // Only whole CR LF pairs go back; a CR or LF standing alone in the result stays.
  EXPECT_EQ(FromCrLf("a\r\nb\rc\nd", LineBreaks::kLf), "a\nb\rc\nd");
  EXPECT_EQ(FromCrLf("a\r\nb\rc\nd", LineBreaks::kCr), "a\rb\rc\nd");
  EXPECT_EQ(FromCrLf("a\r\nb", LineBreaks::kMixed), "a\r\nb");
}

}  // namespace
}  // namespace veldrane::files
