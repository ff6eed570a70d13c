#include "passes/pipeline.h"

#include <gtest/gtest.h>

#include <map>
#include <string_view>

#include "core/conversion_fixture.h"
#include "core/edit_operations.h"
#include "core/interruption_sweep.h"
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

// The Label1 captions of each structural pass that returns at its first test of Converting.
std::vector<std::u16string> CaptionsOfAStoppedPass(std::string_view pass) {
  static const std::map<std::string_view, std::vector<std::u16string>> captions = {
      {"AddStatementTerminators", {u"文の終わりに「;」を付ける"}},
      {"ConvertRecordTypes", {u"「Type」を変換"}},
      {"ConvertForLoops", {u"「For」を変換"}},
      {"ConvertWhileLoops", {u"「While」を変換"}},
      {"ConvertWithBlocks", {u"「With」を変換"}},
      {"ConvertReDim", {u"「ReDim」を「SetLength(」変換"}},
      // Its two declaration moves, then the enumeration pass it runs.
      {"ConvertModuleDeclarations", {u"変数宣言を整理", u"変数宣言を整理", u"列挙型を変換"}},
      {"ConvertArraySubscripts", {u"配列の「()」を「[]」に変換"}},
      {"FixRoutineCalls", {u"関数、手続きの呼び出しを修正"}},
  };
  return captions.at(pass);
}

// Every step's caption, in order, as a run writes them when every step returns at its first
// test of Converting.
std::vector<std::u16string> StepCaptionsOfAStoppedRun() {
  std::vector<std::u16string> all;
  for (const PipelineStep& step : PipelineSteps()) {
    if (step.operation == PipelineStep::Operation::kPass) {
      for (std::u16string& caption : CaptionsOfAStoppedPass(step.pass_name))
        all.push_back(std::move(caption));
    } else {
      all.push_back(StepTitle(step));
    }
  }
  return all;
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

TEST(Pipeline, ClearAtAnyYieldOfARunLeavesAnEmptyText) {
  // Once cleared, the text stays empty whatever the running step still holds: the worked
  // examples, and a module whose records, enumeration, declarations and routines keep the
  // structural steps busy across many yields.
  const std::u16string texts[] = {
      ReadTestData("example1.bas"),
      ReadTestData("example2.bas"),
      u"Option Explicit\r\nPrivate Type P\r\n  x(2) As Long\r\nEnd Type\r\nPublic Type Q\r\n  "
      u"s As String\r\n  m(1, 2) As Double\r\nEnd Type\r\nEnum E\r\n  A\r\n  B\r\nEnd Enum\r\n"
      u"Dim v(3) As P\r\nSub S(a As Long, b As Q)\r\n  Dim i As Long\r\n  For i = 1 To a\r\n    "
      u"v(i).x(0) = i ' first\r\n  Next\r\nEnd Sub\r\n",
  };
  for (const std::u16string& text : texts) {
    testing::ExpectSoundAtEveryYield(
        text, [](ConversionState&) {}, [](Conversion& cv) { RunConversion(cv); });
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

TEST(Pipeline, RunConversionSetsConvertingAroundTheStagesAndStepsInOrder) {
  ConversionFixture fixture(u"x = 1\r\n");
  fixture.state.Converting = false;
  std::vector<std::string> events;
  const auto note = [&](std::string what) {
    events.push_back(what + (fixture.state.Converting ? " converting" : " idle"));
  };
  std::size_t next_step = 0;
  bool steps_in_order = true;
  Conversion cv{fixture.buffer, fixture.state, fixture.host};
  RunConversion(cv, {.before_steps = [&] { note("before"); },
                     .after_steps = [&] { note("after"); },
                     .step_starts = [&](std::size_t index) { steps_in_order &= index == next_step++; }});
  note("returned");
  EXPECT_EQ(events, (std::vector<std::string>{"before converting", "after converting", "returned idle"}));
  EXPECT_TRUE(steps_in_order);
  EXPECT_EQ(next_step, PipelineSteps().size());
  EXPECT_EQ(fixture.buffer.Text(), u"x = 1;\r\n");
}

}  // namespace
}  // namespace veldrane
