#pragma once

#include <cstdint>
#include <string>

#include "core/conversion.h"

namespace veldrane {

// Puts the arguments of calls of the routines in RoutineNames into parentheses.
void FixRoutineCalls(Conversion& cv);

}  // namespace veldrane
