#pragma once

#include <cstdint>
#include <string>

#include "core/conversion.h"

namespace veldrane {

// Rewrites every "Type " block into a Delphi record.
void ConvertRecordTypes(Conversion& cv);

// Takes the text from position `start` up to the next `terminator` out of the buffer
// (see the definition for exactly which units are removed) and returns it.
std::u16string CutBlockBody(Conversion& cv, int32_t start, const std::u16string& terminator);

}  // namespace veldrane
