#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <string_view>

#include "cli/input_plan.h"
#include "cli/options.h"

namespace veldrane::cli {

struct JobResult {
  std::optional<QString> error;  // the cause; the job's output was not written
  QStringList warnings;
  QString input_encoding;      // how the input was read, for -v
  QByteArray standard_output;  // the result, for a job whose output is standard output or error
  files::RunResult run;        // captions (when recorded) and yields, for --trace
  qint64 input_bytes = 0;
  qint64 output_bytes = 0;
  double seconds = 0;
};

// Checks the job's output, reads, converts and (for a named output) writes one job; safe to
// call on several threads for distinct jobs. Outputs follow the rules of
// files/safe_output.h, with --force as given.
JobResult ExecuteJob(const ConversionJob& job, const Options& options,
                     const std::function<void(std::u16string_view)>& on_step);

// Whether the job's output may be written (files/safe_output.h rules, --force as given),
// and writing it; the cause on failure.
std::optional<QString> CheckOutput(const ConversionJob& job, const Options& options);
std::optional<QString> WriteOutput(const ConversionJob& job, const Options& options, const QByteArray& bytes);

// The path a job's output is written to (empty: standard output).
QByteArray OutputPathOf(const ConversionJob& job, const Options& options);

}  // namespace veldrane::cli
