#include "step_timer.h"

#include "thread_clock.h"

namespace veldrane::bench {

void StepTimer::StepStarts(std::size_t index) {
  CloseCurrentStep();
  if (seconds_.size() <= index) seconds_.resize(index + 1);
  current_ = index;
  started_ = ThreadSeconds();
}

const std::vector<double>& StepTimer::Finish() {
  CloseCurrentStep();
  return seconds_;
}

void StepTimer::CloseCurrentStep() {
  if (seconds_.empty()) return;
  seconds_[current_] += ThreadSeconds() - started_;
  started_ = ThreadSeconds();
}

}  // namespace veldrane::bench
