#pragma once

#include <cstdint>
#include <string>

#include "core/conversion.h"

namespace veldrane {

// Rewrite the For, While and With headers into Delphi headers followed by a "begin" line;
// the With pass also closes its block and removes the dots of its member references.
void ConvertForLoops(Conversion& cv);
void ConvertWhileLoops(Conversion& cv);
void ConvertWithBlocks(Conversion& cv);

}  // namespace veldrane
