#include "passes/conversion_run.h"

#include "passes/pipeline.h"

namespace veldrane {

void RunConversion(Conversion& cv, const RunStages& stages) {
  cv.state.Converting = true;
  if (stages.before_steps) stages.before_steps();
  RunPipeline(cv, stages.step_starts);
  if (stages.after_steps) stages.after_steps();
  cv.state.Converting = false;
}

}  // namespace veldrane
