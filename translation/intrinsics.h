#pragma once

#include <optional>
#include <string_view>

#include "translation/vb_types.h"

namespace veldrane::translation {

// A VB intrinsic function and the runtime routine that does what it does.
struct Intrinsic {
  std::string_view vb_name;    // without the '$' form: Mid$ finds Mid
  std::string_view routine;    // the runtime's routine
  VbType result;               // the type VB gives the result ('$' forms: String); kVoid: a statement
  std::string_view arguments;  // the argument types, as described in intrinsics.cpp
  bool returns_array = false;  // a String array (Split)
};

// The intrinsic named so (any case, a trailing '$' ignored); nullopt for other names.
std::optional<Intrinsic> FindIntrinsic(std::string_view vb_name);

}  // namespace veldrane::translation
