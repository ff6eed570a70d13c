// The two whole worked examples, converted by the real binary byte for byte.
#include <gtest/gtest.h>

#include "cli_test_support.h"

namespace veldrane::cli::testing {
namespace {

QByteArray ReadData(const QString& name) {
  QFile file(QStringLiteral(VELDRANE_TEST_DATA_DIR "/") + name);
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
  return file.readAll();
}

TEST(WorkedExamples, ConvertByteForByteThroughTheBinary) {
  for (const char* example : {"example1", "example2"}) {
    const QString name = QString::fromLatin1(example);
    const QString input = QStringLiteral(VELDRANE_TEST_DATA_DIR "/") + name + ".bas";
    const ProcessResult result = RunConverter({"--encoding", "utf-8", "--eol", "keep", input});
    EXPECT_EQ(result.exit_code, 0) << example << ": " << result.err.toStdString();
    EXPECT_EQ(result.out, ReadData(name + ".pas")) << example;
  }
}

}  // namespace
}  // namespace veldrane::cli::testing
