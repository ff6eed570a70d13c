#pragma once

#include <cstddef>
#include <vector>

namespace veldrane::bench {

// Times the pipeline's steps by their index: a run reports each step's start (RunStages'
// step_starts), and the thread CPU time from one start to the next is that step's time.
// A step's helpers and the captions it writes all count towards the step itself.
class StepTimer {
 public:
  // Step `index` (into PipelineSteps()) starts; the step before it ends.
  void StepStarts(std::size_t index);
  // Ends the last step; call once the run has returned. Seconds per step index.
  const std::vector<double>& Finish();

 private:
  void CloseCurrentStep();

  std::vector<double> seconds_;
  std::size_t current_ = 0;
  double started_ = 0;  // thread CPU seconds at the start of the current step
};

}  // namespace veldrane::bench
