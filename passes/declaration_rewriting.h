#pragma once

#include <cstdint>
#include <string>

#include "core/conversion.h"

namespace veldrane {

// Replaces every occurrence of `find` in `text`; each next search begins with the last
// unit of the replacement just made.
void ReplaceAllInString(Conversion& cv, std::u16string& text, std::u16string find,
                        std::u16string replacement);

// Rewrites the array syntax of declaration text into Delphi array types.
void RewriteDeclaration(Conversion& cv, std::u16string& text);

}  // namespace veldrane
