#pragma once

#include <optional>
#include <string_view>

#include "translation/vb_types.h"

namespace veldrane::translation {

// One of VB's intrinsic constants (vbCrLf, vbYes, vbTextCompare, ...) and the runtime's name for it.
struct VbConstant {
  std::string_view vb_name;
  std::string_view pascal;  // as the runtime's VrConstants declares it
  VbType type;
};

// The constant named so, in any case; nullopt for other names.
std::optional<VbConstant> FindVbConstant(std::string_view vb_name);

}  // namespace veldrane::translation
