#include "passes/routine_headers.h"

namespace veldrane {

void ConvertRoutineHeaders(Conversion&, std::u16string, std::u16string) {}

void ReplaceInRange(Conversion&, std::u16string, std::u16string, int32_t, int32_t) {}

}  // namespace veldrane
