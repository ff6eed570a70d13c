#include "passes/declaration_sections.h"

namespace veldrane {

void ConvertModuleDeclarations(Conversion&) {}

void MoveDeclarations(Conversion&, std::u16string, int32_t&, int32_t&) {}

void CollectArrayNames(Conversion&, std::u16string) {}

}  // namespace veldrane
