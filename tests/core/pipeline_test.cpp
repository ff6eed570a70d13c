#include <gtest/gtest.h>

#include "core/conversion_fixture.h"
#include "core/edit_operations.h"
#include "core/test_data.h"
#include "passes/conversion_run.h"

namespace veldrane {
namespace {

using testing::ConversionFixture;
using testing::ReadTestData;
using Label = RecordingHost::Label;
using Names = std::vector<std::u16string>;

std::u16string RunWholePipeline(ConversionFixture& fixture) { return fixture.RunConversion(); }

struct WorkedExample {
  std::string input, expected;
  Names array_names, routine_names;
  int32_t routine_name_count;
};

TEST(Pipeline, ConvertsTheWorkedExamplesExactly) {
  const WorkedExample examples[] = {
      {"example1.bas", "example1.pas", {u"Items", u""}, {u"Add", u"ShowValue"}, 1},
      {"example2.bas", "example2.pas", {u"Buf", u""}, {u""}, 0},
  };
  for (const WorkedExample& example : examples) {
    ConversionFixture fixture(ReadTestData(example.input));
    EXPECT_EQ(RunWholePipeline(fixture), ReadTestData(example.expected)) << example.input;
    EXPECT_EQ(fixture.state.ArrayNames, example.array_names) << example.input;
    EXPECT_EQ(fixture.state.RoutineNames, example.routine_names) << example.input;
    EXPECT_EQ(fixture.state.RoutineNameCount, example.routine_name_count) << example.input;
    EXPECT_TRUE(fixture.state.LocalVarMode);
  }
}

TEST(Pipeline, ConvertsSmallStatementsThroughTheWholeOrder) {
  const std::pair<std::u16string, std::u16string> cases[] = {
      {u"x = CInt(y)\r\n", u"x = StrToInt(y);\r\n"},
      {u"x = Int(y)\r\n", u"x = Trunc(y);\r\n"},
      {u"If a Then\r\n", u"if a then\r\n"},
      {u"End If\r\n", u"end;\r\n"},
      {u"Exit For\r\n", u"Break;\r\n"},
      {u"Loop\r\n", u"end;\r\n"},
      {u"Option Explicit\r\nx = 1\r\n", u"x = 1;\r\n"},
  };
  for (const auto& [input, expected] : cases) {
    ConversionFixture fixture(input);
    EXPECT_EQ(RunWholePipeline(fixture), expected);
  }
}

// Every step's caption, in order, as a run writes them when every step returns at its first
// test of Converting.
std::vector<std::u16string> StepCaptionsOfAStoppedRun() {
  const auto replace = [](std::u16string find, std::u16string by) {
    return u"「" + find + u"」を「" + by + u"」に変換";
  };
  const auto remove = [](std::u16string keyword) { return u"「" + keyword + u"」を削除"; };
  return {
      remove(u"Option Explicit"),
      remove(u"Attribute "),
      remove(u"Option Base"),
      remove(u"Option Compare"),
      remove(u"Option Private"),
      remove(u"Debug.Print "),
      replace(u"Private ", u""),
      replace(u" And ", u" and "),
      replace(u" Or ", u" or "),
      replace(u" Not ", u" not "),
      replace(u" Long", u" Integer"),
      replace(u": ", u"; "),
      replace(u" As ", u" : "),
      replace(u"ByRef ", u"var "),
      replace(u"ByVal ", u""),
      replace(u"CInt(", u"StrToInt("),
      replace(u"Call ", u""),
      replace(u"Do ", u""),
      replace(u"DoEvents", u"Application.ProcessMessages"),
      replace(u"End Select", u"end"),
      replace(u"End If", u"end"),
      replace(u"Exit Sub", u"exit"),
      replace(u"Exit Function", u"exit"),
      replace(u"Exit Do", u"Break"),
      replace(u"Exit For", u"Break"),
      replace(u"Int(", u"Trunc("),
      replace(u"If ", u"if "),
      replace(u"LBound(", u"Low("),
      replace(u"UBound(", u"High("),
      replace(u"Len(", u"Length("),
      replace(u"LTrim(", u"TrimLeft("),
      replace(u"RTrim(", u"TrimRight("),
      replace(u"Mid(", u"Copy("),
      replace(u"Rnd(", u"Random("),
      replace(u"Next", u"end"),
      replace(u"Set ", u""),
      replace(u"Nothing", u"nil"),
      replace(u" Is ", u" is "),
      replace(u"&H", u"$"),
      replace(u"'", u"//"),
      replace(u" & ", u" + "),
      replace(u"\"", u"'"),
      replace(u" _", u" "),
      replace(u"Private Enum ", u"type "),
      replace(u"Public Enum ", u"type "),
      replace(u"Enum ", u"type "),
      replace(u"End Enum", u")"),
      u"文の終わりに「;」を付ける",
      replace(u"Private Type ", u"Type "),
      replace(u"Public Type ", u"Type "),
      u"「Type」を変換",
      replace(u"End Type", u"end"),
      replace(u" Then;", u" then"),
      replace(u" Then", u" then"),
      replace(u"Select Case ", u"case "),
      replace(u"Case ", u""),
      replace(u"Else;", u"else"),
      replace(u"Else", u"else"),
      u"「For」を変換",
      u"「While」を変換",
      replace(u"Loop;", u"end;"),
      u"「With」を変換",
      remove(u"Declare Function "),
      remove(u"Declare Sub "),
      u"「ReDim」を「SetLength(」変換",
      u"変数宣言を整理",
      u"変数宣言を整理",
      u"列挙型を変換",
      replace(u"Public ", u""),
      replace(u"Global", u""),
      replace(u"Function ", u"function "),
      replace(u"Sub ", u"procedure "),
      replace(u"End Function", u"end"),
      replace(u"End Sub", u"end"),
      u"配列の「()」を「[]」に変換",
      u"関数、手続きの呼び出しを修正",
  };
}

// The captions a run writes when Stop or Clear takes effect in its first yield: every later
// step still writes its caption (all but the subscript pass also the count) and edits nothing.
std::vector<RecordingHost::CaptionWrite> CaptionsOfARunEndedAtItsFirstYield(int32_t remaining_length) {
  std::vector<RecordingHost::CaptionWrite> writes;
  for (const std::u16string& caption : StepCaptionsOfAStoppedRun()) {
    writes.push_back({Label::kLabel1, caption});
    if (caption != u"配列の「()」を「[]」に変換")
      writes.push_back({Label::kLabel2, CharacterCountCaption(remaining_length)});
  }
  return writes;
}

TEST(Pipeline, StopInTheFirstYieldFinishesThatEditAndRunsEveryStepWithoutEditing) {
  const std::u16string input = ReadTestData("example1.bas");
  ConversionFixture fixture(input);
  fixture.state.ArrayNames = {u"stale", u""};
  fixture.host.StopAtYield(1);
  const std::u16string output = RunWholePipeline(fixture);
  // The first iteration of the first step completes: only the "Option Explicit" line goes.
  EXPECT_EQ(output, input.substr(std::u16string(u"Option Explicit\r\n").size()));
  EXPECT_EQ(fixture.host.Yields(), 1);
  const auto expected = CaptionsOfARunEndedAtItsFirstYield(static_cast<int32_t>(input.size()));
  // The first step wrote its count before the edit; every later one sees the shortened text.
  auto actual = fixture.host.Captions();
  ASSERT_FALSE(actual.empty());
  EXPECT_EQ(actual[1].caption, CharacterCountCaption(static_cast<int32_t>(input.size())));
  actual[1] = expected[1];
  const auto shortened = CaptionsOfARunEndedAtItsFirstYield(static_cast<int32_t>(output.size()));
  EXPECT_EQ(std::vector(actual.begin() + 2, actual.end()),
            std::vector(shortened.begin() + 2, shortened.end()));
  // The assignments between steps are still made; the name lists were created anew.
  EXPECT_TRUE(fixture.state.LocalVarMode);
  EXPECT_EQ(fixture.state.RoutineNameCount, 0);
  EXPECT_EQ(fixture.state.ArrayNames, Names{u""});
}

TEST(Pipeline, ClearDuringARunLeavesAnEmptyTextAndTheRunFinishes) {
  ConversionFixture whole(ReadTestData("example1.bas"));
  RunWholePipeline(whole);
  const int64_t yields = whole.host.Yields();
  for (int64_t k : {int64_t{1}, int64_t{7}, yields / 3, yields / 2, yields - 1, yields}) {
    ConversionFixture fixture(ReadTestData("example1.bas"));
    fixture.host.ClearAtYield(k);
    EXPECT_EQ(RunWholePipeline(fixture), u"") << "clear at yield " << k;
    EXPECT_EQ(fixture.host.Label1(), u"関数、手続きの呼び出しを修正");
    // The last step writes its count before its first yield; a Clear before that step shows 0.
    if (k <= yields / 2) {
      EXPECT_EQ(fixture.host.Label2(), u"全文字数 0");
    }
  }
}

TEST(Pipeline, ASecondRunStartsWithFreshNameLists) {
  ConversionFixture fixture(ReadTestData("example1.bas"));
  RunWholePipeline(fixture);
  fixture.buffer.SetText(u"x = 1\r\n");
  RunWholePipeline(fixture);
  EXPECT_EQ(fixture.state.ArrayNames, Names{u""});
  EXPECT_EQ(fixture.state.RoutineNames, Names{u""});
}

}  // namespace
}  // namespace veldrane
