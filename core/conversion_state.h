#pragma once

#include <cstdint>

#include "core/name_list.h"

namespace veldrane {

// The run's form-level fields, owned by the host together with the source buffer.
// Name lists end with one empty entry; readers walk from entry 0 to the first empty one.
struct ConversionState {
  bool Converting = false;  // cleared by Stop; tested at the head of every loop
  bool LocalVarMode = false;
  bool VarHeaderWritten = false;
  NameList ArrayNames{u""};
  NameList RoutineNames{u""};
  int32_t RoutineNameCount = 0;  // index of the last entry of RoutineNames
};

}  // namespace veldrane
