// Exit statuses: 0 when everything was converted, 1 when an input failed, 2 for a usage
// error (which converts nothing); --help and --version.
#include <QRegularExpression>

#include "cli_test_support.h"

namespace veldrane::cli::testing {
namespace {

TEST(ExitStatus, UsageErrorsExitTwoWithOneLineAndWriteNothing) {
  TempTree tree;
  tree.Write("a.bas", "x = 1\r\n");
  tree.Write("b.bas", "y = 1\r\n");
  const QString a = tree.Path("a.bas"), b = tree.Path("b.bas");
  const QStringList cases[] = {
      {"--no-such-option", a},
      {"-o", tree.Path("o.pas"), a, b},  // several inputs need --out-dir
      {tree.Path()},                     // a directory needs --out-dir
      {"--out-dir", tree.Path("out")},   // --out-dir with standard input
      {"-o", tree.Path("o.pas"), "--out-dir", tree.Path("out"), a},
      {"--eol", "crlf", a},
      {"--encoding", "no-such-encoding", a},
      {"--legacy-encoding", "utf-16", a},  // byte order not named
      {"--output-encoding", "", a},
      {"-j", "0", a},
      {"-j", "many", a},
      {"--stop-at-yield", "0", a},
      {"--clear-at-yield", "-3", a},
      {"-q", "-v", a},
      {"--trace", tree.Path("t.txt"), "--out-dir", tree.Path("out"), a},
      {"--stop-at-yield", "3", "--out-dir", tree.Path("out"), a},
      {"--clear-at-yield", "1", "--out-dir", tree.Path("out"), a},
      {"--trace", "-", a},  // the result already goes to standard output
      {"--stop-at-yield"},  // value missing
  };
  for (const QStringList& arguments : cases) {
    SCOPED_TRACE(arguments.join(' ').toStdString());
    const ProcessResult result = RunConverter(arguments, "x = 1\r\n");
    EXPECT_EQ(result.exit_code, 2);
    EXPECT_EQ(result.out, "");
    ASSERT_EQ(result.ErrLines().size(), 1);
    EXPECT_TRUE(result.err.startsWith("veldrane-convert: ")) << result.err.constData();
    EXPECT_FALSE(tree.Exists("o.pas"));
    EXPECT_FALSE(tree.Exists("out"));
    EXPECT_FALSE(tree.Exists("t.txt"));
  }
}

TEST(ExitStatus, UsageErrorsSayWhatIsWrong) {
  struct Case {
    QStringList arguments;
    const char* message;
  } cases[] = {
      {{"--stop-at-yield", "3", "--out-dir", "out", "src"},
       "--stop-at-yield takes a single input without --out-dir."},
      {{"--clear-at-yield", "3", "--out-dir", "out", "src"},
       "--clear-at-yield takes a single input without --out-dir."},
      {{"--legacy-encoding", "utf-16", "a.bas"},
       "--legacy-encoding utf-16 needs a byte order: name utf-16le or utf-16be."},
      {{"--encoding", "UTF-16", "a.bas"}, "--encoding utf-16 needs a byte order: name utf-16le or utf-16be."},
      {{"--output-encoding", "klingon", "a.bas"}, "unknown encoding 'klingon' for --output-encoding."},
      {{"--legacy-encoding", "x\ny", "a.bas"}, "unknown encoding 'x\\ny' for --legacy-encoding."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    const ProcessResult result = RunConverter(c.arguments);
    EXPECT_EQ(result.exit_code, 2);
    EXPECT_EQ(result.err, QByteArray("veldrane-convert: ") + c.message + " Try 'veldrane-convert --help'.\n");
  }
}

TEST(ExitStatus, OneForAnyFailedInputZeroOtherwise) {
  TempTree tree;
  tree.Write("src/ok.bas", "x = 1\r\n");
  tree.Write("nothing/readme.txt", "-");
  struct Case {
    const char* name;
    QStringList arguments;
    int status;
  } cases[] = {
      {"all converted", {"--out-dir", tree.Path("o1"), tree.Path("src")}, 0},
      {"missing file among good ones",
       {"--out-dir", tree.Path("o2"), tree.Path("src"), tree.Path("gone.bas")},
       1},
      {"directory without VB6 files", {"--out-dir", tree.Path("o3"), tree.Path("nothing")}, 1},
      {"single missing file", {tree.Path("gone.bas")}, 1},
      {"single file", {tree.Path("src/ok.bas")}, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(RunConverter(QStringList{"-q"} + c.arguments).exit_code, c.status);
  }
  EXPECT_EQ(tree.Read("o2/ok.pas"), "x = 1;\r\n");  // converted despite the missing one
}

TEST(ExitStatus, BatchRunEndsWithASummary) {
  TempTree tree;
  tree.Write("src/ok.bas", "x = 1\r\n");
  const ProcessResult result =
      RunConverter({"--out-dir", tree.Path("out"), tree.Path("src"), tree.Path("gone.frm")});
  EXPECT_EQ(result.exit_code, 1);
  const QList<QByteArray> lines = result.ErrLines();
  ASSERT_EQ(lines.size(), 2);
  EXPECT_TRUE(lines[0].endsWith("gone.frm: cannot read: no such file"));
  EXPECT_TRUE(lines[1].startsWith("veldrane-convert: 1 converted, 1 failed, ")) << lines[1].constData();
  EXPECT_TRUE(lines[1].endsWith(" s"));
}

TEST(ExitStatus, HelpDocumentsEveryOptionAndVersionNamesItsCommit) {
  const ProcessResult help = RunConverter({"--help"});
  EXPECT_EQ(help.exit_code, 0);
  EXPECT_EQ(help.err, "");
  for (const char* option :
       {"--output", "--out-dir", "--force", "--encoding", "--legacy-encoding", "--output-encoding", "--eol",
        "--whole-file", "--jobs", "--quiet", "--verbose", "--help", "--version", "--trace", "--stop-at-yield",
        "--clear-at-yield", "Examples:", "Exit status"}) {
    EXPECT_TRUE(help.out.contains(option)) << option;
  }
  EXPECT_EQ(RunConverter({"-h"}).out, help.out);

  const ProcessResult version = RunConverter({"--version"});
  EXPECT_EQ(version.exit_code, 0);
  EXPECT_TRUE(
      QString::fromUtf8(version.out)
          .contains(QRegularExpression(
              "^veldrane-convert \\d+\\.\\d+\\.\\d+ \\(commit ([0-9a-f]+(-modified)?|unknown)\\)\n$")))
      << version.out.constData();
}

}  // namespace
}  // namespace veldrane::cli::testing
