#include "passes/declaration_sections.h"

#include <gtest/gtest.h>

#include "core/conversion_fixture.h"
#include "core/interruption_sweep.h"
#include "core/table_test.h"

namespace veldrane {
namespace {

using testing::ConversionFixture;
using Label = RecordingHost::Label;
using Names = std::vector<std::u16string>;

int Occurrences(const std::u16string& text, const std::u16string& s) {
  int n = 0;
  for (auto i = text.find(s); i != std::u16string::npos; i = text.find(s, i + 1)) ++n;
  return n;
}

struct ModuleCase {
  std::u16string text, expected;
  Names array_names;
};

TEST(ConvertModuleDeclarations, MovesPublicThenDimDeclarationsOfTheAreaInFrontOfTheFirstRoutine) {
  const ModuleCase cases[] = {
      {u"\r\nx : Integer;\r\nPublic total : Integer;\r\nDim v(5) : String;\r\n\r\nSub Main();\r\n",
       u"\r\n    total : Integer;\r\n    v: array[0..5] of String;\r\nx : Integer;\r\n\r\nSub Main();\r\n",
       {u"v", u""}},
      // Without an empty first line the first line runs on from the last moved declaration.
      {u"x : Integer;\r\nDim y : Integer;\r\n", u"\r\n    y : Integer;x : Integer;\r\n", {u""}},
      // Names are collected Public first, then Dim.
      {u"\r\nDim d(1) : Integer;\r\nPublic p(2) : Integer;\r\n",
       u"\r\n    p: array[0..2] of Integer;\r\n    d: array[0..1] of Integer;\r\n",
       {u"p", u"d", u""}},
      // A declaration behind the first routine keyword, whichever kind comes first, stays.
      {u"\r\nDim a : Integer;\r\nFunction F();\r\nDim b : Integer;\r\nSub S();\r\nDim c : Integer;\r\n",
       u"\r\n    a : Integer;\r\nFunction F();\r\nDim b : Integer;\r\nSub S();\r\nDim c : Integer;\r\n",
       {u""}},
      {u"\r\nDim a : Integer;\r\nSub S();\r\nDim b : Integer;\r\nFunction F();\r\n",
       u"\r\n    a : Integer;\r\nSub S();\r\nDim b : Integer;\r\nFunction F();\r\n",
       {u""}},
      // A routine keyword on the first line leaves nothing at module level.
      {u"Sub Main();\r\nDim x : Integer;\r\ntype E = (;\r\n  A;\r\n);\r\n",
       u"Sub Main();\r\nDim x : Integer;\r\ntype E = (;\r\n  A;\r\n);\r\n",
       {u""}},
      // The keyword matches anywhere, also in a comment; "dim " does not match.
      {u"y = 1; // Dim z\r\nw;\r\ndim q;\r\n", u"\r\n    zy = 1; // w;\r\ndim q;\r\n", {u""}},
      // Taking a line out can join a keyword from what stood around it; it is found too.
      {u"DiDim a;\r\nm b;\r\n", u"\r\n    a;\r\n    b;", {u""}},
      // ... also inside the moved declarations, where a second statement's keyword goes.
      {u"Dim a; DiDim m ;\r\nx;\r\n", u"\r\n    a; ;x;\r\n", {u""}},
      // A declaration on a last line without a line break is the rest of the text.
      {u"x;\r\nDim y : Integer;", u"\r\n    y : Integer;x;\r\n", {u""}},
      // A keyword that ends the text moves an empty declaration.
      {u"x;\r\nDim ", u"\r\n    x;\r\n", {u""}},
  };
  for (const ModuleCase& c : cases) {
    TRACE_ROW(cases, c);
    ConversionFixture fixture(c.text);
    EXPECT_EQ(fixture.Run([](Conversion& cv) { ConvertModuleDeclarations(cv); }), c.expected);
    EXPECT_EQ(fixture.state.ArrayNames, c.array_names) << ::testing::PrintToString(c.expected);
    EXPECT_FALSE(fixture.state.VarHeaderWritten);
    EXPECT_EQ(fixture.buffer.ClampedEdits(), 0);
  }
}

TEST(ConvertModuleDeclarations, ConvertsTheEnumerationsUpToTheMovedEndOfTheArea) {
  // The moved declarations grow by 22 units; the enumeration E just before the routine is
  // converted only because the area's end moves with them. F lies behind it.
  const std::u16string text =
      u"\r\nDim a(10) : Integer, b(20) : Integer;\r\ntype E = (;\r\n  A;\r\n);\r\nSub M();\r\n"
      u"type F = (;\r\n  C;\r\n);\r\n";
  const std::u16string expected =
      u"\r\n    a: array[0..10] of Integer; b: array[0..20] of Integer;\r\ntype E = (\r\n  A\r\n);\r\n"
      u"Sub M();\r\ntype F = (;\r\n  C;\r\n);\r\n";
  ConversionFixture fixture(text);
  EXPECT_EQ(fixture.Run([](Conversion& cv) { ConvertModuleDeclarations(cv); }), expected);
  EXPECT_EQ(fixture.state.ArrayNames, (Names{u"a", u"b", u""}));
  EXPECT_EQ(fixture.host.Captions()[4], (RecordingHost::CaptionWrite{Label::kLabel1, u"列挙型を変換"}));
}

// A routine as the routine-header pass leaves it before moving its declarations: the
// insertion point is the start of the "begin" line, the limit the position of "End Sub".
struct RoutineRun {
  explicit RoutineRun(const std::u16string& text) : fixture(text) {
    fixture.state.LocalVarMode = true;
    insertion = static_cast<int32_t>(text.find(u"begin"));
    limit = fixture.buffer.Find(1, u"End Sub");
  }
  std::u16string Move(const std::u16string& keyword) {
    return fixture.Run([&](Conversion& cv) { MoveDeclarations(cv, keyword, insertion, limit); });
  }
  // The insertion point lies behind the last moved declaration (directly in front of the
  // line break of the "begin" line), or still at "begin" when nothing moved; the limit still
  // marks "End Sub".
  void ExpectPointsKept() {
    const std::u16string text = fixture.buffer.Text();
    const bool moved = text.find(u"var\r\n") != std::u16string::npos;
    EXPECT_EQ(insertion, static_cast<int32_t>(moved ? text.find(u"\r\nbegin") : text.find(u"begin")));
    EXPECT_EQ(fixture.buffer.Find(1, u"End Sub"), limit);
  }
  ConversionFixture fixture;
  int32_t insertion, limit;
};

TEST(MoveDeclarations, GathersARoutinesDeclarationsInAVarSection) {
  struct Case {
    std::u16string text, expected;
    Names array_names;
  };
  const Case cases[] = {
      {u"procedure P();\r\nbegin\r\n    Dim i : Integer, s : String;\r\n    x = 1;\r\nEnd Sub;\r\n",
       u"procedure P();\r\nvar\r\n    i : Integer; s : String;\r\nbegin\r\n        x = 1;\r\nEnd Sub;\r\n",
       {u""}},
      {u"procedure P();\r\nbegin\r\nDim n : Integer ; // count\r\nDim m(2, 3) : Double;\r\nEnd Sub;\r\n",
       u"procedure P();\r\nvar\r\n    n : Integer ; // count\r\n    m: array[0..2, 0..3] of Double;\r\n"
       u"begin\r\nEnd Sub;\r\n",
       {u"m", u""}},
      // A second statement on the line of one moved before loses its keyword in the section.
      {u"procedure P();\r\nbegin\r\n    Dim a : Integer; Dim b(3) : Integer;\r\n    x = 1;\r\nEnd Sub;\r\n",
       u"procedure P();\r\nvar\r\n    a : Integer; b: array[0..3] of Integer;\r\nbegin\r\n        x = 1;\r\n"
       u"End Sub;\r\n",
       {u"b", u""}},
      {u"procedure P();\r\nbegin\r\nDim a; Dim b; Dim c;\r\nDim d;\r\nEnd Sub;\r\n",
       u"procedure P();\r\nvar\r\n    a; b; c;\r\n    d;\r\nbegin\r\nEnd Sub;\r\n",
       {u""}},
      // Nothing to move: no "var" line.
      {u"procedure P();\r\nbegin\r\n    x = 1;\r\nEnd Sub;\r\n",
       u"procedure P();\r\nbegin\r\n    x = 1;\r\nEnd Sub;\r\n",
       {u""}},
  };
  for (const Case& c : cases) {
    TRACE_ROW(cases, c);
    RoutineRun run(c.text);
    EXPECT_EQ(run.Move(u"Dim "), c.expected);
    EXPECT_EQ(run.fixture.state.ArrayNames, c.array_names) << ::testing::PrintToString(c.expected);
    run.ExpectPointsKept();
  }
}

TEST(MoveDeclarations, StaticDeclarationsJoinTheSectionBehindTheDimOnes) {
  RoutineRun run(
      u"procedure P();\r\nbegin\r\n    Static c : Integer;\r\n    Dim a : Integer; Dim b : Integer;\r\n"
      u"End Sub;\r\nDim z : Integer;\r\n");
  run.Move(u"Dim ");
  EXPECT_TRUE(run.fixture.state.VarHeaderWritten);
  EXPECT_EQ(run.Move(u"Static "),
            u"procedure P();\r\nvar\r\n    a : Integer; b : Integer;\r\n    c : Integer;\r\nbegin\r\n"
            u"        End Sub;\r\nDim z : Integer;\r\n");
  run.ExpectPointsKept();
}

TEST(MoveDeclarations, KeepsTheInsertionPointInsideTheTextWhenAKeywordLiesInFrontOfIt) {
  struct Case {
    std::u16string text, expected, behind_insertion;
  };
  const Case cases[] = {
      {u"Public a : Integer; Public b : Integer;\r\nx;\r\n", u"\r\n    a : Integer; b : Integer;x;\r\n",
       u"x;"},
      // The last moved line and the first line of the text together hold the keyword: both
      // halves go, and the insertion point stays where they met.
      {u"Public y : Integer; // Pub\r\nlic z;\r\n", u"\r\n    y : Integer; // z;\r\n", u"z;"},
  };
  for (const Case& c : cases) {
    TRACE_ROW(cases, c);
    ConversionFixture fixture(c.text);
    fixture.state.VarHeaderWritten = true;
    int32_t insertion = 0;
    int32_t limit = fixture.buffer.Length();
    EXPECT_EQ(fixture.Run([&](Conversion& cv) { MoveDeclarations(cv, u"Public ", insertion, limit); }),
              c.expected);
    EXPECT_EQ(fixture.buffer.Substr(insertion + 1, 2), c.behind_insertion);
    EXPECT_EQ(limit, fixture.buffer.Length()) << ::testing::PrintToString(c.expected);
  }
}

TEST(MoveDeclarations, ReportsItsCaptionEvenWhenNothingIsMoved) {
  ConversionFixture fixture(u"x = 1;\r\n");
  int32_t insertion = 0, limit = 8;
  fixture.Run([&](Conversion& cv) { MoveDeclarations(cv, u"Dim ", insertion, limit); });
  const std::vector<RecordingHost::CaptionWrite> expected = {{Label::kLabel1, u"変数宣言を整理"},
                                                             {Label::kLabel2, u"全文字数 8"}};
  EXPECT_EQ(fixture.host.Captions(), expected);
  EXPECT_EQ(fixture.host.Yields(), 1);
  EXPECT_EQ(insertion, 0);
  EXPECT_EQ(limit, 8);
}

TEST(MoveDeclarations, StopLeavesTheDeclarationsNotYetMovedWhereTheyWere) {
  ConversionFixture fixture(u"\r\nDim a : Integer;\r\nDim b : Integer;\r\nDim c : Integer;\r\n");
  // The Public search yields once; each Dim move yields eight times (its search, the
  // separator replacement, the name collection and five times in the rewriting), so the
  // tenth yield is the search for the second Dim declaration.
  fixture.host.StopAtYield(10);
  EXPECT_EQ(fixture.Run([](Conversion& cv) { ConvertModuleDeclarations(cv); }),
            u"\r\n    a : Integer;\r\n    b : Integer;\r\nDim c : Integer;\r\n");
}

TEST(MoveDeclarations, LosesNoDeclarationAndStaysInsideTheTextWhenStoppedOrClearedAnywhere) {
  const std::u16string text =
      u"procedure P();\r\nbegin\r\n    Dim a : Integer; Dim q(3) : Integer;\r\n    Static c : Integer;\r\n"
      u"End Sub;\r\n";
  const auto move_both = [](Conversion& cv) {
    int32_t insertion = cv.buffer.Find(1, u"begin") - 1;
    int32_t limit = cv.buffer.Find(1, u"End Sub");
    MoveDeclarations(cv, u"Dim ", insertion, limit);
    MoveDeclarations(cv, u"Static ", insertion, limit);
  };
  testing::ExpectSoundAtEveryYield(
      text, [](ConversionState& state) { state.LocalVarMode = true; }, move_both,
      [](ConversionFixture& stopped) {
        const std::u16string result = stopped.buffer.Text();
        EXPECT_EQ(Occurrences(result, u"a : Integer;"), 1) << ::testing::PrintToString(result);
        EXPECT_EQ(Occurrences(result, u"c : Integer;"), 1) << ::testing::PrintToString(result);
        EXPECT_EQ(Occurrences(result, u"q"), 1) << ::testing::PrintToString(result);
        EXPECT_LE(Occurrences(result, u"var"), 1) << ::testing::PrintToString(result);
      });
  testing::ExpectSoundAtEveryYield(
      u"\r\nDim a(2) : Integer, b : Integer;\r\ntype E = (;\r\n  A;\r\n);\r\nx;\r\nDim c",
      [](ConversionState&) {}, [](Conversion& cv) { ConvertModuleDeclarations(cv); });
}

TEST(CollectArrayNames, RecordsTheWordInFrontOfEveryParenthesis) {
  struct Case {
    std::u16string declaration;
    Names names;
  };
  const Case cases[] = {
      {u"a(1 To 3; 1 To 4) : Integer;", {u"a", u""}},
      {u"a(3) : Integer; b(2) : String;", {u"a", u"b", u""}},
      {u"x : Integer;", {u""}},
      {u"Const K = (1 + 2);", {u"", u""}},
      {u"Const C = Chr(65);", {u"Chr", u""}},
      {u"(x) : Integer;", {u"", u""}},
      // Only a space ends a name.
      {u"x;y(1) : Integer; \tz(2) : Integer;", {u"x;y", u"\tz", u""}},
      {u"m(f(1)) : Integer;", {u"m", u"m(f", u""}},
  };
  for (const Case& c : cases) {
    TRACE_ROW(cases, c);
    ConversionFixture fixture(u"");
    fixture.Run([&](Conversion& cv) { CollectArrayNames(cv, c.declaration); });
    EXPECT_EQ(fixture.state.ArrayNames, c.names) << ::testing::PrintToString(c.declaration);
  }
  ConversionFixture fixture(u"");
  fixture.state.ArrayNames = {u"p", u""};
  fixture.Run([](Conversion& cv) { CollectArrayNames(cv, u"q(1) : Integer;"); });
  EXPECT_EQ(fixture.state.ArrayNames, (Names{u"p", u"q", u""}));
}

TEST(CollectArrayNames, StopDuringTheBackwardScanRecordsNothingForThatParenthesis) {
  ConversionFixture fixture(u"");
  // Yield 1 searches the first "(", yields 2 to 4 scan "ab" and the space in front of it.
  fixture.host.StopAtYield(3);
  fixture.Run([](Conversion& cv) { CollectArrayNames(cv, u"ab(1) : Integer;"); });
  EXPECT_EQ(fixture.state.ArrayNames, (Names{u""}));
  ConversionFixture whole(u"");
  whole.Run([](Conversion& cv) { CollectArrayNames(cv, u"ab(1) : Integer;"); });
  EXPECT_EQ(whole.host.Yields(), 5);
}

}  // namespace
}  // namespace veldrane
