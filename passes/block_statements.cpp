#include "passes/block_statements.h"

namespace veldrane {

void ConvertForLoops(Conversion&) {}

void ConvertWhileLoops(Conversion&) {}

void ConvertWithBlocks(Conversion&) {}

}  // namespace veldrane
