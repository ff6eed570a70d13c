#include "cli/job_execution.h"

#include <QElapsedTimer>

#include "files/native_path.h"
#include "files/safe_output.h"

namespace veldrane::cli {

std::optional<QString> CheckOutput(const ConversionJob& job, const Options& options) {
  const files::OutputRules rules{options.force};
  if (!options.out_dir.isEmpty())
    return files::OutputDirectory(options.out_dir, rules).Check(job.output_path);
  std::optional<QString> problem;
  if (!job.output_path.isEmpty() && job.output_path != kStandardError)
    problem = files::CheckOutputFile(job.output_path, rules);
  if (!problem && !options.trace_file.isEmpty() && options.trace_file != "-" &&
      options.trace_file != kStandardError)
    problem = files::CheckOutputFile(options.trace_file, rules);
  return problem;
}

std::optional<QString> WriteOutput(const ConversionJob& job, const Options& options,
                                   const QByteArray& bytes) {
  const files::OutputRules rules{options.force};
  if (!options.out_dir.isEmpty())
    return files::OutputDirectory(options.out_dir, rules).Write(job.output_path, bytes);
  return files::WriteOutputFile(job.output_path, bytes, rules);
}

QByteArray OutputPathOf(const ConversionJob& job, const Options& options) {
  return options.out_dir.isEmpty() ? job.output_path : files::JoinPath(options.out_dir, job.output_path);
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
  if (auto problem = CheckOutput(job, options)) return finish(problem);

  const files::InputBytes input = job.input_path.isEmpty() ? files::ReadStandardInput()
                                                           : files::ReadInputFile(job.input_path, job.source);
  if (input.error) return finish(input.error);
  result.input_bytes = input.bytes.size();

  files::ConversionSettings settings = options.settings;
  settings.run.on_step = on_step;
  files::FileOutcome outcome = files::ConvertBytes(input.bytes, settings);
  result.run = std::move(outcome.run);
  result.warnings = std::move(outcome.warnings);
  result.input_encoding = std::move(outcome.input_encoding);
  if (outcome.error) return finish(outcome.error);
  result.output_bytes = outcome.output.size();

  if (job.output_path.isEmpty() || job.output_path == kStandardError) {
    result.standard_output = std::move(outcome.output);
    return finish(std::nullopt);
  }
  return finish(WriteOutput(job, options, outcome.output));
}

}  // namespace veldrane::cli
