#include "step_timing_host.h"

#include "thread_clock.h"

namespace veldrane::bench {

namespace {

bool IsRoutineHeaderStep(const std::u16string& caption) {
  return caption.starts_with(u"「Function 」") || caption.starts_with(u"「Sub 」");
}

// Captions written by the helpers of the routine-header step for each routine.
bool IsHelperCaption(std::u16string_view caption) {
  return caption == u"「, 」を「; 」に変換" || caption == u"変数宣言を整理";
}

}  // namespace

StepTimingHost::StepTimingHost() : started_(ThreadSeconds()) {}

void StepTimingHost::SetLabel1(std::u16string_view caption) {
  if (!steps_.empty()) {
    const std::u16string& current = steps_.back().caption;
    if (current == caption) return;
    if (IsHelperCaption(caption) && IsRoutineHeaderStep(current)) return;
  }
  CloseCurrentStep();
  steps_.push_back({std::u16string(caption), 0});
}

const std::vector<StepTimingHost::Step>& StepTimingHost::Finish() {
  CloseCurrentStep();
  return steps_;
}

void StepTimingHost::CloseCurrentStep() {
  const double now = ThreadSeconds();
  if (!steps_.empty()) steps_.back().seconds += now - started_;
  started_ = now;
}

}  // namespace veldrane::bench
