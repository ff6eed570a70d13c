#include "passes/record_types.h"

namespace veldrane {

void ConvertRecordTypes(Conversion&) {}

std::u16string CutBlockBody(Conversion&, int32_t, const std::u16string&) { return {}; }

}  // namespace veldrane
