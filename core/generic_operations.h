#pragma once

#include <string>

#include "core/conversion.h"

namespace veldrane {

// Replaces every occurrence of `find`; each next search begins with the last unit of the
// replacement just made. An occurrence directly preceded by `unless_after` is passed over.
void ReplaceAll(Conversion& cv, std::u16string find, std::u16string replacement,
                std::u16string unless_after = {});

// Removes each occurrence of `keyword` up to and including the CR LF that ends its line.
void DeleteLines(Conversion& cv, std::u16string keyword);

// Where ReplaceWithSuffix puts its suffix: in front of the statement end (its line break or
// trailing comment), or in place of the ";" that ends a header statement.
enum class SuffixPlace { kBeforeStatementEnd, kInPlaceOfTerminator };

// Replaces every occurrence of `find` and puts `suffix` at the end of its statement.
void ReplaceWithSuffix(Conversion& cv, std::u16string find, std::u16string replacement, std::u16string suffix,
                       SuffixPlace place);

}  // namespace veldrane
