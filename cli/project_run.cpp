#include "cli/project_run.h"

#include <sys/stat.h>

#include <set>

#include "files/native_path.h"
#include "files/safe_output.h"
#include "migration/project_migration.h"

namespace veldrane::cli {
namespace {

// Names in messages may come from a project file or a file name: escaped as a whole line.
void PrintLine(std::FILE* stream, const QString& line) {
  std::fprintf(stream, "%s\n", files::DisplayText(line).toUtf8().constData());
}

QString Lossless(const QByteArray& path) { return files::ArgumentFromNative(path); }

bool IsDirectory(const QByteArray& path) {
  struct stat st {};
  return files::StatPath(path, true, &st) == 0 && S_ISDIR(st.st_mode);
}

std::optional<std::pair<dev_t, ino_t>> FileIdentity(const QByteArray& path) {
  struct stat st {};
  if (files::StatPath(path, true, &st) != 0) return std::nullopt;
  return std::pair{st.st_dev, st.st_ino};
}

}  // namespace

QList<QByteArray> TakeProjectInputs(Options* options) {
  QList<QByteArray> projects, others;
  for (const QByteArray& input : options->inputs) {
    const bool project = IsProjectName(input) && !IsDirectory(input);
    (project ? projects : others).append(input);
  }
  options->inputs = others;
  return projects;
}

int MigrateProjects(const QList<QByteArray>& vbp_files, const Options& options, std::FILE* messages) {
  const files::OutputDirectory out_dir(options.out_dir, files::OutputRules{options.force});
  const migration::OutputWriter write = [&](const QString& relative, const QByteArray& bytes) {
    return out_dir.Write(files::NativeFromArgument(relative), bytes);
  };
  auto shown_output = [&](const QString& relative) {
    return Lossless(out_dir.PathOf(files::NativeFromArgument(relative)));
  };
  int failed = 0;
  for (const QByteArray& vbp : vbp_files) {
    const migration::ProjectOutcome outcome = migration::MigrateProject(
        Lossless(vbp), options.settings, options.jobs, write, Lossless(options.project_root));
    for (const QString& problem : outcome.problems)
      PrintLine(messages, QString("%1: %2").arg(kProgramName, problem));
    if (options.verbose && !outcome.code_page.isEmpty())
      PrintLine(messages,
                QString("%1: %2: code page %3").arg(kProgramName, Lossless(vbp), outcome.code_page));
    if (options.verbose) {
      for (const QString& file : outcome.files_read)
        PrintLine(messages, QString("%1: %2: %3").arg(kProgramName, Lossless(vbp), file));
    }
    if (!outcome.problems.isEmpty()) ++failed;
    if (outcome.dpr_path.isEmpty() || options.quiet) continue;
    // Only what this run wrote is named: a file left from an earlier run is not its result.
    const QString program = outcome.dpr_written ? " -> " + shown_output(outcome.dpr_path) : QString();
    const QString report = outcome.report_written ? "; report " + shown_output(outcome.report_path)
                                                  : QString("; no report written");
    PrintLine(messages, QString("%1: %2%3: %4 units, %5 problems%6")
                            .arg(kProgramName, Lossless(vbp), program)
                            .arg(outcome.units)
                            .arg(outcome.problems.size())
                            .arg(report));
  }
  return failed;
}

QStringList ProjectNotesForDirectories(const Options& options, const std::vector<ProjectsBelow>& found,
                                       const QList<QByteArray>& named_projects) {
  std::set<std::pair<dev_t, ino_t>> named;
  for (const QByteArray& vbp : named_projects)
    if (auto id = FileIdentity(vbp)) named.insert(*id);
  QStringList notes;
  for (const ProjectsBelow& below : found) {
    QStringList projects;
    QByteArray example;
    for (const QByteArray& project : below.projects) {
      const QByteArray path = files::JoinPath(below.directory, project);
      if (const auto id = FileIdentity(path); id && named.count(*id)) continue;
      projects.append(Lossless(project));
      if (example.isEmpty()) example = path;
    }
    if (projects.isEmpty()) continue;
    notes.append(QString("note: %1 holds VB6 projects (%2); its files are converted one by one. To migrate a "
                         "project into a Delphi project, name its .vbp: %3 --out-dir %4 %5")
                     .arg(Lossless(below.directory), projects.join(", "), kProgramName,
                          options.out_dir.isEmpty() ? QString("DIR") : Lossless(options.out_dir),
                          Lossless(example)));
  }
  return notes;
}

}  // namespace veldrane::cli
