// The converter under real faults: a full tmpfs, device nodes and FIFOs made in a temporary
// directory, standard streams and process substitution, links in and around the output
// directory, the trace among the outputs, names that are not UTF-8 or hold control
// characters, paths longer than PATH_MAX and directory links that loop, FIFOs nobody reads,
// signals during a batch and directories without search permission.
#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <QThread>
#include <ctime>

#include "cli_test_support.h"
#include "file_system_fixtures.h"

namespace veldrane::cli::testing {
namespace {

using veldrane::testing::FileType;
using veldrane::testing::ReadBytesBelow;
using veldrane::testing::SmallTmpfs;

const QByteArray kModule = "Option Explicit\r\nx = a And b\r\n";
const QByteArray kConverted = "x = a and b;\r\n";

QByteArray Native(const TempTree& tree, const QByteArray& relative = {}) {
  return tree.Path(QString::fromUtf8(relative)).toUtf8();
}

TEST(FileSafety, AFullDiskFailsEachFileThatDoesNotFitAndLeavesNoPartialOutput) {
  TempTree tree;
  SmallTmpfs tmpfs(Native(tree, "small"), 128);
  if (!tmpfs.Mounted())
    GTEST_SKIP() << "cannot mount a tmpfs here (needs root); the full-disk case is not run";
  // 60 modules of about 3 KB: not all of their results fit in 128 KB.
  QByteArray module;
  for (int line = 0; line < 150; ++line) module += "x = a And b ' c\r\n";
  QByteArray converted;
  for (int line = 0; line < 150; ++line) converted += "x = a and b ; // c\r\n";
  for (int i = 0; i < 60; ++i) tree.Write(QString("src/M%1.bas").arg(i, 2, 10, QChar('0')), module);

  const ProcessResult batch =
      RunConverter({"-j", "2", "--out-dir", tree.Path("small/out"), tree.Path("src")});
  EXPECT_EQ(batch.exit_code, 1);
  const QStringList written = tree.Files("small/out");
  const qsizetype failed = batch.err.count(": No space left on device\n");
  EXPECT_GT(failed, 0);
  EXPECT_EQ(written.size() + failed, 60);
  for (const QString& file : written)
    EXPECT_EQ(tree.Read("small/out/" + file), converted) << file.toStdString();
  EXPECT_TRUE(batch.ErrLines().back().startsWith(
      QString("veldrane-convert: %1 converted, %2 failed, ").arg(written.size()).arg(failed).toUtf8()));

  // A good output already there stays byte for byte, --force or not.
  ASSERT_TRUE(QDir(tree.Path("small/out")).removeRecursively());
  tree.Write("small/good.pas", "a good output\r\n");
  tmpfs.Fill();
  tree.Write("a.bas", module);
  const ProcessResult single =
      RunConverter({"--force", "-o", tree.Path("small/good.pas"), tree.Path("a.bas")});
  EXPECT_EQ(single.exit_code, 1);
  EXPECT_EQ(single.err, QString("veldrane-convert: %1: cannot write %2: No space left on device\n")
                            .arg(tree.Path("a.bas"), tree.Path("small/good.pas"))
                            .toUtf8());
  EXPECT_EQ(tree.Read("small/good.pas"), "a good output\r\n");
  for (const QByteArray& entry : veldrane::testing::Entries(Native(tree, "small")))
    EXPECT_FALSE(entry.startsWith(".veldrane-")) << entry.constData();
}

struct StreamCase {
  const char* name;
  const char* script;      // run in the tree, which holds a.bas, chr (a null device) and fifo
  const char* stdout_was;  // what standard output received
  const char* fifo_got;    // nullptr: the FIFO is not read
};

TEST(FileSafety, StreamsAreReadAndWrittenNeverReplaced) {
  const StreamCase cases[] = {
      {"-o a character device", "$B -o chr a.bas", "", nullptr},
      {"-o a character device, forced", "$B --force -o chr a.bas", "", nullptr},
      {"-o a FIFO", "cat fifo > got & $B -o fifo a.bas; wait", "", "x = a and b;\r\n"},
      {"--trace a FIFO", "cat fifo > got & $B --trace fifo a.bas; wait", "x = a and b;\r\n", "Label1\t"},
      {"-o - is standard output", "$B -o - a.bas", "x = a and b;\r\n", nullptr},
      {"-o /dev/stdout", "$B -o /dev/stdout a.bas", "x = a and b;\r\n", nullptr},
      {"/dev/stdin as input", "$B /dev/stdin < a.bas", "x = a and b;\r\n", nullptr},
      {"process substitution", "$B <(cat a.bas)", "x = a and b;\r\n", nullptr},
      {"a named FIFO as input", "cat a.bas > fifo & $B fifo; wait", "x = a and b;\r\n", nullptr},
  };
  for (const StreamCase& c : cases) {
    SCOPED_TRACE(c.name);
    TempTree tree;
    tree.Write("a.bas", kModule);
    ASSERT_EQ(::mknod(Native(tree, "chr").constData(), S_IFCHR | 0666, makedev(1, 3)), 0)
        << "mknod needs root";
    ASSERT_EQ(::mkfifo(Native(tree, "fifo").constData(), 0600), 0);
    const ProcessResult result = RunShell(c.script, tree.Path());
    EXPECT_EQ(result.exit_code, 0) << result.err.constData();
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(result.out, c.stdout_was);
    EXPECT_EQ(FileType(Native(tree, "chr")), S_IFCHR);
    EXPECT_EQ(FileType(Native(tree, "fifo")), S_IFIFO);
    EXPECT_FALSE(tree.Exists("-"));
    if (c.fifo_got) {
      EXPECT_TRUE(tree.Read("got").startsWith(c.fifo_got)) << tree.Read("got").constData();
    }
    EXPECT_EQ(tree.Read("a.bas"), kModule);
  }
}

struct OutputCase {
  const char* name;
  QStringList arguments;  // in the tree: a.bas, v.bas, old.txt, precious.txt, link.txt -> precious.txt,
                          // a.lnk -> a.bas, dir/
  int status;
  const char* message;  // standard error, "" for none
  const char* file;     // checked afterwards
  QByteArray content;
};

TEST(FileSafety, TheTraceAndTheOutputFollowTheSameRules) {
  const OutputCase cases[] = {
      {"trace naming the input",
       {"--trace", "v.bas", "v.bas"},
       1,
       "veldrane-convert: v.bas: trace v.bas is an input file; it is never overwritten\n",
       "v.bas",
       kModule},
      {"trace naming the output",
       {"--trace", "t.txt", "-o", "t.txt", "a.bas"},
       2,
       "veldrane-convert: --trace t.txt and -o t.txt are the same file. Try 'veldrane-convert --help'.\n",
       "t.txt",
       {}},
      {"trace naming the output under another spelling, forced",
       {"--force", "--trace", "./t.txt", "-o", "dir/../t.txt", "a.bas"},
       2,
       "veldrane-convert: --trace ./t.txt and -o dir/../t.txt are the same file. Try 'veldrane-convert "
       "--help'.\n",
       "t.txt",
       {}},
      {"output on a link to an input, forced",
       {"--force", "-o", "a.lnk", "a.bas"},
       1,
       "veldrane-convert: a.bas: output a.lnk is an input file; it is never overwritten\n",
       "a.lnk",
       kModule},
      {"-o /dev/stderr is standard error",
       {"-o", "/dev/stderr", "a.bas"},
       0,
       kConverted.constData(),
       "a.bas",
       kModule},
      {"output on a link of the system, forced",
       {"--force", "-o", "/dev/fd/2", "a.bas"},
       1,
       "veldrane-convert: a.bas: output /dev/fd/2 is a symbolic link of the system; it is never written "
       "through "
       "or replaced\n",
       "a.bas",
       kModule},
      {"trace over an existing file",
       {"--trace", "old.txt", "a.bas"},
       1,
       "veldrane-convert: a.bas: output old.txt exists (--force replaces it)\n",
       "old.txt",
       "old"},
      {"trace over an existing file, forced",
       {"--force", "--trace", "old.txt", "-o", "o.pas", "a.bas"},
       0,
       "",
       "o.pas",
       kConverted},
      {"trace on a link, forced",
       {"--force", "--trace", "link.txt", "-o", "o.pas", "a.bas"},
       0,
       "",
       "precious.txt",
       "precious"},
      {"output on a link",
       {"-o", "link.txt", "a.bas"},
       1,
       "veldrane-convert: a.bas: output link.txt is a symbolic link; it is never written through (--force "
       "replaces "
       "the link)\n",
       "precious.txt",
       "precious"},
      {"output on a link, forced", {"--force", "-o", "link.txt", "a.bas"}, 0, "", "link.txt", kConverted},
      {"output is a directory",
       {"--force", "-o", "dir", "a.bas"},
       1,
       "veldrane-convert: a.bas: output dir is a directory\n",
       "precious.txt",
       "precious"},
      {"output naming a directory",
       {"-o", "new/", "a.bas"},
       1,
       "veldrane-convert: a.bas: output new/ names a directory\n",
       "new",
       {}},
  };
  for (const OutputCase& c : cases) {
    SCOPED_TRACE(c.name);
    TempTree tree;
    tree.Write("a.bas", kModule);
    tree.Write("v.bas", kModule);
    tree.Write("old.txt", "old");
    tree.Write("precious.txt", "precious");
    tree.Write("dir/keep", "");
    ASSERT_TRUE(QFile::link("precious.txt", tree.Path("link.txt")));
    ASSERT_TRUE(QFile::link("a.bas", tree.Path("a.lnk")));
    const ProcessResult result = RunConverter(c.arguments, {}, tree.Path());
    EXPECT_EQ(result.exit_code, c.status);
    EXPECT_EQ(result.err, c.message);
    if (c.content.isNull()) {
      EXPECT_FALSE(tree.Exists(c.file));
    } else {
      EXPECT_EQ(tree.Read(c.file), c.content);
    }
    EXPECT_EQ(tree.Read("precious.txt"), "precious");
  }
}

TEST(FileSafety, NothingIsWrittenOutsideTheOutputDirectory) {
  TempTree tree;
  tree.Write("in/Module1.bas", kModule);
  tree.Write("in/sub/Deep.bas", kModule);
  tree.Write("precious.txt", "precious");
  tree.Write("elsewhere/keep", "");
  ASSERT_TRUE(QDir().mkpath(tree.Path("out")));
  ASSERT_TRUE(QFile::link("../precious.txt", tree.Path("out/Module1.pas")));
  ASSERT_TRUE(QFile::link("../elsewhere", tree.Path("out/sub")));

  const ProcessResult result = RunConverter({"--force", "-q", "--out-dir", "out", "in"}, {}, tree.Path());
  EXPECT_EQ(result.exit_code, 1);
  EXPECT_EQ(
      result.err,
      "veldrane-convert: in/sub/Deep.bas: cannot write out/sub/Deep.pas: out/sub is a symbolic link; nothing "
      "is written through it\n");
  EXPECT_EQ(tree.Read("precious.txt"), "precious");
  EXPECT_EQ(FileType(Native(tree, "out/Module1.pas")), S_IFREG);  // the link itself was replaced
  EXPECT_EQ(tree.Read("out/Module1.pas"), kConverted);
  EXPECT_EQ(tree.Files("elsewhere"), QStringList{"keep"});
}

TEST(FileSafety, NamesKeepTheirBytesAndMessagesEscapeThem) {
  TempTree tree;
  const veldrane::testing::ContentsRemover remover(Native(tree));
  // A Latin-1 folder, a Shift_JIS file name ("日本" then ".bas"), a name holding a newline.
  const ProcessResult setup = RunShell(
      "mkdir -p src/$'caf\\xe9' && printf 'x = 1\\r\\n' > src/$'caf\\xe9'/$'M\\xe9.bas' && "
      "printf 'x = 2\\r\\n' > src/$'\\x93\\xfa\\x96\\x7b.bas' && printf 'x = 3\\r\\n' > "
      "src/$'line\\nfake.bas' && "
      "printf 'x = 4\\r\\n' > $'named\\xe9.bas' && printf 'x = 5\\r\\n' > src/$'\\xe2\\x80\\xae'evil.bas",
      tree.Path());
  ASSERT_EQ(setup.exit_code, 0) << setup.err.constData();

  const ProcessResult batch = RunShell("$B -v -j 1 --out-dir out src", tree.Path());
  EXPECT_EQ(batch.exit_code, 0);
  const QList<QByteArray> lines = batch.ErrLines();
  ASSERT_EQ(lines.size(), 5) << batch.err.constData();
  EXPECT_TRUE(lines[0].startsWith("veldrane-convert: src/caf\\xE9/M\\xE9.bas -> out/caf\\xE9/M\\xE9.pas ("));
  EXPECT_TRUE(lines[1].startsWith("veldrane-convert: src/line\\nfake.bas -> out/line\\nfake.pas ("));
  EXPECT_TRUE(
      lines[2].startsWith("veldrane-convert: src/\\x93\\xFA\\x96{.bas -> out/\\x93\\xFA\\x96{.pas ("));
  EXPECT_TRUE(lines[3].startsWith("veldrane-convert: src/\\u202Eevil.bas -> out/\\u202Eevil.pas ("));
  EXPECT_TRUE(lines[4].startsWith("veldrane-convert: 4 converted, 0 failed, "));
  const QByteArray out = Native(tree, "out");
  EXPECT_EQ(ReadBytesBelow(out, "caf\xE9/M\xE9.pas"), "x = 1;\r\n");
  EXPECT_EQ(ReadBytesBelow(out, "\x93\xFA\x96\x7B.pas"), "x = 2;\r\n");
  EXPECT_EQ(ReadBytesBelow(out, "line\nfake.pas"), "x = 3;\r\n");

  const ProcessResult named = RunShell("$B $'named\\xe9.bas' -o $'named\\xe9.pas'", tree.Path());
  EXPECT_EQ(named.exit_code, 0) << named.err.constData();
  EXPECT_EQ(ReadBytesBelow(Native(tree), "named\xE9.pas"), "x = 4;\r\n");
}

TEST(FileSafety, PathsLongerThanPathMaxAreConverted) {
  TempTree tree;
  const veldrane::testing::ContentsRemover remover(Native(tree));
  ASSERT_TRUE(QDir().mkpath(tree.Path("src")));
  const QByteArray deep =
      "src/" + veldrane::testing::MakeDeepDirectories(Native(tree, "src"), QByteArray(250, 'd'), 18);
  veldrane::testing::WriteBytesBelow(Native(tree), deep + "/Long.bas", kModule);
  ASSERT_GT(Native(tree, deep).size(), 4096);
  const ProcessResult result = RunConverter({"--out-dir", "out", "src"}, {}, tree.Path());
  EXPECT_EQ(result.exit_code, 0) << result.err.constData();
  EXPECT_TRUE(result.err.startsWith("veldrane-convert: 1 converted, 0 failed, ")) << result.err.constData();
  EXPECT_EQ(ReadBytesBelow(Native(tree, "out"), deep.mid(4) + "/Long.pas"), kConverted);
}

TEST(FileSafety, LinkedDirectoriesAreFollowedAndLoopsReported) {
  TempTree tree;
  tree.Write("src/a/Module1.bas", kModule);
  tree.Write("shared/Shared.bas", kModule);
  ASSERT_TRUE(QFile::link("..", tree.Path("src/a/back")));
  ASSERT_TRUE(QFile::link("self", tree.Path("src/self")));
  ASSERT_TRUE(QFile::link("../shared", tree.Path("src/linked")));
  const ProcessResult result = RunConverter({"--out-dir", "out", "src"}, {}, tree.Path());
  EXPECT_EQ(result.exit_code, 1);
  const QList<QByteArray> lines = result.ErrLines();
  ASSERT_EQ(lines.size(), 3) << result.err.constData();
  EXPECT_EQ(lines[0],
            "veldrane-convert: src/a/back: symbolic link loop: leads back to a directory that contains it");
  EXPECT_EQ(lines[1], "veldrane-convert: src/self: symbolic link loop");
  EXPECT_TRUE(lines[2].startsWith("veldrane-convert: 2 converted, 2 failed, "));
  EXPECT_EQ(tree.Files("out"), (QStringList{"a/Module1.pas", "linked/Shared.pas"}));
}

TEST(FileSafety, AFifoWithoutReaderFailsItsFileAndTheBatchGoesOn) {
  TempTree tree;
  tree.Write("src/A.bas", kModule);
  tree.Write("src/B.bas", kModule);
  ASSERT_TRUE(QDir().mkpath(tree.Path("out")));
  ASSERT_EQ(::mkfifo(Native(tree, "out/A.pas").constData(), 0600), 0);
  const ProcessResult result = RunConverter({"-q", "-j", "1", "--out-dir", "out", "src"}, {}, tree.Path());
  EXPECT_EQ(result.exit_code, 1);
  EXPECT_EQ(result.err,
            "veldrane-convert: src/A.bas: cannot write out/A.pas: no reader (nothing opened the FIFO within "
            "5 s)\n");
  EXPECT_EQ(FileType(Native(tree, "out/A.pas")), S_IFIFO);
  EXPECT_EQ(tree.Read("out/B.pas"), kConverted);
}

TEST(FileSafety, AnInterruptedRunRemovesItsTemporaryFiles) {
  // Modules large enough that the run is still writing when the signal comes.
  QByteArray module, converted;
  for (int line = 0; line < 20000; ++line) module += "x = a And b\r\n";
  for (int line = 0; line < 20000; ++line) converted += "x = a and b;\r\n";
  TempTree tree;
  for (int i = 0; i < 60; ++i) tree.Write(QString("src/M%1.bas").arg(i, 2, 10, QChar('0')), module);
  for (const auto& [signal_number, status] : {std::pair{SIGINT, 130}, {SIGTERM, 143}, {SIGHUP, 129}}) {
    SCOPED_TRACE(signal_number);
    const QString out = QString("out%1").arg(signal_number);
    QProcess process;
    process.setWorkingDirectory(tree.Path());
    process.start(VELDRANE_CONVERT, {"-q", "-j", "2", "--out-dir", out, "src"});
    ASSERT_TRUE(process.waitForStarted(10000));
    // Interrupted once it has begun writing its outputs.
    for (int wait = 0; wait < 2000 && tree.Files(out).isEmpty(); ++wait) QThread::msleep(5);
    ASSERT_EQ(::kill(pid_t(process.processId()), signal_number), 0);
    ASSERT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process.exitCode(), status);
    const QStringList written = tree.Files(out);
    EXPECT_LT(written.size(), 60) << "the run ended before the signal";
    for (const QString& file : written) {
      EXPECT_FALSE(file.startsWith(".veldrane-")) << file.toStdString();
      EXPECT_EQ(tree.Read(out + '/' + file), converted) << file.toStdString();
    }
  }
}

// A run killed outright leaves its temporary file; the next run writing there removes it,
// but never one that is recent or that a running process holds.
TEST(FileSafety, StaleTemporaryFilesOfEarlierRunsAreRemoved) {
  TempTree tree;
  tree.Write("src/A.bas", kModule);
  for (const char* name : {".veldrane-1.tmp", ".veldrane-2.tmp", ".veldrane-3.tmp", "mine.tmp"})
    tree.Write(QString("out/") + name, "partial");
  const timespec old[2] = {{0, UTIME_OMIT}, {std::time(nullptr) - 3600, 0}};
  for (const char* name : {".veldrane-1.tmp", ".veldrane-2.tmp", "mine.tmp"})
    ASSERT_EQ(::utimensat(AT_FDCWD, Native(tree, QByteArray("out/") + name).constData(), old, 0), 0);
  const int held = ::open(Native(tree, "out/.veldrane-2.tmp").constData(), O_RDONLY);
  ASSERT_EQ(::flock(held, LOCK_EX), 0);
  const ProcessResult result = RunConverter({"-q", "--out-dir", "out", "src"}, {}, tree.Path());
  ::close(held);
  EXPECT_EQ(result.exit_code, 0) << result.err.constData();
  EXPECT_EQ(tree.Files("out"), (QStringList{".veldrane-2.tmp", ".veldrane-3.tmp", "A.pas", "mine.tmp"}));
}

TEST(FileSafety, EntriesThatCannotBeExaminedAreReported) {
  TempTree tree;
  tree.Write("src/open/A.bas", kModule);
  tree.Write("src/locked/sub/B.bas", kModule);
  tree.Write("src/locked/C.bas", kModule);
  // Readable but not searchable: its names can be listed, not examined. Root is not held
  // back by permissions, so the run drops to nobody.
  QString run = "$B -q --out-dir out src";
  if (::geteuid() == 0) {
    if (RunShell("command -v setpriv", tree.Path()).exit_code != 0)
      GTEST_SKIP() << "running as root without setpriv: cannot drop privileges to lose search permission";
    run = "setpriv --reuid nobody --regid nogroup --clear-groups " + run;
    ASSERT_EQ(::chmod(Native(tree).constData(), 0777), 0);
    ASSERT_EQ(RunShell("chmod -R a+rX src", tree.Path()).exit_code, 0);
  }
  ASSERT_EQ(::chmod(Native(tree, "src/locked").constData(), 0644), 0);
  const ProcessResult result = RunShell(run, tree.Path());
  ASSERT_EQ(::chmod(Native(tree, "src/locked").constData(), 0755), 0);
  EXPECT_EQ(result.exit_code, 1);
  EXPECT_EQ(result.err,
            "veldrane-convert: src/locked/C.bas: cannot examine: Permission denied\n"
            "veldrane-convert: src/locked/sub: cannot examine: Permission denied\n");
  EXPECT_EQ(tree.Files("out"), QStringList{"open/A.pas"});
}

}  // namespace
}  // namespace veldrane::cli::testing
