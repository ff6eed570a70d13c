#pragma once

#include <fstream>
#include <sstream>
#include <string>

#include "inputs/utf8.h"

namespace veldrane::testing {

// The contents of tests/data/<name>, a UTF-8 file, as UTF-16 code units.
inline std::u16string ReadTestData(const std::string& name) {
  std::ifstream in(std::string(VELDRANE_TEST_DATA_DIR) + "/" + name, std::ios::binary);
  std::stringstream bytes;
  bytes << in.rdbuf();
  return bench::FromUtf8(bytes.str());
}

}  // namespace veldrane::testing
