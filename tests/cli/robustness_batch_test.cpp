// A source tree converted with --out-dir however its directory is named on the command line:
// relative, relative with "./" or a trailing "/", nested, "." from inside it, or absolute.
// Every way must find the same files and write the same outputs.
#include <gtest/gtest.h>

#include "cli_test_support.h"

namespace veldrane::cli::testing {
namespace {

struct DirectoryNaming {
  const char* what;
  QString working_directory;  // relative to the tree; empty: the tree itself
  QString source;             // the directory argument; "<abs>" stands for the tree's path
  QString out_dir;
};

TEST(BatchRobustness, FindsTheSameSourcesHoweverTheDirectoryIsNamed) {
  const DirectoryNaming namings[] = {
      {"relative", "", "src", "out"},
      {"relative with ./", "", "./src", "out"},
      {"relative with a trailing slash", "", "src/", "out"},
      {"relative, two levels", "", "project/src", "out"},
      {"relative with ..", "project", "../src", "../out"},
      {"the working directory", "src", ".", "../out"},
      {"absolute", "", "<abs>/src", "<abs>/out"},
  };
  for (const DirectoryNaming& naming : namings) {
    SCOPED_TRACE(naming.what);
    TempTree tree;
    for (const QString& root : {QString("src"), QString("project/src")}) {
      tree.Write(root + "/Module1.bas", "x = 1\r\n");
      tree.Write(root + "/forms/Form1.frm", "y = 2\r\n");
    }
    const auto resolve = [&tree](QString path) { return path.replace("<abs>", tree.Path()); };
    const ProcessResult result =
        RunConverter({"-q", "--out-dir", resolve(naming.out_dir), resolve(naming.source)}, {},
                     tree.Path(naming.working_directory));
    EXPECT_EQ(result.exit_code, 0);
    EXPECT_EQ(result.err.toStdString(), "");
    EXPECT_EQ(tree.Files("out").join(' ').toStdString(), "Module1.pas forms/Form1.pas");
    if (tree.Exists("out/Module1.pas")) {
      EXPECT_EQ(tree.Read("out/Module1.pas").toStdString(), "x = 1;\r\n");
    }
  }
}

}  // namespace
}  // namespace veldrane::cli::testing
