// Every fixture (each VB6 source kind, with designer headers, attributes and conditional
// compilation) parses without a diagnostic.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "tree_text.h"
#include "vb/parser.h"

namespace veldrane::vb {
namespace {

TEST(VbFixtures, EveryFileParsesWithoutDiagnostics) {
  int files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(VELDRANE_VB_FIXTURES_DIR)) {
    SCOPED_TRACE(entry.path().string());
    std::ifstream in(entry.path(), std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    ParseOptions options;
    options.source_kind = SourceKindForFileName(entry.path().filename().u16string());
    const Module module = Parse(testing::Utf16(bytes.str()), options);
    for (const Diagnostic& d : module.diagnostics)
      ADD_FAILURE() << d.line << ":" << d.column << ": " << d.message;
    EXPECT_EQ(testing::Utf8(module.name), entry.path().stem().string());
    EXPECT_FALSE(module.body.empty());
    ++files;
  }
  EXPECT_GE(files, 8);
}

}  // namespace
}  // namespace veldrane::vb
