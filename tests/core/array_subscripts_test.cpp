#include "passes/array_subscripts.h"

#include <gtest/gtest.h>

#include "core/conversion_fixture.h"
#include "core/interruption_sweep.h"
#include "core/table_test.h"

namespace veldrane {
namespace {

using testing::ConversionFixture;
using Label = RecordingHost::Label;
using Names = std::vector<std::u16string>;

struct Case {
  Names names;
  std::u16string text, expected;
};

std::u16string WithArrayNames(const Names& names, const std::u16string& text) {
  return testing::ConvertEndingSoundly(
      text, [&names](ConversionState& state) { state.ArrayNames = names; }, ConvertArraySubscripts);
}

TEST(ConvertArraySubscripts, BracketsTheSubscriptsOfTheCollectedNames) {
  const Names a = {u"a", u""};
  const Case cases[] = {
      {a, u"x = a(1);", u"x = a[1];"},
      {a, u"a(i) = a(j + 1);", u"a[i] = a[j + 1];"},
      {a, u"x = a(f(1), (2));", u"x = a[f(1), (2)];"},
      {a, u"x = a(b[1]);", u"x = a[b[1]];"},
      {a, u"x = a (1);", u"x = a (1);"},
      {a, u"x = Data(1);", u"x = Data[1];"},
      // The subscript ends at the statement's ";", also when not closed before it.
      {a, u"x = a(1;", u"x = a[1;"},
      {a, u"x = a(1,;\r\n  2);\r\n", u"x = a[1,;\r\n  2);\r\n"},
      // The scan ends with the text: the "[" stays alone and the name is done.
      {a, u"x = a(1", u"x = a[1"},
      {a, u"x = a(1) + a(2", u"x = a[1] + a[2"},
      {a, u"x = a", u"x = a"},
      // A subscript inside a subscript of the same name is passed over with it.
      {a, u"x = a(a(1));", u"x = a[a(1)];"},
      // A name twice: the second entry passes over what the first converted.
      {{u"a", u"a", u""}, u"x = a(1) + a(2);", u"x = a[1] + a[2];"},
      // ... also a "[" without its "]", after which the next entry goes on.
      {{u"a", u"a", u"b", u""}, u"x = a(1; y = b(2);", u"x = a[1; y = b[2];"},
      {{u"a", u"b"}, u"a(1) + b(2);", u"a[1] + b[2];"},
      // A name holding "[" is found also where the pass itself wrote its "[" (the answers
      // for "i" first complete the scan of the text, which then serves the later names).
      {{u"i", u"grid", u"grid[Quantity", u""},
       u"// iiiiiiiiiiiiiiii\r\ngrid(Quantity(1));",
       u"// iiiiiiiiiiiiiiii\r\ngrid[Quantity[1]];"},
      // The first empty entry ends the list.
      {{u""}, u"x = a(1);", u"x = a(1);"},
      {{u"b", u"", u"a", u""}, u"a(1) + b(2);", u"a(1) + b[2];"},
      {{}, u"x = a(1);", u"x = a(1);"},
  };
  for (const Case& c : cases) {
    TRACE_ROW(cases, c);
    EXPECT_EQ(WithArrayNames(c.names, c.text), c.expected);
  }
}

TEST(ConvertArraySubscripts, WritesOnlyItsCaptionAndYieldsOncePerScannedCharacter) {
  ConversionFixture fixture(u"x = a(1);");
  fixture.state.ArrayNames = {u"a", u""};
  fixture.Run(ConvertArraySubscripts);
  EXPECT_EQ(fixture.host.Captions(),
            (std::vector<RecordingHost::CaptionWrite>{{Label::kLabel1, u"配列の「()」を「[]」に変換"}}));
  // Name search, "[", "1", ")", the search that finds no more; the empty entry ends the walk.
  EXPECT_EQ(fixture.host.Yields(), 5);
}

TEST(ConvertArraySubscripts, StopDuringTheScanStillClosesTheOpenedSubscript) {
  ConversionFixture fixture(u"x = a(1); y = a(2);");
  fixture.state.ArrayNames = {u"a", u""};
  fixture.host.StopAtYield(2);
  EXPECT_EQ(fixture.Run(ConvertArraySubscripts), u"x = a[1]; y = a(2);");
  EXPECT_EQ(fixture.host.Yields(), 4);
}

TEST(ConvertArraySubscripts, StaysInsideTheTextWhenStoppedOrClearedAnywhere) {
  testing::ExpectSoundAtEveryYield(
      u"x = a(f(1)); y = a(2;\r\nz = b(a(3)",
      [](ConversionState& state) {
        state.ArrayNames = {u"a", u"b", u"a", u""};
      },
      ConvertArraySubscripts);
}

}  // namespace
}  // namespace veldrane
