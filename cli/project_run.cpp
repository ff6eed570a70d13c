#include "cli/project_run.h"

#include <QDir>
#include <QFileInfo>

#include "cli/job_execution.h"
#include "migration/project_migration.h"

namespace veldrane::cli {
namespace {

void PrintLine(std::FILE* stream, const QString& line) {
  std::fprintf(stream, "%s\n", line.toUtf8().constData());
}

}  // namespace

QStringList TakeProjectInputs(Options* options) {
  QStringList projects, others;
  for (const QString& input : options->inputs) {
    const bool project = migration::IsProjectFileName(input) && !QFileInfo(input).isDir();
    (project ? projects : others).append(input);
  }
  options->inputs = others;
  return projects;
}

int MigrateProjects(const QStringList& vbp_files, const Options& options, std::FILE* messages) {
  const QDir out_dir(options.out_dir);
  const migration::OutputWriter write = [&](const QString& relative,
                                            const QByteArray& bytes) -> std::optional<QString> {
    const QString path = out_dir.filePath(relative);
    const QFileInfo target(path);
    if (!options.force && (target.exists() || target.isSymLink()))
      return QString("output %1 exists (--force replaces it)").arg(path);
    return WriteAtomically(path, bytes);
  };
  int failed = 0;
  for (const QString& vbp : vbp_files) {
    const migration::ProjectOutcome outcome = migration::MigrateProject(vbp, options.settings, write);
    for (const QString& problem : outcome.problems)
      PrintLine(messages, QString("%1: %2").arg(kProgramName, problem));
    if (!outcome.problems.isEmpty()) ++failed;
    if (outcome.dpr_path.isEmpty() || options.quiet) continue;
    PrintLine(messages, QString("%1: %2 -> %3: %4 units, %5 problems; report %6")
                            .arg(kProgramName, vbp, out_dir.filePath(outcome.dpr_path))
                            .arg(outcome.units)
                            .arg(outcome.problems.size())
                            .arg(out_dir.filePath(outcome.report_path)));
  }
  return failed;
}

QStringList ProjectNotesForDirectories(const Options& options) {
  QStringList notes;
  for (const QString& input : options.inputs) {
    if (!QFileInfo(input).isDir()) continue;
    const QStringList projects = migration::ProjectFilesBelow(input);
    if (projects.isEmpty()) continue;
    const QString example = QDir(input).filePath(projects.first());
    notes.append(QString("note: %1 holds VB6 projects (%2); its files are converted one by one. To migrate a "
                         "project into a Delphi project, name its .vbp: %3 --out-dir %4 %5")
                     .arg(input, projects.join(", "), kProgramName,
                          options.out_dir.isEmpty() ? "DIR" : options.out_dir, example));
  }
  return notes;
}

}  // namespace veldrane::cli
