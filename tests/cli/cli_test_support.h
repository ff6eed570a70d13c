#pragma once

#include <gtest/gtest.h>

#include <QByteArray>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <utility>
#include <vector>

namespace veldrane::cli::testing {

struct ProcessResult {
  int exit_code = -1;
  QByteArray out;
  QByteArray err;

  // Standard error split into lines (the final LF does not make an empty line).
  QList<QByteArray> ErrLines() const {
    QList<QByteArray> lines = err.split('\n');
    if (!lines.isEmpty() && lines.back().isEmpty()) lines.pop_back();
    return lines;
  }
};

// Feeds `input` to a started process and waits for it to end.
inline ProcessResult Collect(QProcess& process, const QByteArray& input) {
  EXPECT_TRUE(process.waitForStarted(10000));
  process.write(input);
  process.closeWriteChannel();
  EXPECT_TRUE(process.waitForFinished(60000));
  ProcessResult result;
  result.exit_code = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
  result.out = process.readAllStandardOutput();
  result.err = process.readAllStandardError();
  return result;
}

// Runs veldrane-convert with `arguments` in `directory`, feeding `input` on standard input.
inline ProcessResult RunConverter(const QStringList& arguments, const QByteArray& input = {},
                                  const QString& directory = {}) {
  QProcess process;
  if (!directory.isEmpty()) process.setWorkingDirectory(directory);
  process.start(VELDRANE_CONVERT, arguments);
  return Collect(process, input);
}

// Runs a bash script in `directory` with $B naming veldrane-convert: for what a QStringList
// cannot carry (names that are not UTF-8, process substitution, redirections).
inline ProcessResult RunShell(const QString& script, const QString& directory, const QByteArray& input = {}) {
  QProcess process;
  process.setWorkingDirectory(directory);
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert("B", VELDRANE_CONVERT);
  process.setProcessEnvironment(environment);
  process.start("/bin/bash", {"-c", script});
  return Collect(process, input);
}

// A temporary directory the tests write their fixture trees into.
class TempTree {
 public:
  TempTree() { EXPECT_TRUE(dir_.isValid()); }

  QString Path(const QString& relative = {}) const {
    return relative.isEmpty() ? dir_.path() : dir_.filePath(relative);
  }

  void Write(const QString& relative, const QByteArray& bytes) const {
    const QString path = Path(relative);
    ASSERT_TRUE(QDir().mkpath(QFileInfo(path).absolutePath()));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    ASSERT_EQ(file.write(bytes), bytes.size());
  }

  QByteArray Read(const QString& relative) const {
    QFile file(Path(relative));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << relative.toStdString();
    return file.readAll();
  }

  bool Exists(const QString& relative) const { return QFileInfo::exists(Path(relative)); }

  // Every file below `relative`, as sorted relative paths.
  QStringList Files(const QString& relative) const {
    QStringList files;
    const QDir base(Path(relative));
    QDirIterator it(base.path(), QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) files.append(base.relativeFilePath(it.next()));
    files.sort();
    return files;
  }

 private:
  QTemporaryDir dir_;
};

}  // namespace veldrane::cli::testing
