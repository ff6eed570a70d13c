#pragma once

#include <cstdint>
#include <string>

#include "core/conversion.h"

namespace veldrane {

// Converts the enumeration lists whose header lies before position `limit`.
void ConvertEnumerations(Conversion& cv, int32_t limit);

}  // namespace veldrane
