#pragma once

#include <cstdint>
#include <string>

#include "core/conversion.h"

namespace veldrane {

// Turns the parentheses after every name in ArrayNames into brackets.
void ConvertArraySubscripts(Conversion& cv);

}  // namespace veldrane
