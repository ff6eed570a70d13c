#include "passes/array_subscripts.h"

namespace veldrane {

void ConvertArraySubscripts(Conversion&) {}

}  // namespace veldrane
