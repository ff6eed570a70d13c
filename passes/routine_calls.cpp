#include "passes/routine_calls.h"

namespace veldrane {

void FixRoutineCalls(Conversion&) {}

}  // namespace veldrane
