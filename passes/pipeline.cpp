#include "passes/pipeline.h"

#include <array>

#include "core/captions.h"
#include "passes/array_subscripts.h"
#include "passes/block_statements.h"
#include "passes/declaration_sections.h"
#include "passes/record_types.h"
#include "passes/redim.h"
#include "passes/routine_calls.h"
#include "passes/routine_headers.h"
#include "passes/statement_terminators.h"

namespace veldrane {

namespace {

using Operation = PipelineStep::Operation;

constexpr PipelineStep Delete(std::u16string_view keyword) {
  return {.operation = Operation::kDeleteLines, .find = keyword};
}
constexpr PipelineStep Replace(std::u16string_view find, std::u16string_view replacement,
                               std::u16string_view unless_after = {}) {
  return {.operation = Operation::kReplaceAll,
          .find = find,
          .replacement = replacement,
          .unless_after = unless_after};
}
constexpr PipelineStep WithSuffix(std::u16string_view find, std::u16string_view replacement,
                                  std::u16string_view suffix, SuffixPlace place) {
  return {.operation = Operation::kReplaceWithSuffix,
          .find = find,
          .replacement = replacement,
          .suffix = suffix,
          .suffix_place = place};
}
constexpr PipelineStep RoutineHeaders(std::u16string_view keyword, std::u16string_view replacement) {
  return {.operation = Operation::kRoutineHeaders, .find = keyword, .replacement = replacement};
}
constexpr PipelineStep Pass(std::string_view name, void (*pass)(Conversion&)) {
  return {.operation = Operation::kPass, .pass = pass, .pass_name = name};
}
constexpr PipelineStep First(void (*prepare)(ConversionState&), PipelineStep step) {
  step.prepare = prepare;
  return step;
}

// From here on the declaration sections are those of routines.
void EnterLocalVarMode(ConversionState& state) { state.LocalVarMode = true; }
// Once: the Sub names follow the Function names.
void StartRoutineNames(ConversionState& state) { state.RoutineNameCount = 0; }

constexpr auto kBeforeEnd = SuffixPlace::kBeforeStatementEnd;
constexpr auto kAsTerminator = SuffixPlace::kInPlaceOfTerminator;

constexpr std::array kSteps = {
    // Lines without a Delphi counterpart, on the text as pasted.
    Delete(u"Option Explicit"),
    Delete(u"Attribute "),
    Delete(u"Option Base"),
    Delete(u"Option Compare"),
    Delete(u"Option Private"),
    Delete(u"Debug.Print "),

    // Keywords, operators and function names. ": " goes before " As " so that the " : "
    // written for " As " stays; "'" goes before the double quote so that comment marks are
    // converted while strings are still delimited by double quotes.
    Replace(u"Private ", u""),
    Replace(u" And ", u" and "),
    Replace(u" Or ", u" or "),
    Replace(u" Not ", u" not "),
    Replace(u" Long", u" Integer"),
    Replace(u": ", u"; "),
    Replace(u" As ", u" : "),
    Replace(u"ByRef ", u"var "),
    Replace(u"ByVal ", u""),
    Replace(u"CInt(", u"StrToInt("),
    Replace(u"Call ", u""),
    Replace(u"Do ", u""),
    Replace(u"DoEvents", u"Application.ProcessMessages"),
    Replace(u"End Select", u"end"),
    Replace(u"End If", u"end"),
    Replace(u"Exit Sub", u"exit"),
    Replace(u"Exit Function", u"exit"),
    Replace(u"Exit Do", u"Break"),
    Replace(u"Exit For", u"Break"),
    Replace(u"Int(", u"Trunc(", u"StrTo"),  // the "Int(" of "StrToInt(" stays
    Replace(u"If ", u"if "),
    Replace(u"LBound(", u"Low("),
    Replace(u"UBound(", u"High("),
    Replace(u"Len(", u"Length("),
    Replace(u"LTrim(", u"TrimLeft("),
    Replace(u"RTrim(", u"TrimRight("),
    Replace(u"Mid(", u"Copy("),
    Replace(u"Rnd(", u"Random("),
    Replace(u"Next", u"end"),
    Replace(u"Set ", u""),
    Replace(u"Nothing", u"nil"),
    Replace(u" Is ", u" is "),
    Replace(u"&H", u"$"),
    Replace(u"'", u"//"),
    Replace(u" & ", u" + "),
    Replace(u"\"", u"'"),
    Replace(u" _", u" "),

    // Enumeration headers and ends, before the terminators are added.
    WithSuffix(u"Private Enum ", u"type ", u" = (", kBeforeEnd),
    WithSuffix(u"Public Enum ", u"type ", u" = (", kBeforeEnd),
    WithSuffix(u"Enum ", u"type ", u" = (", kBeforeEnd),
    Replace(u"End Enum", u")"),

    Pass("AddStatementTerminators", AddStatementTerminators),

    Replace(u"Private Type ", u"Type "),
    Replace(u"Public Type ", u"Type "),
    Pass("ConvertRecordTypes", ConvertRecordTypes),
    Replace(u"End Type", u"end"),
    Replace(u" Then;", u" then"),
    Replace(u" Then", u" then"),
    WithSuffix(u"Select Case ", u"case ", u" of", kAsTerminator),
    Replace(u"Case ", u""),
    Replace(u"Else;", u"else"),
    Replace(u"Else", u"else"),
    Pass("ConvertForLoops", ConvertForLoops),
    Pass("ConvertWhileLoops", ConvertWhileLoops),
    Replace(u"Loop;", u"end;"),
    Pass("ConvertWithBlocks", ConvertWithBlocks),
    Delete(u"Declare Function "),
    Delete(u"Declare Sub "),
    Pass("ConvertReDim", ConvertReDim),
    // Runs while "Public " still marks module-level declarations.
    Pass("ConvertModuleDeclarations", ConvertModuleDeclarations),
    First(EnterLocalVarMode, Replace(u"Public ", u"")),
    Replace(u"Global", u""),
    First(StartRoutineNames, RoutineHeaders(u"Function ", u"function ")),
    RoutineHeaders(u"Sub ", u"procedure "),
    Replace(u"End Function", u"end"),
    Replace(u"End Sub", u"end"),
    Pass("ConvertArraySubscripts", ConvertArraySubscripts),
    Pass("FixRoutineCalls", FixRoutineCalls),
};

}  // namespace

std::span<const PipelineStep> PipelineSteps() { return kSteps; }

std::u16string StepTitle(const PipelineStep& step) {
  switch (step.operation) {
    case Operation::kDeleteLines:
      return DeletionCaption(step.find);
    case Operation::kReplaceAll:
    case Operation::kReplaceWithSuffix:
    case Operation::kRoutineHeaders:
      return ReplacementCaption(step.find, step.replacement);
    case Operation::kPass:
      break;
  }
  return std::u16string(step.pass_name.begin(), step.pass_name.end());
}

void RunStep(Conversion& cv, const PipelineStep& step) {
  if (step.prepare) step.prepare(cv.state);
  const std::u16string find(step.find);
  const std::u16string replacement(step.replacement);
  switch (step.operation) {
    case Operation::kDeleteLines:
      DeleteLines(cv, find);
      return;
    case Operation::kReplaceAll:
      ReplaceAll(cv, find, replacement, std::u16string(step.unless_after));
      return;
    case Operation::kReplaceWithSuffix:
      ReplaceWithSuffix(cv, find, replacement, std::u16string(step.suffix), step.suffix_place);
      return;
    case Operation::kRoutineHeaders:
      ConvertRoutineHeaders(cv, find, replacement);
      return;
    case Operation::kPass:
      step.pass(cv);
      return;
  }
}

void RunPipeline(Conversion& cv, const std::function<void(std::size_t)>& step_starts) {
  ConversionState& state = cv.state;
  state.ArrayNames = {u""};
  state.RoutineNames = {u""};
  state.LocalVarMode = false;
  state.VarHeaderWritten = false;

  for (std::size_t i = 0; i < kSteps.size(); ++i) {
    if (step_starts) step_starts(i);
    RunStep(cv, kSteps[i]);
  }
}

}  // namespace veldrane
