#pragma once

#include "buffer/source_buffer.h"
#include "core/conversion_host.h"
#include "core/conversion_state.h"

namespace veldrane {

// The three things every step works on: the text, the run's state and the host.
struct Conversion {
  SourceBuffer& buffer;
  ConversionState& state;
  ConversionHost& host;
};

// The head of every loop iteration: false when the run has been stopped, otherwise
// yields to the host and returns true.
inline bool ContinueRun(Conversion& cv) {
  if (!cv.state.Converting) return false;
  cv.host.Yield();
  return true;
}

}  // namespace veldrane
