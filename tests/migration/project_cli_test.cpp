// veldrane-convert with .vbp inputs, run on copies of the fixture projects in temporary
// directories: what it writes, what it refuses, what it tells the user.

#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <map>

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
  QTemporaryDir root_;
};

TEST_F(ProjectCli, WritesTheProjectInsideTheOutputAndLeavesTheInputsAlone) {
  const auto inputs = Snapshot(Path("in"));
  const ToolRun run = Convert({"--out-dir", "out", "in/app/App.vbp"}, root_.path());
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
            (std::vector<QString>{"About.dfm", "About.pas", "App.dpr", "App.migration.md",
                                  "Controls/Gauge.dfm", "Controls/Gauge.pas", "Counter.pas", "Main.dfm",
                                  "Main.pas", "Utils/Utils.pas", "external/shared/Shared.pas"}));
}

TEST_F(ProjectCli, NoUnitIsWrittenThroughALinkedFolderOfTheOutput) {
  ASSERT_TRUE(QDir().mkpath(Path("out")));
  ASSERT_TRUE(QDir().mkpath(Path("elsewhere")));
  ASSERT_TRUE(QFile::link(Path("elsewhere"), Path("out/external")));
  const ToolRun run = Convert({"--force", "--out-dir", "out", "in/app/App.vbp"}, root_.path());
  EXPECT_EQ(run.exit_code, 1);
  EXPECT_TRUE(run.messages.contains("Shared.bas: ")) << run.messages.toStdString();
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
}

TEST_F(ProjectCli, SeveralProjectsAndFilesInOneRun) {
  const ToolRun run = Convert(
      {"-q", "--out-dir", "out", "in/submain/Tool.vbp", "in/app/About.frm", "in/app/App.vbp"}, root_.path());
  EXPECT_EQ(run.exit_code, 1) << run.messages.toStdString();  // App.vbp lists a missing file
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
}

}  // namespace
