#pragma once

#include <cctype>
#include <string>

namespace veldrane::migration {

// A parameterized case's name made from one of its texts (a path): letters and digits stay,
// everything else becomes '_', so the test names are stable and readable in ctest.
inline std::string ParamName(const char* text) {
  std::string name;
  for (const char* c = text; *c != '\0'; ++c) name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
  return name;
}

}  // namespace veldrane::migration
