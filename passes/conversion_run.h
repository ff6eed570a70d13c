#pragma once

#include <cstddef>
#include <functional>

#include "core/conversion.h"

namespace veldrane {

// Work a host does around the steps while the run still counts as going on (Converting
// set): the window locks its controls before the steps and shows the result and the time
// after them, and only then is Converting cleared. The step profile watches each step start.
struct RunStages {
  std::function<void()> before_steps = {};
  std::function<void()> after_steps = {};
  std::function<void(std::size_t)> step_starts = {};  // the step's index into PipelineSteps()
};

// One whole conversion, as every host starts it: sets Converting, runs before_steps, every
// step of the pipeline in order, after_steps, and clears Converting.
void RunConversion(Conversion& cv, const RunStages& stages = {});

}  // namespace veldrane
