#include "passes/routine_headers.h"

#include <gtest/gtest.h>

#include "core/conversion_fixture.h"
#include "core/interruption_sweep.h"
#include "core/table_test.h"

namespace veldrane {
namespace {

using testing::ConversionFixture;
using Label = RecordingHost::Label;
using Names = std::vector<std::u16string>;

// The routine phase as the pipeline starts it.
void SetUpRoutinePhase(ConversionState& state) {
  state.LocalVarMode = true;
  state.VarHeaderWritten = false;
  state.RoutineNames = {u""};
  state.RoutineNameCount = 0;
}

void ConvertBothKinds(Conversion& cv) {
  ConvertRoutineHeaders(cv, u"Function ", u"function ");
  ConvertRoutineHeaders(cv, u"Sub ", u"procedure ");
}

struct Case {
  std::u16string text, expected;
  Names routine_names;
  int32_t routine_name_count;
};

void ExpectConverted(const Case& c) {
  ConversionFixture fixture(c.text);
  SetUpRoutinePhase(fixture.state);
  EXPECT_EQ(fixture.Run(ConvertBothKinds), c.expected);
  EXPECT_EQ(fixture.state.RoutineNames, c.routine_names) << ::testing::PrintToString(c.expected);
  EXPECT_EQ(fixture.state.RoutineNameCount, c.routine_name_count) << ::testing::PrintToString(c.expected);
  EXPECT_FALSE(fixture.state.VarHeaderWritten);
  EXPECT_EQ(fixture.buffer.ClampedEdits(), 0);
}

TEST(ConvertRoutineHeaders, WritesDelphiHeadersWithVarSectionsAndBeginLines) {
  const Case cases[] = {
      {u"Function Twice(n : Integer, m : Integer) : Integer;\r\n    Dim r : Integer;\r\n"
       u"    Static calls : Integer;\r\n    r = n * 2;\r\nEnd Function;\r\n\r\nSub Form_Load();\r\n"
       u"    Dim i : Integer, s : String;\r\n    i = Twice(2, 3);\r\nEnd Sub;\r\n",
       u"function Twice(n : Integer; m : Integer) : Integer;\r\nvar\r\n    r : Integer;\r\n"
       u"    calls : Integer;\r\nbegin\r\n            r = n * 2;\r\nEnd Function;\r\n\r\n"
       u"procedure Form_Load();\r\nvar\r\n    i : Integer; s : String;\r\nbegin\r\n"
       u"        i = Twice(2, 3);\r\nEnd Sub;\r\n",
       {u"Twice", u""},
       1},
      {u"Sub Main();\r\nEnd Sub;\r\n", u"procedure Main();\r\nbegin\r\nEnd Sub;\r\n", {u""}, 0},
      {u"Sub S();\r\n    Static n : Integer;\r\nEnd Sub;\r\n",
       u"procedure S();\r\nvar\r\n    n : Integer;\r\nbegin\r\n    End Sub;\r\n",
       {u""},
       0},
      // Every ", " from the "(" to the end of the header line, comment included.
      {u"Sub P(a : Integer) ; // a, b\r\nEnd Sub;\r\n",
       u"procedure P(a : Integer) ; // a; b\r\nbegin\r\nEnd Sub;\r\n",
       {u"P"},
       0},
      // A header continued over two lines: only its first line counts.
      {u"Sub Q(a : Integer, ;\r\n    b : Integer, c : Integer);\r\nEnd Sub;\r\n",
       u"procedure Q(a : Integer; ;\r\nbegin\r\n    b : Integer, c : Integer);\r\nEnd Sub;\r\n",
       {u"Q"},
       0},
      // The keyword matches anywhere.
      {u"// Sub for tests (old)\r\n", u"// procedure for tests (old)\r\nbegin\r\n", {u"for tests "}, 0},
      // A routine without its closing line keeps its declarations.
      {u"Sub X();\r\n    Dim a : Integer;\r\n",
       u"procedure X();\r\nbegin\r\n    Dim a : Integer;\r\n",
       {u""},
       0},
      // A "(" without a ")" behind it takes no parameters.
      {u"Sub X(a\r\nEnd Sub;\r\n", u"procedure X(a\r\nbegin\r\nEnd Sub;\r\n", {u""}, 0},
      // A "Dim " between routines belongs to none of them and stays.
      {u"Sub A();\r\nEnd Sub;\r\nDim z;\r\n", u"procedure A();\r\nbegin\r\nEnd Sub;\r\nDim z;\r\n", {u""}, 0},
      // A "Dim " of another routine lies behind this routine's closing line and stays there.
      {u"Sub A();\r\nEnd Sub;\r\nSub B();\r\nDim x;\r\nEnd Sub;\r\n",
       u"procedure A();\r\nbegin\r\nEnd Sub;\r\nprocedure B();\r\nvar\r\n    x;\r\nbegin\r\nEnd Sub;\r\n",
       {u""},
       0},
  };
  for (const Case& c : cases) {
    TRACE_ROW(cases, c);
    ExpectConverted(c);
  }
}

TEST(ConvertRoutineHeaders, RecordsTheRoutinesThatTakeParametersFunctionsFirst) {
  const Case cases[] = {
      {u"Function A(x : Integer) : Integer;\r\nEnd Function;\r\nSub B();\r\nEnd Sub;\r\n"
       u"Sub C(y : Integer);\r\nEnd Sub;\r\nSub D();\r\nEnd Sub;\r\n",
       u"function A(x : Integer) : Integer;\r\nbegin\r\nEnd Function;\r\nprocedure B();\r\nbegin\r\nEnd "
       u"Sub;\r\n"
       u"procedure C(y : Integer);\r\nbegin\r\nEnd Sub;\r\nprocedure D();\r\nbegin\r\nEnd Sub;\r\n",
       {u"A", u"C", u""},
       2},
      {u"Sub S(a);\r\nEnd Sub;\r\nFunction F(b);\r\nEnd Function;\r\n",
       u"procedure S(a);\r\nbegin\r\nEnd Sub;\r\nfunction F(b);\r\nbegin\r\nEnd Function;\r\n",
       {u"F", u"S"},
       1},
      // A closing line with a comment holds "Function " and has no "(" behind it: only its
      // keyword is converted. It still opens an empty entry behind the name before it.
      {u"Function F(a);\r\nEnd Function ; // done\r\n",
       u"function F(a);\r\nbegin\r\nEnd function ; // done\r\n",
       {u"F", u""},
       1},
      // A header on the last line without a line break: separators through the end of the
      // text, and no "begin".
      {u"Sub Last(a, b)", u"procedure Last(a; b)", {u"Last"}, 0},
      {u"Sub Last(a, b) ; // x, y", u"procedure Last(a; b) ; // x; y", {u"Last"}, 0},
  };
  for (const Case& c : cases) {
    TRACE_ROW(cases, c);
    ExpectConverted(c);
  }
}

TEST(ConvertRoutineHeaders, WritesTheCaptionsOfItsParts) {
  ConversionFixture fixture(u"Sub P(a, b, c);\r\nEnd Sub;\r\n");
  SetUpRoutinePhase(fixture.state);
  fixture.Run([](Conversion& cv) { ConvertRoutineHeaders(cv, u"Sub ", u"procedure "); });
  const std::vector<RecordingHost::CaptionWrite> expected = {
      {Label::kLabel1, u"「Sub 」を「procedure 」に変換"},
      {Label::kLabel2, u"全文字数 27"},
      {Label::kLabel1, u"「, 」を「; 」に変換"},
      {Label::kLabel2, u"全文字数 33"},  // once per separator, before replacing it
      {Label::kLabel2, u"全文字数 33"},
      {Label::kLabel1, u"変数宣言を整理"},
      {Label::kLabel2, u"全文字数 40"},
      {Label::kLabel1, u"変数宣言を整理"},
      {Label::kLabel2, u"全文字数 40"},
  };
  EXPECT_EQ(fixture.host.Captions(), expected);
}

TEST(ConvertRoutineHeaders, StopKeepsTheEditsOfTheHeaderInProgress) {
  ConversionFixture fixture(u"Sub P(a, b);\r\n    Dim x : Integer;\r\nEnd Sub;\r\nSub Q();\r\nEnd Sub;\r\n");
  SetUpRoutinePhase(fixture.state);
  fixture.host.StopAtYield(1);
  EXPECT_EQ(fixture.Run([](Conversion& cv) { ConvertRoutineHeaders(cv, u"Sub ", u"procedure "); }),
            u"procedure P(a, b);\r\nbegin\r\n    Dim x : Integer;\r\nEnd Sub;\r\nSub Q();\r\nEnd Sub;\r\n");
  EXPECT_EQ(fixture.state.RoutineNames, Names{u"P"});
  EXPECT_FALSE(fixture.state.VarHeaderWritten);
}

TEST(ConvertRoutineHeaders, StaysInsideTheTextWhenStoppedOrClearedAnywhere) {
  testing::ExpectSoundAtEveryYield(
      u"Function F(a, b);\r\n    Dim x(2) : Integer, y : Integer;\r\nEnd Function;\r\n"
      u"Sub S();\r\n    Static s : Integer;\r\nEnd Sub;\r\n// Sub note\r\nSub T(c, d)",
      SetUpRoutinePhase, ConvertBothKinds);
}

TEST(ReplaceInRange, ReplacesOnlyOccurrencesBeginningFromFromBeforeTheLimit) {
  struct RangeCase {
    int32_t from, limit;
    std::u16string expected;
  };
  const std::u16string text = u"a, b, c, d";
  const RangeCase cases[] = {
      {1, 11, u"a; b; c; d"}, {1, 5, u"a; b, c, d"}, {1, 6, u"a; b; c, d"},
      {3, 11, u"a, b; c; d"}, {1, 2, u"a, b, c, d"}, {1, 0, u"a, b, c, d"},
  };
  for (const RangeCase& c : cases) {
    TRACE_ROW(cases, c);
    ConversionFixture fixture(text);
    fixture.Run([&](Conversion& cv) { ReplaceInRange(cv, u", ", u"; ", c.from, c.limit); });
    EXPECT_EQ(fixture.buffer.Text(), c.expected) << c.from << ".." << c.limit;
  }
  ConversionFixture none(text);
  none.Run([](Conversion& cv) { ReplaceInRange(cv, u"; ", u", ", 1, 11); });
  EXPECT_EQ(none.host.Captions(),
            (std::vector<RecordingHost::CaptionWrite>{{Label::kLabel1, u"「; 」を「, 」に変換"}}));
}

}  // namespace
}  // namespace veldrane
