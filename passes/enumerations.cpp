#include "passes/enumerations.h"

namespace veldrane {

void ConvertEnumerations(Conversion&, int32_t) {}

}  // namespace veldrane
