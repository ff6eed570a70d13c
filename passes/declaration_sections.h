#pragma once

#include <cstdint>
#include <string>

#include "core/conversion.h"

namespace veldrane {

// Moves the module-level "Public " and "Dim " declarations to the start of the text and
// converts the enumerations of the module-level area.
void ConvertModuleDeclarations(Conversion& cv);

// Moves each `keyword` declaration that begins before position `limit` to the insertion
// point `insertion` (an offset); both are kept pointing at the same places in the text.
void MoveDeclarations(Conversion& cv, std::u16string keyword, int32_t& insertion, int32_t& limit);

// Records in ArrayNames the name written directly in front of every "(" of a declaration.
void CollectArrayNames(Conversion& cv, std::u16string declaration);

}  // namespace veldrane
