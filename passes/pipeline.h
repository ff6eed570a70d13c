#pragma once

#include <cstddef>
#include <functional>
#include <span>
#include <string>
#include <string_view>

#include "core/conversion.h"
#include "core/generic_operations.h"

namespace veldrane {

// One step of the pipeline: one call of a generic operation with its literals, or one
// structural pass. Steps are data; RunPipeline runs them in order with one loop.
struct PipelineStep {
  enum class Operation {
    kDeleteLines,        // DeleteLines(find)
    kReplaceAll,         // ReplaceAll(find, replacement, unless_after)
    kReplaceWithSuffix,  // ReplaceWithSuffix(find, replacement, suffix, suffix_place)
    kRoutineHeaders,     // ConvertRoutineHeaders(find, replacement)
    kPass,               // pass(cv), a structural pass without arguments
  };

  Operation operation = Operation::kPass;
  std::u16string_view find = {};
  std::u16string_view replacement = {};
  std::u16string_view unless_after = {};
  std::u16string_view suffix = {};
  SuffixPlace suffix_place = SuffixPlace::kBeforeStatementEnd;
  void (*pass)(Conversion&) = nullptr;
  std::string_view pass_name = {};  // the structural pass's name, for listings
  // An assignment to the run state the step needs before it runs, or none.
  void (*prepare)(ConversionState&) = nullptr;
};

// Every step, in the order a run makes them.
std::span<const PipelineStep> PipelineSteps();

// The step's caption, as the step writes it first into Label1, for the generic operations
// and the routine headers; the structural pass's name for the other passes.
std::u16string StepTitle(const PipelineStep& step);

// Makes the step's state assignment, then runs it on cv.
void RunStep(Conversion& cv, const PipelineStep& step);

// Resets the run's name lists and flags, then runs every step in order on cv.buffer, calling
// `step_starts` (when given) with each step's index into PipelineSteps() before it runs.
// Expects cv.state.Converting to be true (RunConversion sets and clears it).
void RunPipeline(Conversion& cv, const std::function<void(std::size_t)>& step_starts = {});

}  // namespace veldrane
