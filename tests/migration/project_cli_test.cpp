// veldrane-convert with .vbp inputs, run on copies of the fixture projects in temporary
// directories: what it writes, what it refuses, what it tells the user.

#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <map>

#include "file_system_fixtures.h"

namespace {

struct ToolRun {
  int exit_code = -1;
  QString messages;
};

ToolRun Convert(const QStringList& arguments, const QString& working_dir) {
  QProcess process;
  process.setWorkingDirectory(working_dir);
  process.start(VELDRANE_CONVERT, arguments);
  process.waitForFinished(60000);
  return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
          QString::fromUtf8(process.readAllStandardError())};
}

// Every file below `dir` with a digest of its bytes.
std::map<QString, QByteArray> Snapshot(const QString& dir) {
  std::map<QString, QByteArray> files;
  QDirIterator it(dir, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
  while (it.hasNext()) {
    const QString path = it.next();
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    files[QDir(dir).relativeFilePath(path)] =
        QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
  }
  return files;
}

QByteArray Read(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void Write(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

class ProjectCli : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(root_.isValid());
    const QString data = VELDRANE_PROJECTS_DATA_DIR;
    QDirIterator it(data, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
      const QString source = it.next();
      const QString target = root_.filePath("in/" + QDir(data).relativeFilePath(source));
      ASSERT_TRUE(QDir().mkpath(QFileInfo(target).path()));
      ASSERT_TRUE(QFile::copy(source, target));
    }
  }
  QString Path(const QString& relative) const { return root_.filePath(relative); }
  QByteArray Native(const QByteArray& relative = {}) const {
    return relative.isEmpty() ? QFile::encodeName(root_.path())
                              : QFile::encodeName(root_.path()) + '/' + relative;
  }
  QTemporaryDir root_;
  // Qt cannot remove names that are not UTF-8.
  const veldrane::testing::ContentsRemover remover_{QFile::encodeName(root_.path())};
};

TEST_F(ProjectCli, WritesTheProjectInsideTheOutputAndLeavesTheInputsAlone) {
  const auto inputs = Snapshot(Path("in"));
  // App.vbp takes Shared.bas from ../shared: the root named lets it.
  const ToolRun run = Convert({"--project-root", "in", "--out-dir", "out", "in/app/App.vbp"}, root_.path());
  EXPECT_EQ(run.exit_code, 1) << "a missing member makes the run fail";
  EXPECT_TRUE(run.messages.contains("App.vbp (line 7) Module=Gone; Missing.bas: not found:"))
      << run.messages.toStdString();
  EXPECT_TRUE(run.messages.contains("6 units, 1 problems")) << run.messages.toStdString();
  EXPECT_EQ(Snapshot(Path("in")), inputs);
  const QStringList top = QDir(root_.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
  EXPECT_EQ(top, QStringList({"in", "out"})) << "nothing beside the output directory";
  std::vector<QString> written;
  for (const auto& [path, digest] : Snapshot(Path("out"))) written.push_back(path);
  EXPECT_EQ(written,
            (std::vector<QString>{"About.dfm", "About.pas", "App.dpr", "App.lpi", "App.migration.md",
                                  "Controls/Gauge.dfm", "Controls/Gauge.pas", "Counter.pas", "Main.dfm",
                                  "Main.pas", "Utils/Utils.pas", "external/shared/Shared.pas"}));
}

TEST_F(ProjectCli, NoUnitIsWrittenThroughALinkedFolderOfTheOutput) {
  ASSERT_TRUE(QDir().mkpath(Path("out")));
  ASSERT_TRUE(QDir().mkpath(Path("elsewhere")));
  ASSERT_TRUE(QFile::link(Path("elsewhere"), Path("out/external")));
  const ToolRun run =
      Convert({"--force", "--project-root", "in", "--out-dir", "out", "in/app/App.vbp"}, root_.path());
  EXPECT_EQ(run.exit_code, 1);
  EXPECT_TRUE(run.messages.contains("Shared.bas: cannot write out/external/")) << run.messages.toStdString();
  EXPECT_TRUE(QDir(Path("elsewhere")).isEmpty());
  EXPECT_TRUE(QFile::exists(Path("out/Main.pas")));
}

TEST_F(ProjectCli, ExistingOutputsAreKeptUnlessForced) {
  ASSERT_TRUE(QDir().mkpath(Path("out")));
  Write(Path("out/Startup.pas"), "mine");
  const ToolRun kept = Convert({"--out-dir", "out", "in/submain/Tool.vbp"}, root_.path());
  EXPECT_EQ(kept.exit_code, 1);
  EXPECT_TRUE(kept.messages.contains("exists (--force replaces it)")) << kept.messages.toStdString();
  EXPECT_EQ(Read(Path("out/Startup.pas")), "mine");
  EXPECT_TRUE(QFile::exists(Path("out/Texts.pas"))) << "the other units are still written";

  const ToolRun forced = Convert({"--force", "--out-dir", "out", "in/submain/Tool.vbp"}, root_.path());
  EXPECT_EQ(forced.exit_code, 0) << forced.messages.toStdString();
  EXPECT_TRUE(Read(Path("out/Startup.pas")).startsWith("unit Startup;\n"));

  // A run that writes nothing does not name the files an earlier run left.
  const ToolRun again = Convert({"--out-dir", "out", "in/submain/Tool.vbp"}, root_.path());
  EXPECT_EQ(again.exit_code, 1);
  EXPECT_TRUE(again.messages.endsWith(
      "veldrane-convert: in/submain/Tool.vbp: 0 units, 6 problems; no report written\n"))
      << again.messages.toStdString();
}

TEST_F(ProjectCli, SeveralProjectsAndFilesInOneRun) {
  const ToolRun run = Convert(
      {"--out-dir", "out", "in/submain/Tool.vbp", "in/app/About.frm", "in/app/App.vbp"}, root_.path());
  EXPECT_EQ(run.exit_code, 1) << run.messages.toStdString();  // App.vbp lists a missing file
  EXPECT_TRUE(run.messages.contains("veldrane-convert: 1 converted, 0 failed, 1 project with problems, "))
      << run.messages.toStdString();
  for (const char* file : {"out/Tool.dpr", "out/App.dpr", "out/Status.dfm", "out/Main.dfm"})
    EXPECT_TRUE(QFile::exists(Path(file))) << file;
  // The form named on its own is converted file by file as before; the project's About.pas
  // is a unit and may not overwrite it.
  EXPECT_TRUE(run.messages.contains("About.pas exists")) << run.messages.toStdString();
  EXPECT_FALSE(Read(Path("out/About.pas")).startsWith("unit ")) << "the first writer keeps its output";
}

TEST_F(ProjectCli, ProjectWithoutOutputDirectoryIsAUsageError) {
  const ToolRun run = Convert({"in/app/App.vbp"}, root_.path());
  EXPECT_EQ(run.exit_code, 2);
  EXPECT_TRUE(run.messages.contains("--out-dir")) << run.messages.toStdString();
}

TEST_F(ProjectCli, DirectoryHoldingProjectsTellsHowToMigrateThem) {
  const ToolRun run = Convert({"--out-dir", "out", "in/submain"}, root_.path());
  EXPECT_EQ(run.exit_code, 0) << run.messages.toStdString();
  EXPECT_TRUE(run.messages.contains(
      "note: in/submain holds VB6 projects (Tool.vbp); its files are converted one by one."))
      << run.messages.toStdString();
  EXPECT_TRUE(run.messages.contains("--out-dir out in/submain/Tool.vbp")) << run.messages.toStdString();
  EXPECT_TRUE(QFile::exists(Path("out/Startup.pas")));
  EXPECT_FALSE(QFile::exists(Path("out/Tool.dpr")));

  const ToolRun named = Convert({"--out-dir", "out2", "in/submain", "in/submain/Tool.vbp"}, root_.path());
  EXPECT_FALSE(named.messages.contains("note:")) << "the project is named already";
}

// A downloaded project names files outside its folder: absolute paths, ".." past the top,
// links to a user's files. None is read; each is reported; the rest migrate.
TEST_F(ProjectCli, MembersOutsideTheProjectRootAreRefusedAndReported) {
  ASSERT_TRUE(QDir().mkpath(Path("in/evil")));
  Write(Path("in/evil/Good.bas"), "Attribute VB_Name = \"Good\"\r\nx = 1\r\n");
  ASSERT_TRUE(QDir().mkpath(Path("secret")));
  Write(Path("secret/id_rsa.bas"), "SECRET\r\n");
  ASSERT_TRUE(QFile::link(Path("secret/id_rsa.bas"), Path("in/evil/Key.bas")));
  ASSERT_TRUE(QFile::link("../../secret", Path("in/evil/Linked")));
  Write(Path("in/evil/Evil.vbp"),
        "Module=Good; Good.bas\r\nModule=Pw; /etc/passwd\r\nModule=Host; "
        "..\\..\\..\\..\\..\\..\\..\\..\\etc\\hostname\r\nModule=Key; Key.bas\r\nModule=Dir; "
        "Linked\\id_rsa.bas\r\nForm=..\\app\\About.frm\r\n");
  const struct {
    QStringList root;
    int refused;
    std::vector<QString> written;
  } cases[] = {
      {{}, 5, {"Evil.dpr", "Evil.lpi", "Evil.migration.md", "Good.pas"}},
      {{"--project-root", "in"},
       4,
       {"Evil.dpr", "Evil.lpi", "Evil.migration.md", "Good.pas", "external/app/About.dfm",
        "external/app/About.pas"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.root.join(' ').toStdString());
    ASSERT_TRUE(QDir(Path("out")).removeRecursively());
    const ToolRun run = Convert(c.root + QStringList{"--out-dir", "out", "in/evil/Evil.vbp"}, root_.path());
    EXPECT_EQ(run.exit_code, 1);
    EXPECT_EQ(run.messages.count(": refused: "), c.refused) << run.messages.toStdString();
    EXPECT_EQ(QString::fromUtf8(Read(Path("out/Evil.migration.md"))).count("refused: "), c.refused);
    std::vector<QString> written;
    for (const auto& [path, digest] : Snapshot(Path("out"))) {
      written.push_back(path);
      EXPECT_FALSE(Read(Path("out/" + path)).contains("SECRET")) << path.toStdString();
    }
    EXPECT_EQ(written, c.written);
  }
}

TEST_F(ProjectCli, MessagesAndTheReportEscapeNames) {
  ASSERT_TRUE(QDir().mkpath(Path("odd")));
  // A terminal title and screen clearing, a right-to-left override and a line separator.
  Write(Path("odd/new\nline.vbp"),
        "Module=A; \x1B]0;owned\x07\x1B[2J.bas\r\nModule=B; \xE2\x80\xAEsab.bas\r\nModule=C; "
        "x\xE2\x80\xA8y.bas\r\n");
  const ToolRun run = Convert({"--out-dir", "out", "odd/new\nline.vbp"}, root_.path());
  const ToolRun note = Convert({"--out-dir", "out2", "odd"}, root_.path());
  for (const QString& text :
       {run.messages, note.messages, QString::fromUtf8(Read(Path("out/new\nline.migration.md")))}) {
    SCOPED_TRACE(text.toStdString());
    EXPECT_FALSE(text.isEmpty());
    for (const QString& line : text.split(u'\n', Qt::SkipEmptyParts)) {
      EXPECT_FALSE(text.startsWith("veldrane-convert") && !line.startsWith("veldrane-convert: "));
      for (const QChar c : line)
        EXPECT_FALSE(c.unicode() < 0x20 || c.category() == QChar::Other_Format || c == QChar(0x2028))
            << int(c.unicode());
    }
  }
  EXPECT_TRUE(run.messages.contains("odd/new\\nline.vbp")) << run.messages.toStdString();
  EXPECT_TRUE(run.messages.contains("Module=A; \\x1B]0;owned\\x07\\x1B[2J.bas: not found"))
      << run.messages.toStdString();
  EXPECT_TRUE(run.messages.contains("Module=B; \\u202Esab.bas: not found")) << run.messages.toStdString();
  EXPECT_TRUE(run.messages.contains("Module=C; x\\u2028y.bas: not found")) << run.messages.toStdString();
  EXPECT_TRUE(note.messages.contains("(new\\nline.vbp)")) << note.messages.toStdString();
}

// Names on disk and in the project file in the project's code page (a Latin-1 tree, a
// Japanese tree unpacked with Shift_JIS names), a project file whose own name is not UTF-8.
TEST_F(ProjectCli, NamesAreMatchedByTheirBytesInTheProjectsCodePage) {
  using veldrane::testing::WriteBytesBelow;
  ASSERT_TRUE(QDir().mkpath(Path("latin")) && QDir().mkpath(Path("jp")));
  WriteBytesBelow(Native(), "latin/proj\xE9.vbp", "Module=C; CAF\xC9.BAS\r\n");
  WriteBytesBelow(Native(), "latin/caf\xE9.bas", "Attribute VB_Name = \"Caf\xE9\"\r\nx = 1\r\n");
  WriteBytesBelow(Native(), "jp/J.vbp", "Module=X; \x93\xFA\x96\x7B.bas\r\nForm=\x93\xFA.frm\r\n");
  WriteBytesBelow(Native(), "jp/\x93\xFA.frm", "VERSION 5.00\r\nBegin VB.Form F\r\nEnd\r\nx = 1\r\n");
  WriteBytesBelow(Native(), "jp/\x93\xFA\x96\x7B.bas",
                  "Attribute VB_Name = \"\x8F\x89\x8A\xFA\x89\xBB\"\r\nx = 1\r\n");
  const struct {
    const char* arguments;  // for the shell, which passes the bytes as they are
    QList<QByteArray> written;
  } cases[] = {
      {"--legacy-encoding windows-1252 latin/proj$'\\xe9'.vbp",
       {"Cafe.pas", "proj\xE9.dpr", "proj\xE9.lpi", "proj\xE9.migration.md"}},
      {"--legacy-encoding shift_jis jp/J.vbp",
       // the form's instance takes the file's name, its unit yields
       {"J.dpr", "J.lpi", "J.migration.md", "U521DU671FU5316.pas", "U65E5Unit.dfm", "U65E5Unit.pas"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.arguments);
    veldrane::testing::RemoveContents(Native("out"));
    QProcess process;
    process.setWorkingDirectory(root_.path());
    process.start("/bin/bash", {"-c", QString("'%1' --out-dir out %2").arg(VELDRANE_CONVERT, c.arguments)});
    ASSERT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().constData();
    QList<QByteArray> written = veldrane::testing::Entries(Native("out"));
    std::sort(written.begin(), written.end());
    EXPECT_EQ(written, c.written);
  }
}

TEST_F(ProjectCli, ProjectFilesAreReadAsInputsAre) {
  // A project file of more than 16 MiB is not read.
  ASSERT_TRUE(QDir().mkpath(Path("big")));
  Write(Path("big/Big.vbp"), "Module=M; M.bas\r\n" + QByteArray(17 << 20, ' '));
  const ToolRun big = Convert({"--out-dir", "out", "big/Big.vbp"}, root_.path());
  EXPECT_EQ(big.exit_code, 1);
  EXPECT_TRUE(big.messages.contains("Big.vbp: cannot read: larger than 16 MiB"))
      << big.messages.toStdString();

  // A path longer than PATH_MAX.
  const QByteArray deep =
      "in/" + veldrane::testing::MakeDeepDirectories(Native("in"), QByteArray(250, 'd'), 18);
  veldrane::testing::WriteBytesBelow(Native(), deep + "/Long.vbp", "Module=M; M.bas\r\n");
  veldrane::testing::WriteBytesBelow(Native(), deep + "/M.bas", "x = 1\r\n");
  ASSERT_GT(deep.size(), 4096);
  const ToolRun long_path =
      Convert({"--out-dir", "out", QString::fromUtf8(deep + "/Long.vbp")}, root_.path());
  EXPECT_EQ(long_path.exit_code, 0) << long_path.messages.toStdString().substr(0, 300);
  EXPECT_TRUE(QFile::exists(Path("out/M.pas")));
}

}  // namespace
