#include "conversion_runner.h"

#include <stdexcept>
#include <utility>

#include "passes/conversion_run.h"
#include "step_timer.h"
#include "thread_clock.h"

namespace veldrane::bench {

namespace {

class CountingHost : public ConversionHost {
 public:
  void Yield() override {
    ++yields;
    if (timer != nullptr) timer->Yielded();
  }
  void SetLabel1(std::u16string_view) override {}
  void SetLabel2(std::u16string_view) override {}
  long long yields = 0;
  StepTimer* timer = nullptr;
};

// A buffer and a run state wired as the window wires them.
struct Run {
  explicit Run(std::u16string_view input) : buffer(input) {}
  void Go(ConversionHost& host, const RunStages& stages = {}) {
    Conversion cv{buffer, state, host};
    RunConversion(cv, stages);
  }
  SourceBuffer buffer;
  ConversionState state;
};

// Written by no generator: "#" does not occur in the benchmark inputs.
constexpr std::u16string_view kAbsentLiteral = u"#absent#";

}  // namespace

StepTimes TimeSteps(std::u16string_view input) {
  Run run(input);
  CountingHost host;
  StepTimer timer;
  host.timer = &timer;
  run.Go(host, {.step_starts = [&timer](std::size_t index) { timer.StepStarts(index); }});
  std::vector<double> seconds = timer.Finish();
  return {std::move(seconds), timer.LongestYieldGaps()};
}

ConversionOutcome Convert(std::u16string_view input) {
  Run run(input);
  CountingHost host;
  run.Go(host);
  return {run.buffer.Text(), run.state.RoutineNames.size(), run.state.ArrayNames.size(), host.yields};
}

double TimeConversion(std::u16string_view input) {
  const double start = ThreadSeconds();
  Run run(input);
  CountingHost host;
  run.Go(host);
  return ThreadSeconds() - start;
}

double TimeFloor(std::u16string_view input, std::size_t searches) {
  if (input.find(kAbsentLiteral) != std::u16string_view::npos) {
    throw std::invalid_argument("the floor's literal occurs in the input");
  }
  const SourceBuffer buffer(input);
  const double start = ThreadSeconds();
  int32_t found = 0;
  for (std::size_t i = 0; i < searches; ++i) found += buffer.Find(1, kAbsentLiteral);
  const double seconds = ThreadSeconds() - start;
  if (found != 0) throw std::logic_error("the floor's literal was found");
  return seconds;
}

}  // namespace veldrane::bench
