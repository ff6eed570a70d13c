#include "cli/converter_app.h"

#include <unistd.h>

#include <QElapsedTimer>
#include <cstdio>

#include "cli/batch_run.h"
#include "cli/input_plan.h"
#include "cli/job_execution.h"
#include "cli/options.h"
#include "cli/project_run.h"

namespace veldrane::cli {
namespace {

constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;

void PrintLine(std::FILE* stream, const QString& line) {
  std::fprintf(stream, "%s\n", line.toUtf8().constData());
}

int UsageError(const QString& message) {
  const QString sentence = message.endsWith('.') ? message : message + '.';
  PrintLine(stderr, QString("%1: %2 Try '%1 --help'.").arg(kProgramName, sentence));
  return kExitUsage;
}

QByteArray TraceText(const files::RunResult& run) {
  QByteArray trace;
  for (const RecordingHost::CaptionWrite& write : run.captions) {
    trace += write.label == RecordingHost::Label::kLabel1 ? "Label1\t" : "Label2\t";
    trace += QString(reinterpret_cast<const QChar*>(write.caption.data()), qsizetype(write.caption.size()))
                 .toUtf8();
    trace += '\n';
  }
  trace += "yields\t" + QByteArray::number(qlonglong(run.yields)) + '\n';
  return trace;
}

// Writes a single job's own outputs: standard output and the trace. The cause on failure.
std::optional<QString> WriteSingleOutputs(const Options& options, const JobResult& result) {
  if (!options.trace_file.isEmpty()) {
    if (auto error = WriteAtomically(options.trace_file, TraceText(result.run))) return error;
  }
  if (!options.output_file.isEmpty()) return std::nullopt;
  const QByteArray& bytes = result.standard_output;
  if (std::fwrite(bytes.constData(), 1, bytes.size(), stdout) != size_t(bytes.size()) ||
      std::fflush(stdout) != 0)
    return QString("cannot write standard output");
  return std::nullopt;
}

}  // namespace

int RunConverter(const QStringList& arguments) {
  QElapsedTimer clock;
  clock.start();
  const ParsedArguments parsed = ParseArguments(arguments);
  switch (parsed.action) {
    case ParsedArguments::Action::kHelp:
    case ParsedArguments::Action::kVersion:
      std::fputs(parsed.message.toUtf8().constData(), stdout);
      return 0;
    case ParsedArguments::Action::kUsageError:
      return UsageError(parsed.message);
    case ParsedArguments::Action::kRun:
      break;
  }
  Options options = parsed.options;
  const QStringList projects = TakeProjectInputs(&options);
  if (!projects.isEmpty() && options.out_dir.isEmpty())
    return UsageError(
        QString("%1 is a VB6 project; a project is migrated with --out-dir DIR").arg(projects.first()));
  const Plan plan = options.inputs.isEmpty() ? Plan{} : PlanJobs(options);
  if (!plan.usage_error.isEmpty()) return UsageError(plan.usage_error);
  if (!options.quiet)
    for (const QString& note : ProjectNotesForDirectories(options))
      PrintLine(stderr, QString("%1: %2").arg(kProgramName, note));

  const bool batch = !options.out_dir.isEmpty();
  int converted = 0, failed = 0;
  auto report = [&](const ConversionJob& job, JobResult& result) {
    if (!result.error && !batch) result.error = WriteSingleOutputs(options, result);
    if (result.error) {
      ++failed;
      PrintLine(stderr, QString("%1: %2: %3").arg(kProgramName, job.display_name, *result.error));
      return;
    }
    ++converted;
    if (options.verbose) {
      PrintLine(stderr, QString("%1: %2 -> %3 (%4 bytes read, %5 bytes written, %6 s)")
                            .arg(kProgramName, job.display_name,
                                 job.output_path.isEmpty() ? "(standard output)" : job.output_path)
                            .arg(result.input_bytes)
                            .arg(result.output_bytes)
                            .arg(result.seconds, 0, 'f', 3));
    }
  };
  const bool show_progress = !options.quiet && isatty(fileno(stderr));
  RunJobs(plan.jobs, options, show_progress ? stderr : nullptr, report);
  const int failed_projects = MigrateProjects(projects, options, stderr);

  if (!options.quiet && (batch || options.verbose) && !plan.jobs.empty()) {
    PrintLine(stderr, QString("%1: %2 converted, %3 failed, %4 s")
                          .arg(kProgramName)
                          .arg(converted)
                          .arg(failed)
                          .arg(clock.nsecsElapsed() / 1e9, 0, 'f', 2));
  }
  return failed + failed_projects > 0 ? kExitFailure : 0;
}

}  // namespace veldrane::cli
