#pragma once

#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>
#include <string_view>

#include "cli/input_plan.h"
#include "cli/options.h"

namespace veldrane::cli {

struct JobResult {
  std::optional<QString> error;  // the cause; the job's output was not written
  QByteArray standard_output;    // the result, for a job whose output is standard output
  files::RunResult run;          // captions (when recorded) and yields, for --trace
  qint64 input_bytes = 0;
  qint64 output_bytes = 0;
  double seconds = 0;
};

// Reads, converts and (for a named output) writes one job; safe to call on several threads
// for distinct jobs. A named output is written atomically, and only where it does not yet
// exist or `options.force` is set.
JobResult ExecuteJob(const ConversionJob& job, const Options& options,
                     const std::function<void(std::u16string_view)>& on_step);

// Writes `bytes` to `path` through a temporary file renamed into place; the cause on failure.
std::optional<QString> WriteAtomically(const QString& path, const QByteArray& bytes);

}  // namespace veldrane::cli
