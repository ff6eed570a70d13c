#pragma once

#include <cstdint>
#include <string>

#include "core/conversion.h"

namespace veldrane {

// Gives every non-blank code line a ";" at its end, or in front of its trailing comment.
void AddStatementTerminators(Conversion& cv);

}  // namespace veldrane
