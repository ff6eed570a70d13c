#include "cli/job_execution.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cstdio>

namespace veldrane::cli {
namespace {

struct ReadResult {
  QByteArray bytes;
  std::optional<QString> error;
};

ReadResult ReadInput(const QString& path) {
  QFile file;
  if (path.isEmpty()) {
    if (!file.open(stdin, QIODevice::ReadOnly))
      return {{}, "cannot read standard input: " + file.errorString()};
  } else {
    const QFileInfo info(path);
    // Checked before opening: opening a FIFO would wait for a writer.
    if (!info.exists())
      return {{}, info.isSymLink() ? "cannot read: dangling symbolic link" : "cannot read: no such file"};
    if (!info.isFile()) return {{}, "cannot read: not a regular file"};
    file.setFileName(path);
    if (!file.open(QIODevice::ReadOnly)) return {{}, "cannot read: " + file.errorString()};
  }
  ReadResult result{file.readAll(), std::nullopt};
  if (file.error() != QFileDevice::NoError) result = {{}, "cannot read: " + file.errorString()};
  return result;
}

}  // namespace

std::optional<QString> WriteAtomically(const QString& path, const QByteArray& bytes) {
  const QString dir = QFileInfo(path).absolutePath();
  if (!QDir().mkpath(dir)) return QString("cannot write %1: cannot create directory %2").arg(path, dir);
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
    const QString cause = file.errorString();
    file.cancelWriting();
    return QString("cannot write %1: %2").arg(path, cause);
  }
  return std::nullopt;
}

JobResult ExecuteJob(const ConversionJob& job, const Options& options,
                     const std::function<void(std::u16string_view)>& on_step) {
  QElapsedTimer timer;
  timer.start();
  JobResult result;
  auto finish = [&](std::optional<QString> error) {
    result.error = std::move(error);
    result.seconds = timer.nsecsElapsed() / 1e9;
    return result;
  };
  if (job.error) return finish(job.error);

  const bool to_file = !job.output_path.isEmpty();
  const QFileInfo target(job.output_path);
  if (to_file && !options.force && (target.exists() || target.isSymLink()))
    return finish(QString("output %1 exists (--force replaces it)").arg(job.output_path));

  ReadResult input = ReadInput(job.input_path);
  if (input.error) return finish(input.error);
  result.input_bytes = input.bytes.size();

  files::ConversionSettings settings = options.settings;
  settings.run.on_step = on_step;
  files::FileOutcome outcome = files::ConvertBytes(input.bytes, settings);
  result.run = std::move(outcome.run);
  if (outcome.error) return finish(outcome.error);
  result.output_bytes = outcome.output.size();

  if (!to_file) {
    result.standard_output = std::move(outcome.output);
    return finish(std::nullopt);
  }
  return finish(WriteAtomically(job.output_path, outcome.output));
}

}  // namespace veldrane::cli
