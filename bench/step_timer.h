#pragma once

#include <cstddef>
#include <vector>

namespace veldrane::bench {

// Times the pipeline's steps by their index: a run reports each step's start (RunStages'
// step_starts), and the thread CPU time from one start to the next is that step's time.
// A step's helpers and the captions it writes all count towards the step itself.
//
// It also keeps, per step, the longest wall time between two yields (a window processes its
// events only in yields, so this is the longest its events can wait, before any refresh of
// the window's own). A gap is counted for the step in which it ends.
class StepTimer {
 public:
  // Step `index` (into PipelineSteps()) starts; the step before it ends.
  void StepStarts(std::size_t index);
  // The run yields.
  void Yielded();
  // Ends the last step; call once the run has returned. Seconds per step index.
  const std::vector<double>& Finish();
  // After Finish: the longest wall seconds between two yields, per step index.
  const std::vector<double>& LongestYieldGaps() const { return longest_gaps_; }

 private:
  void CloseCurrentStep();

  std::vector<double> seconds_;
  std::vector<double> longest_gaps_;
  std::size_t current_ = 0;
  double started_ = 0;      // thread CPU seconds at the start of the current step
  double last_yield_ = -1;  // wall seconds of the last yield; < 0 before the first
};

}  // namespace veldrane::bench
