#pragma once

#include <cstdint>
#include <string>

#include "core/conversion.h"

namespace veldrane {

// Runs the 74 conversion steps in order on cv.buffer. Expects cv.state.Converting to be
// true on entry (the caller sets and clears it).
void RunPipeline(Conversion& cv);

}  // namespace veldrane
