#pragma once

#include <cstdint>
#include <string>

#include "core/conversion.h"

namespace veldrane {

// Rewrites every "ReDim " statement as a "SetLength(" call with the element count.
void ConvertReDim(Conversion& cv);

}  // namespace veldrane
