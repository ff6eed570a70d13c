#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "passes/pipeline.h"

namespace veldrane::bench {

// What one whole conversion leaves behind, for the floor and for sanity checks.
struct ConversionOutcome {
  std::u16string text;
  std::size_t routine_names = 0;  // entries of RoutineNames, the empty last one included
  std::size_t array_names = 0;    // entries of ArrayNames, likewise
  long long yields = 0;
};

// Runs the whole pipeline on `input` the way the batch converter does (nothing recorded).
ConversionOutcome Convert(std::u16string_view input);

// Per step of one whole conversion, by index into PipelineSteps().
struct StepTimes {
  std::vector<double> seconds;            // CPU seconds
  std::vector<double> longest_yield_gap;  // wall seconds (see StepTimer)
};
StepTimes TimeSteps(std::u16string_view input);

// CPU seconds of one whole conversion of `input` (the calling thread's CPU time).
double TimeConversion(std::u16string_view input);

// The number of whole-text searches in the floor: one per step of the pipeline.
inline std::size_t FloorSearches() { return PipelineSteps().size(); }

// CPU seconds of `searches` searches, each over the whole of `input`, of a literal that does not
// occur in it: the least any run of the algorithm pays for reading the text.
double TimeFloor(std::u16string_view input, std::size_t searches);

}  // namespace veldrane::bench
