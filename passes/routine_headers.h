#pragma once

#include <cstdint>
#include <string>

#include "core/conversion.h"

namespace veldrane {

// Converts every `keyword` routine header ("Function ", "Sub ") into a Delphi header
// with a "begin" line and a "var" section, and records the routines that take parameters.
void ConvertRoutineHeaders(Conversion& cv, std::u16string keyword, std::u16string replacement);

// Replaces each occurrence of `find` from position `from` on that begins before `limit`.
void ReplaceInRange(Conversion& cv, std::u16string find, std::u16string replacement, int32_t from,
                    int32_t limit);

}  // namespace veldrane
