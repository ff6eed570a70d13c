#include "passes/redim.h"

namespace veldrane {

void ConvertReDim(Conversion&) {}

}  // namespace veldrane
