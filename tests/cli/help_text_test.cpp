// --help, built from the option declarations, is pinned byte for byte: a change to an
// option's help shows up here for review. To accept one, regenerate the file with
//   build/.../veldrane-convert --help > tests/cli/golden/help.txt
#include "cli_test_support.h"

namespace veldrane::cli::testing {
namespace {

TEST(HelpText, MatchesTheReviewedText) {
  QFile golden(VELDRANE_CLI_GOLDEN_DIR "/help.txt");
  ASSERT_TRUE(golden.open(QIODevice::ReadOnly));
  const ProcessResult help = RunConverter({"--help"});
  EXPECT_EQ(help.exit_code, 0);
  EXPECT_EQ(help.out.toStdString(), golden.readAll().toStdString());
  for (const QByteArray& line : help.out.split('\n')) EXPECT_LE(line.size(), 80) << line.constData();
}

}  // namespace
}  // namespace veldrane::cli::testing
