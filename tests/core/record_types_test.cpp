#include "passes/record_types.h"

#include <gtest/gtest.h>

#include "core/conversion_fixture.h"
#include "core/interruption_sweep.h"

namespace veldrane {
namespace {

using testing::ConversionFixture;
using testing::Convert;
using Label = RecordingHost::Label;

struct Case {
  std::u16string text, expected;
};

TEST(ConvertRecordTypes, RewritesHeadersAndFieldDeclarations) {
  const Case cases[] = {
      {u"Type Point;\r\n  x : Double;\r\n  y(3) : Double;\r\nEnd Type;\r\n",
       u"type Point = record\r\n  x : Double;\r\n  y: array[0..3] of Double;\r\nEnd Type;\r\n"},
      // Without array fields the body stays as it is.
      {u"Type P;\r\n  x : Double;\r\n  n : Integer;\r\nEnd Type;\r\n",
       u"type P = record\r\n  x : Double;\r\n  n : Integer;\r\nEnd Type;\r\n"},
      // Dimensions separated by ", ": only the first gets the lower bound.
      {u"Type M;\r\n  m(3, 4) : Double;\r\nEnd Type;\r\n",
       u"type M = record\r\n  m: array[0..3, 4] of Double;\r\nEnd Type;\r\n"},
      {u"Type R;\r\n  a(1 To 5) : Byte;\r\n  b() : Byte;\r\nEnd Type;\r\n",
       u"type R = record\r\n  a: array[1..5] of Byte;\r\n  b: array of Byte;\r\nEnd Type;\r\n"},
      // The closing line keeps its indentation.
      {u"  Type P;\r\n    x : Byte;\r\n  End Type;\r\n",
       u"  type P = record\r\n    x : Byte;\r\n  End Type;\r\n"},
      // Two records in text order; text around them stays.
      {u"a;\r\nType A;\r\n  x(1) : Byte;\r\nEnd Type;\r\n\r\nType B;\r\n  y(2) : Byte;\r\nEnd "
       u"Type;\r\nb;\r\n",
       u"a;\r\ntype A = record\r\n  x: array[0..1] of Byte;\r\nEnd Type;\r\n\r\ntype B = record\r\n  y: "
       u"array[0..2] of "
       u"Byte;\r\nEnd Type;\r\nb;\r\n"},
      // "Type " is matched wherever it stands; the unit before the line end takes the suffix.
      {u"// MyType x\r\nEnd Type;\r\n", u"// Mytype  = record\r\nEnd Type;\r\n"},
      {u"type E = (;\r\nx;\r\n", u"type E = (;\r\nx;\r\n"},
  };
  for (const Case& c : cases) EXPECT_EQ(Convert(c.text, ConvertRecordTypes), c.expected);
}

TEST(ConvertRecordTypes, HandlesIrregularHeaderAndClosingLines) {
  const Case cases[] = {
      // No closing line: the header is rewritten and the pass ends.
      {u"Type A;\r\n  x(1) : Byte;\r\n", u"type A = record\r\n  x(1) : Byte;\r\n"},
      {u"Type A;\r\nType B;\r\n", u"type A = record\r\nType B;\r\n"},
      // No line break after the header: the header stays and the pass ends.
      {u"Type P;", u"Type P;"},
      {u"Type P; End Type;", u"Type P; End Type;"},
      // A header comment: the ";" in front of it takes the suffix, the body starts at the
      // line's end behind the comment.
      {u"Type P ; // point\r\n  x(2) : Byte;\r\nEnd Type;\r\n",
       u"type P  = record // point\r\n  x: array[0..2] of Byte;\r\nEnd Type;\r\n"},
      // A closing line with more after "End Type" keeps it; the next record is still found.
      {u"Type P;\r\n  x(2) : Byte;\r\nEnd Type ; // c\r\nType Q;\r\nEnd Type;\r\n",
       u"type P = record\r\n  x: array[0..2] of Byte;\r\nEnd Type ; // c\r\ntype Q = record\r\nEnd "
       u"Type;\r\n"},
      {u"Type P;\r\n  x : Byte; // till End Type here\r\nEnd Type;\r\n",
       u"type P = record\r\n  x : Byte; // till End Type here\r\nEnd Type;\r\n"},
      // A closing keyword at the end of the text, with or without its ";".
      {u"Type P;\r\n  x(1) : Byte;\r\nEnd Type", u"type P = record\r\n  x: array[0..1] of Byte;\r\nEnd Type"},
      {u"Type P;\r\n  x(1) : Byte;\r\nEnd Type;",
       u"type P = record\r\n  x: array[0..1] of Byte;\r\nEnd Type;"},
  };
  for (const Case& c : cases) EXPECT_EQ(Convert(c.text, ConvertRecordTypes), c.expected);
}

TEST(CutBlockBody, TakesTheBodyAndTheClosingUnitsOut) {
  const struct {
    std::u16string text;
    int32_t start;
    std::u16string body, left;
  } cases[] = {
      // Keeps the body's first unit; removes the rest, the terminator and two units after it.
      {u"H\r\n  x;\r\nEnd Type;\r\nz", 2, u"\r\n  x;\r\n", u"H\r\nz"},
      {u"H\r\nEnd Type;\r\n", 2, u"\r\n", u"H\r\n"},
      // Not found: nothing is removed.
      {u"H\r\n  x;\r\n", 2, u"", u"H\r\n  x;\r\n"},
      {u"End Type;\r\nH\r\n", 3, u"", u"End Type;\r\nH\r\n"},
      // Fewer than two units after the terminator: the removal stops at the end of the text.
      {u"H\r\n x\r\nEnd Type", 2, u"\r\n x\r\n", u"H\r"},
      {u"H\r\n x\r\nEnd Type;", 2, u"\r\n x\r\n", u"H\r"},
  };
  for (const auto& c : cases) {
    ConversionFixture fixture(c.text);
    std::u16string body;
    EXPECT_EQ(fixture.Run([&](Conversion& cv) { body = CutBlockBody(cv, c.start, u"End Type"); }), c.left);
    EXPECT_EQ(body, c.body);
  }
}

TEST(ConvertRecordTypes, ReportsItsCaptionAndYieldsOncePerHeader) {
  ConversionFixture fixture(u"Type A;\r\n x : B;\r\nEnd Type;\r\n");
  fixture.Run(ConvertRecordTypes);
  const std::vector<RecordingHost::CaptionWrite> expected = {{Label::kLabel1, u"「Type」を変換"},
                                                             {Label::kLabel2, u"全文字数 29"}};
  EXPECT_EQ(fixture.host.Captions(), expected);
  // Header search, the body's five searches of its own, the last header search.
  EXPECT_EQ(fixture.host.Yields(), 1 + 5 + 1);
}

TEST(ConvertRecordTypes, StopKeepsEachBlockWhole) {
  const std::u16string text =
      u"Type Point;\r\n  x : Double;\r\n  y(3) : Double;\r\nEnd Type;\r\nType Q;\r\n  z(1) : Byte;\r\nEnd "
      u"Type;\r\n";
  const struct {
    int stop_at;
    std::u16string expected;
  } cases[] = {
      // Stop during the first header's search: the header is rewritten, the body's rewriting
      // returns at its first test and the body goes back unchanged.
      {1,
       u"type Point = record\r\n  x : Double;\r\n  y(3) : Double;\r\nEnd Type;\r\nType Q;\r\n  z(1) : "
       u"Byte;\r\nEnd Type;\r\n"},
      // Stop during the body's last search: that block is done, the next one is not.
      {11,
       u"type Point = record\r\n  x : Double;\r\n  y: array[0..3] of Double;\r\nEnd Type;\r\nType Q;\r\n  "
       u"z(1) : "
       u"Byte;\r\nEnd Type;\r\n"},
      // Stop while the body is rewritten: it goes back as far as it got, with its closing line.
      {3,
       u"type Point = record\r\n  x : Double;\r\n  y: array[3) : Double;\r\nEnd Type;\r\nType Q;\r\n  z(1) : "
       u"Byte;\r\nEnd Type;\r\n"},
  };
  for (const auto& c : cases) {
    ConversionFixture fixture(text);
    fixture.host.StopAtYield(c.stop_at);
    EXPECT_EQ(fixture.Run(ConvertRecordTypes), c.expected) << "stop at yield " << c.stop_at;
    EXPECT_EQ(fixture.host.Yields(), c.stop_at);
  }
}

TEST(ConvertRecordTypes, ClearAtAnyYieldLeavesTheTextEmpty) {
  // Several records with array fields, so that Clear can come between taking a body out and
  // putting it back with its closing line, in the first record and in later ones.
  const std::u16string text =
      u"Type A;\r\n  x(1) : Byte;\r\n  y : Long;\r\nEnd Type;\r\n\r\nType B;\r\n  m(3, 4) : "
      u"Double;\r\n  n(2) : Byte;\r\nEnd Type;\r\nx = 1;\r\n  Type C;\r\n    s(1 To 2) : String;\r\n  "
      u"End Type;\r\n";
  testing::ExpectSoundAtEveryYield(
      text, [](ConversionState&) {}, ConvertRecordTypes);
}

TEST(ConvertRecordTypes, StaysLinearOnLargeTexts) {
  std::u16string text, expected;
  for (int i = 0; i < 20000; ++i) {
    text += u"Type P;\r\n  x : Byte;\r\nEnd Type;\r\nx = 1;\r\n";
    expected += u"type P = record\r\n  x : Byte;\r\nEnd Type;\r\nx = 1;\r\n";
  }
  EXPECT_EQ(Convert(text, ConvertRecordTypes), expected);
}

}  // namespace
}  // namespace veldrane
