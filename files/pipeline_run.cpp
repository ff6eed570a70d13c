#include "files/pipeline_run.h"

#include "passes/conversion_run.h"

namespace veldrane::files {
namespace {

// A recording host that also hands each step caption to the progress display.
class StepReportingHost : public RecordingHost {
 public:
  StepReportingHost(SourceBuffer& buffer, ConversionState& state,
                    const std::function<void(std::u16string_view)>& on_step)
      : RecordingHost(buffer, state), on_step_(on_step) {}

  void SetLabel1(std::u16string_view caption) override {
    RecordingHost::SetLabel1(caption);
    if (on_step_) on_step_(caption);
  }

 private:
  const std::function<void(std::u16string_view)>& on_step_;
};

}  // namespace

RunResult RunConversion(std::u16string_view text, const RunControls& controls, const ResultReader& read) {
  RunResult result;
  if (text.empty()) {  // the window's command refuses an empty text
    if (read) read(SourceBuffer());
    return result;
  }

  SourceBuffer buffer(text);
  if (controls.on_loaded) controls.on_loaded();
  ConversionState state;
  StepReportingHost host(buffer, state, controls.on_step);
  host.RecordCaptions(controls.record_captions);
  host.StopAtYield(controls.stop_at_yield);
  host.ClearAtYield(controls.clear_at_yield);

  Conversion cv{buffer, state, host};
  veldrane::RunConversion(cv);
  // The name lists can be as long as the text itself; the result is read without them.
  state = ConversionState();

  if (read) {
    read(buffer);
  } else {
    result.text = buffer.Text();
  }
  result.captions = host.Captions();
  result.yields = host.Yields();
  return result;
}

}  // namespace veldrane::files
