#include "differential_run.h"

#include "core/conversion.h"
#include "core/recording_host.h"
#include "passes/pipeline.h"

namespace veldrane {

veldrane_differential::Outcome RunForComparison(const std::u16string& text,
                                                veldrane_differential::Control control, int64_t at_yield) {
  using veldrane_differential::Control;
  SourceBuffer buffer(text);
  ConversionState state;
  state.Converting = true;
  RecordingHost host(buffer, state);
  if (control == Control::kStop) host.StopAtYield(at_yield);
  if (control == Control::kClear) host.ClearAtYield(at_yield);
  Conversion cv{buffer, state, host};
  RunPipeline(cv);

  veldrane_differential::Outcome outcome;
  outcome.text = buffer.Text();
  for (const RecordingHost::CaptionWrite& write : host.Captions()) {
    outcome.captions.push_back((write.label == RecordingHost::Label::kLabel1 ? u"1" : u"2") + write.caption);
  }
  outcome.yields = host.Yields();
  outcome.array_names = state.ArrayNames.Entries();
  outcome.routine_names = state.RoutineNames.Entries();
  outcome.routine_name_count = state.RoutineNameCount;
  outcome.local_var_mode = state.LocalVarMode;
  outcome.var_header_written = state.VarHeaderWritten;
  return outcome;
}

}  // namespace veldrane
