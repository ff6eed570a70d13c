#pragma once

#include <functional>
#include <string>

#include "buffer/conversion.h"
#include "buffer/recording_host.h"

namespace veldrane::testing {

// A buffer, a run state with Converting set, and a recording host, wired together the way
// the window wires them. Tests run one pass (or the pipeline) on it and inspect the result.
struct ConversionFixture {
  explicit ConversionFixture(std::u16string_view text) : buffer(text), host(buffer, state) {
    state.Converting = true;
  }
  std::u16string Run(const std::function<void(Conversion&)>& step) {
    Conversion cv{buffer, state, host};
    step(cv);
    return buffer.Text();
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
