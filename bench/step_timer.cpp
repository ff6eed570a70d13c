#include "step_timer.h"

#include <algorithm>
#include <chrono>

#include "thread_clock.h"

namespace veldrane::bench {

namespace {
double WallSeconds() {
  return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}
}  // namespace

void StepTimer::StepStarts(std::size_t index) {
  CloseCurrentStep();
  if (seconds_.size() <= index) {
    seconds_.resize(index + 1);
    longest_gaps_.resize(index + 1);
  }
  current_ = index;
  started_ = ThreadSeconds();
}

void StepTimer::Yielded() {
  const double now = WallSeconds();
  if (last_yield_ >= 0 && !longest_gaps_.empty()) {
    longest_gaps_[current_] = std::max(longest_gaps_[current_], now - last_yield_);
  }
  last_yield_ = now;
}

const std::vector<double>& StepTimer::Finish() {
  CloseCurrentStep();
  Yielded();
  return seconds_;
}

void StepTimer::CloseCurrentStep() {
  if (seconds_.empty()) return;
  seconds_[current_] += ThreadSeconds() - started_;
  started_ = ThreadSeconds();
}

}  // namespace veldrane::bench
