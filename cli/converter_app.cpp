#include "cli/converter_app.h"

#include <unistd.h>

#include <QElapsedTimer>
#include <cerrno>
#include <cstdio>

#include "cli/batch_run.h"
#include "cli/input_plan.h"
#include "cli/job_execution.h"
#include "cli/options.h"
#include "cli/project_run.h"
#include "cli/translation_run.h"
#include "files/native_path.h"
#include "files/safe_output.h"
#include "files/temporary_files.h"
#include "qt_text/utf16.h"

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
    trace += ToQString(write.caption).toUtf8();
    trace += '\n';
  }
  trace += "yields\t" + QByteArray::number(qlonglong(run.yields)) + '\n';
  return trace;
}

std::optional<QString> WriteStandardStream(std::FILE* stream, const QByteArray& bytes) {
  if (std::fwrite(bytes.constData(), 1, bytes.size(), stream) != size_t(bytes.size()) ||
      std::fflush(stream) != 0)
    return QString("cannot write standard %1: %2")
        .arg(stream == stdout ? "output" : "error", files::SystemMessage(errno));
  return std::nullopt;
}

// Writes a single job's own outputs: standard output and the trace. The cause on failure.
std::optional<QString> WriteSingleOutputs(const Options& options, const ConversionJob& job,
                                          const JobResult& result) {
  if (!options.trace_file.isEmpty()) {
    const QByteArray trace = TraceText(result.run);
    auto error = options.trace_file == "-" ? WriteStandardStream(stdout, trace)
                 : options.trace_file == kStandardError
                     ? WriteStandardStream(stderr, trace)
                     : files::WriteOutputFile(options.trace_file, trace, {options.force});
    if (error) return error;
  }
  if (job.output_path == kStandardError) return WriteStandardStream(stderr, result.standard_output);
  if (!job.output_path.isEmpty()) return std::nullopt;
  return WriteStandardStream(stdout, result.standard_output);
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
  files::RemoveTemporaryFilesOnSignals();
  Options options = parsed.options;
  const QList<QByteArray> projects = TakeProjectInputs(&options);
  if (!projects.isEmpty() && options.out_dir.isEmpty())
    return UsageError(QString("%1 is a VB6 project; a project is migrated with --out-dir DIR")
                          .arg(files::DisplayPath(projects.first())));
  // With only projects named there is no file job; with nothing named, standard input is the input.
  const Plan plan = options.inputs.isEmpty() && !projects.isEmpty() ? Plan{} : PlanJobs(options);
  if (!plan.usage_error.isEmpty()) return UsageError(plan.usage_error);
  if (!options.quiet)
    for (const QString& note : ProjectNotesForDirectories(options, plan.projects_below, projects))
      PrintLine(stderr, QString("%1: %2").arg(kProgramName, files::DisplayText(note)));

  const bool batch = !options.out_dir.isEmpty();
  int converted = 0, failed = 0;
  auto report = [&](const ConversionJob& job, JobResult& result) {
    if (!result.error && !batch) result.error = WriteSingleOutputs(options, job, result);
    if (!options.quiet) {
      for (const QString& warning : result.warnings)
        PrintLine(stderr, QString("%1: %2: warning: %3").arg(kProgramName, job.display_name, warning));
    }
    if (result.error) {
      ++failed;
      PrintLine(stderr, QString("%1: %2: %3").arg(kProgramName, job.display_name, *result.error));
      return;
    }
    ++converted;
    if (options.verbose) {
      const QByteArray output = OutputPathOf(job, options);
      PrintLine(stderr, QString("%1: %2 -> %3 (%4, %5 bytes read, %6 bytes written, %7 s)")
                            .arg(kProgramName, job.display_name,
                                 output.isEmpty() ? "(standard output)" : files::DisplayPath(output),
                                 result.input_encoding)
                            .arg(result.input_bytes)
                            .arg(result.output_bytes)
                            .arg(result.seconds, 0, 'f', 3));
    }
  };
  const bool show_progress = !options.quiet && isatty(fileno(stderr));
  if (options.translate) {
    if (!plan.jobs.empty()) {
      const TranslationCounts counts = TranslateJobs(plan.jobs, options, stderr);
      converted = counts.written;
      failed = counts.failed;
    }
    if (batch) failed += WriteRuntimeUnits(options, stderr);
  } else {
    RunJobs(plan.jobs, options, show_progress ? stderr : nullptr, report);
  }
  const int failed_projects = options.translate ? TranslateProjects(projects, options, stderr)
                                                : MigrateProjects(projects, options, stderr);

  if (!options.quiet && (batch || options.verbose) && !plan.jobs.empty()) {
    const QString projects_failed = failed_projects == 0
                                        ? QString()
                                        : QString(", %1 %2 with problems")
                                              .arg(failed_projects)
                                              .arg(failed_projects == 1 ? "project" : "projects");
    PrintLine(stderr, QString("%1: %2 converted, %3 failed%4, %5 s")
                          .arg(kProgramName)
                          .arg(converted)
                          .arg(failed)
                          .arg(projects_failed)
                          .arg(clock.nsecsElapsed() / 1e9, 0, 'f', 2));
  }
  return failed + failed_projects > 0 ? kExitFailure : 0;
}

}  // namespace veldrane::cli
