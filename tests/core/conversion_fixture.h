#pragma once

#include <functional>
#include <string>

#include "core/conversion.h"
#include "core/recording_host.h"
#include "passes/conversion_run.h"

namespace veldrane::testing {

// A buffer, a run state with Converting set, and a recording host, wired together the way
// the window wires them. Tests run one pass, or a whole conversion, on it and inspect the
// result.
struct ConversionFixture {
  explicit ConversionFixture(std::u16string_view text) : buffer(text), host(buffer, state) {
    state.Converting = true;
  }
  std::u16string Run(const std::function<void(Conversion&)>& step) {
    Conversion cv{buffer, state, host};
    step(cv);
    return buffer.Text();
  }
  // A whole conversion, as the window's command makes it.
  std::u16string RunConversion() {
    return Run([](Conversion& cv) { veldrane::RunConversion(cv); });
  }

  SourceBuffer buffer;
  ConversionState state;
  RecordingHost host;
};

// Runs `step` on `text` and returns the resulting text.
inline std::u16string Convert(std::u16string_view text, const std::function<void(Conversion&)>& step) {
  ConversionFixture fixture(text);
  return fixture.Run(step);
}

}  // namespace veldrane::testing
