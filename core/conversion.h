#pragma once

#include <cstdint>

#include "buffer/source_buffer.h"
#include "core/conversion_host.h"
#include "core/conversion_state.h"

namespace veldrane {

// The three things every step works on: the text, the run's state and the host.
struct Conversion {
  SourceBuffer& buffer;
  ConversionState& state;
  ConversionHost& host;
  // The text the run was started on. Clear, which a host may carry out in any yield,
  // replaces the whole text; from then on the run has nothing left to edit.
  const uint64_t text_generation = buffer.Generation();
};

// True once the text the run started on has been replaced (emptied by Clear).
inline bool TextReplacedSinceStart(const Conversion& cv) {
  return cv.buffer.Generation() != cv.text_generation;
}

// The head of every loop iteration: false when the run has been stopped, otherwise
// yields to the host and returns true.
inline bool ContinueRun(Conversion& cv) {
  if (!cv.state.Converting) return false;
  cv.host.Yield();
  return true;
}

}  // namespace veldrane
