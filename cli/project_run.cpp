#include "cli/project_run.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "files/native_path.h"
#include "files/safe_output.h"
#include "migration/project_migration.h"

namespace veldrane::cli {
namespace {

void PrintLine(std::FILE* stream, const QString& line) {
  std::fprintf(stream, "%s\n", line.toUtf8().constData());
}

QString Shown(const QByteArray& path) { return files::DisplayPath(path); }

}  // namespace

QList<QByteArray> TakeProjectInputs(Options* options) {
  QList<QByteArray> projects, others;
  for (const QByteArray& input : options->inputs) {
    const QString name = QFile::decodeName(input);
    const bool project = migration::IsProjectFileName(name) && !QFileInfo(name).isDir();
    (project ? projects : others).append(input);
  }
  options->inputs = others;
  return projects;
}

int MigrateProjects(const QList<QByteArray>& vbp_files, const Options& options, std::FILE* messages) {
  const files::OutputDirectory out_dir(options.out_dir, files::OutputRules{options.force});
  const migration::OutputWriter write = [&](const QString& relative, const QByteArray& bytes) {
    return out_dir.Write(QFile::encodeName(relative), bytes);
  };
  int failed = 0;
  for (const QByteArray& vbp : vbp_files) {
    const migration::ProjectOutcome outcome =
        migration::MigrateProject(QFile::decodeName(vbp), options.settings, options.jobs, write);
    for (const QString& problem : outcome.problems)
      PrintLine(messages, QString("%1: %2").arg(kProgramName, problem));
    if (options.verbose && !outcome.code_page.isEmpty())
      PrintLine(messages, QString("%1: %2: code page %3").arg(kProgramName, Shown(vbp), outcome.code_page));
    if (options.verbose) {
      for (const QString& file : outcome.files_read)
        PrintLine(messages, QString("%1: %2: %3").arg(kProgramName, Shown(vbp), file));
    }
    if (!outcome.problems.isEmpty()) ++failed;
    if (outcome.dpr_path.isEmpty() || options.quiet) continue;
    PrintLine(messages,
              QString("%1: %2 -> %3: %4 units, %5 problems; report %6")
                  .arg(kProgramName, Shown(vbp), Shown(out_dir.PathOf(QFile::encodeName(outcome.dpr_path))))
                  .arg(outcome.units)
                  .arg(outcome.problems.size())
                  .arg(Shown(out_dir.PathOf(QFile::encodeName(outcome.report_path)))));
  }
  return failed;
}

QStringList ProjectNotesForDirectories(const Options& options) {
  QStringList notes;
  for (const QByteArray& input : options.inputs) {
    const QString dir = QFile::decodeName(input);
    if (!QFileInfo(dir).isDir()) continue;
    const QStringList projects = migration::ProjectFilesBelow(dir);
    if (projects.isEmpty()) continue;
    const QString example = QDir(dir).filePath(projects.first());
    notes.append(QString("note: %1 holds VB6 projects (%2); its files are converted one by one. To migrate a "
                         "project into a Delphi project, name its .vbp: %3 --out-dir %4 %5")
                     .arg(Shown(input), projects.join(", "), kProgramName,
                          options.out_dir.isEmpty() ? QString("DIR") : Shown(options.out_dir), example));
  }
  return notes;
}

}  // namespace veldrane::cli
