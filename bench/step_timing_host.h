#pragma once

#include <string>
#include <vector>

#include "core/conversion_host.h"

namespace veldrane::bench {

// A host that times the pipeline's steps by the Label1 captions they write: each step
// writes its caption once when it starts, so the time between two caption changes is the
// time of one step. The routine-header steps hand their work to helpers that write captions
// of their own for every routine; that time stays with the routine-header step.
class StepTimingHost : public ConversionHost {
 public:
  struct Step {
    std::u16string caption;
    double seconds = 0;
  };

  StepTimingHost();
  void Yield() override { ++yields_; }
  void SetLabel1(std::u16string_view caption) override;
  void SetLabel2(std::u16string_view) override {}

  // Closes the last step; call once the pipeline has returned.
  const std::vector<Step>& Finish();
  long long Yields() const { return yields_; }

 private:
  void CloseCurrentStep();

  std::vector<Step> steps_;
  double started_;  // thread CPU seconds at the start of the current step
  long long yields_ = 0;
};

}  // namespace veldrane::bench
