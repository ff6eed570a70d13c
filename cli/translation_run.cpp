#include "cli/translation_run.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <cerrno>
#include <map>

#include "cli/form_translation.h"
#include "cli/job_execution.h"
#include "files/file_translation.h"
#include "files/native_path.h"
#include "files/safe_output.h"
#include "migration/delphi_names.h"
#include "migration/dpr_writer.h"
#include "migration/form_design.h"
#include "migration/lpi_writer.h"
#include "migration/project_paths.h"
#include "migration/vbp_file.h"
#include "translation/translator.h"

namespace veldrane::cli {
namespace {

void PrintLine(std::FILE* stream, const QString& line) {
  if (stream) std::fprintf(stream, "%s\n", line.toUtf8().constData());
}

// Pascal requires a unit to be named as its file; standard output takes the input's name.
std::string UnitNameOf(const ConversionJob& job) {
  const QByteArray path = job.output_path.isEmpty() ? job.input_path : job.output_path;
  QString name = QString::fromUtf8(path.mid(path.lastIndexOf('/') + 1));
  if (const qsizetype dot = name.lastIndexOf('.'); dot > 0) name.truncate(dot);
  return name.toStdString();  // empty for standard input: the translator takes the VB_Name
}

// The runtime units: installed beside the program's data, else (in a build) the source tree's.
QString RuntimeDirectory() {
  const QString installed =
      QCoreApplication::applicationDirPath() + "/../" + QString(VELDRANE_RUNTIME_INSTALL_DIR);
  if (QDir(installed).exists()) return installed;
  return VELDRANE_RUNTIME_SOURCE_DIR;
}

// A form's designer, read from its file as the translation reads its code.
std::optional<QString> ReadForm(const ConversionJob& job, const Options& options,
                                const files::TextEncoding& code_page, FormToTranslate* form) {
  const files::InputBytes input = files::ReadInputFile(job.input_path, files::InputSource::kNamed);
  if (input.error) return input.error;
  files::SourceText source = files::DecodeSource(input.bytes, options.settings);
  if (source.error) return source.error;
  return ReadFormToTranslate(files::ArgumentFromNative(job.input_path),
                             QString::fromStdU16String(source.text), code_page, form);
}

}  // namespace

int WriteRuntimeUnits(const Options& options, std::FILE* messages) {
  int failed = 0;
  const QDir runtime(RuntimeDirectory());
  const QStringList units = runtime.entryList({"*.pas", "*.inc"}, QDir::Files, QDir::Name);
  if (units.isEmpty()) {
    PrintLine(messages, QString("%1: no runtime units in %2").arg(kProgramName, runtime.path()));
    return 1;
  }
  for (const QString& unit : units) {
    QFile file(runtime.filePath(unit));
    ConversionJob job;
    job.display_name = unit;
    job.output_path = unit.toUtf8();
    std::optional<QString> error;
    if (!file.open(QIODevice::ReadOnly))
      error = "cannot read the runtime unit " + runtime.filePath(unit) + ": " + file.errorString();
    else
      error = WriteOutput(job, options, file.readAll());
    if (error) {
      ++failed;
      PrintLine(messages, QString("%1: %2: %3").arg(kProgramName, unit, *error));
    }
  }
  return failed;
}

TranslationCounts TranslateJobs(const std::vector<ConversionJob>& jobs, const Options& options,
                                std::FILE* messages, const FormHooks* forms) {
  TranslationCounts counts;
  auto fail = [&](const ConversionJob& job, const QString& cause) {
    ++counts.failed;
    PrintLine(messages, QString("%1: %2: %3").arg(kProgramName, job.display_name, cause));
  };
  std::vector<const ConversionJob*> read;
  std::vector<translation::SourceFile> sources;
  for (const ConversionJob& job : jobs) {
    std::optional<QString> problem = job.error ? job.error : CheckOutput(job, options);
    if (problem) {
      fail(job, *problem);
      continue;
    }
    const files::InputBytes input = job.input_path.isEmpty()
                                        ? files::ReadStandardInput()
                                        : files::ReadInputFile(job.input_path, job.source);
    if (input.error) {
      fail(job, *input.error);
      continue;
    }
    files::SourceText source = files::DecodeSource(input.bytes, options.settings);
    if (source.error) {
      fail(job, *source.error);
      continue;
    }
    const QString file_name = QString::fromUtf8(job.input_path.mid(job.input_path.lastIndexOf('/') + 1));
    sources.push_back({std::move(source.text), UnitNameOf(job), file_name.toStdU16String(),
                       forms ? forms->describe(job) : nullptr});
    read.push_back(&job);
  }
  const std::vector<translation::TranslatedUnit> units = translation::TranslateProject(sources);

  size_t notes = 0, files_with_notes = 0;
  for (const translation::TranslatedUnit& unit : units) {
    notes += unit.notes.size();
    files_with_notes += unit.notes.empty() ? 0 : 1;
  }
  if (notes > 0 && !options.quiet)
    PrintLine(messages, QString("%1: %2 constructs not translated in %3 files (kept as comments that raise a "
                                "run-time error):")
                            .arg(kProgramName)
                            .arg(notes)
                            .arg(files_with_notes));
  // The unit of shared declarations has no input; it goes to the top of the output directory.
  ConversionJob shared_job;
  if (units.size() > read.size()) {
    shared_job.display_name = QString::fromStdString(units.back().unit_name) + ".pas";
    shared_job.output_path = QByteArray::fromStdString(units.back().unit_name) + ".pas";
    sources.push_back({u"", units.back().unit_name, u""});
    read.push_back(&shared_job);
    if (auto problem = CheckOutput(shared_job, options)) {
      fail(shared_job, *problem);
      read.pop_back();
    }
  }
  for (size_t i = 0; i < read.size(); ++i) {
    const ConversionJob& job = *read[i];
    if (!options.quiet)
      for (const translation::TranslationNote& note : units[i].notes)
        PrintLine(messages, QString("%1: %2:%3: %4")
                                .arg(kProgramName, job.display_name)
                                .arg(note.line)
                                .arg(QString::fromStdString(note.message)));
    const QByteArray bytes = QByteArray::fromStdString(units[i].pascal);
    std::optional<QString> error;
    ConversionJob renamed = job;
    if (units[i].unit_name != sources[i].unit_name && !job.output_path.isEmpty()) {
      // Pascal wants the file named as its unit.
      const qsizetype slash = job.output_path.lastIndexOf('/');
      renamed.output_path =
          job.output_path.left(slash + 1) + QByteArray::fromStdString(units[i].unit_name) + ".pas";
      if (!options.quiet)
        PrintLine(messages,
                  QString("%1: %2: warning: unit named %3, as a library unit has its name; written to %4")
                      .arg(kProgramName, job.display_name, QString::fromStdString(units[i].unit_name),
                           files::DisplayPath(OutputPathOf(renamed, options))));
      if (auto problem = CheckOutput(renamed, options)) error = problem;
    }
    if (error) {
    } else if (job.output_path.isEmpty()) {
      if (std::fwrite(bytes.constData(), 1, bytes.size(), stdout) != size_t(bytes.size()) ||
          std::fflush(stdout) != 0)
        error = "cannot write standard output: " + files::SystemMessage(errno);
    } else {
      error = WriteOutput(renamed, options, bytes);
    }
    if (!error && forms && sources[i].form) error = forms->written(renamed, units[i]);
    if (error) {
      fail(job, *error);
    } else {
      ++counts.written;
    }
  }
  return counts;
}

}  // namespace veldrane::cli

namespace veldrane::cli {

int TranslateProjects(const QList<QByteArray>& vbp_files, const Options& options, std::FILE* messages) {
  int failed = 0;
  for (const QByteArray& vbp : vbp_files) {
    const QString shown = files::DisplayPath(vbp);
    auto problem = [&](const QString& cause) {
      ++failed;
      PrintLine(messages, QString("%1: %2: %3").arg(kProgramName, shown, cause));
    };
    migration::ProjectFolder folder;
    if (auto error = migration::LocateProjectFolder(vbp, options.project_root, &folder)) {
      problem(*error);
      continue;
    }
    const files::InputBytes input = files::ReadInputFile(vbp, files::InputSource::kNamed);
    if (input.error) {
      problem(*input.error);
      continue;
    }
    files::SourceText text = files::DecodeSource(input.bytes, options.settings);
    if (text.error) {
      problem(*text.error);
      continue;
    }
    const migration::VbpProject project = migration::ParseVbp(QString::fromStdU16String(text.text));
    const files::TextEncoding code_page =
        options.settings.legacy_encoding.value_or(*files::EncodingFromName("windows-1252"));
    std::vector<ConversionJob> jobs;
    QList<QByteArray> relatives;
    std::map<size_t, FormToTranslate> forms;  // by job
    for (const migration::VbpMember& member : project.members) {
      const migration::ResolvedPath resolved = migration::ResolveMemberPath(folder, member.path, code_page);
      if (resolved.relative.isEmpty()) {
        problem(resolved.problem);
        continue;
      }
      ConversionJob job;
      job.input_path = files::JoinPath(folder.root, resolved.relative);
      job.display_name = files::DisplayPath(job.input_path);
      if (member.kind == migration::MemberKind::kForm || member.kind == migration::MemberKind::kUserControl) {
        FormToTranslate form;
        if (auto error = ReadForm(job, options, code_page, &form)) {
          problem(QString("line %1: %2: %3").arg(member.line).arg(member.path, *error));
          continue;
        }
        forms.emplace(jobs.size(), std::move(form));
      }
      jobs.push_back(job);
      relatives.append(resolved.relative);
    }
    const QList<QByteArray> outputs = migration::OutputRelativePaths(folder.project_dir, relatives);
    migration::DprProject dpr;
    // A form's unit is named after its file, unless a form's instance or class has that name.
    QSet<QString> taken;
    for (const auto& [i, form] : forms) taken << form.form_name.toLower() << "t" + form.form_name.toLower();
    for (size_t i = 0; i < jobs.size(); ++i) {
      // Named as the translation names it: a Pascal identifier (a file name may hold any
      // character), and a library unit's name gets "_vb".
      const QString relative = files::ArgumentFromNative(outputs[qsizetype(i)]);
      const QString base = QFileInfo(migration::WithExtension(relative, ".pas")).completeBaseName();
      QString unit =
          QString::fromStdString(translation::FreeUnitName(migration::DelphiIdentifier(base).toStdString()));
      const auto form = forms.find(i);
      if (form != forms.end()) {
        const QString wanted = unit;
        for (int n = 1; taken.contains(unit.toLower()); ++n)
          unit = wanted + "Unit" + (n > 1 ? QString::number(n) : "");
        taken.insert(unit.toLower());
      }
      const QString output = migration::WithExtension(relative, ".pas", unit);
      jobs[i].output_path = output.toUtf8();
      const QString path = QString::fromUtf8(jobs[i].output_path);
      const bool form_like = form != forms.end();
      const bool is_form = form_like && form->second.description.base_class == "TForm";
      dpr.units.push_back(
          {UnitNameOf(jobs[i]).c_str(), path, form_like ? form->second.form_name : QString(), is_form});
      if (is_form && form->second.vb_name.compare(project.startup, Qt::CaseInsensitive) == 0)
        dpr.startup_form = form->second.form_name;
    }
    if (jobs.size() > 1) dpr.units.push_back({"ProjectTypes", "ProjectTypes.pas", {}, false});
    FormHooks hooks;
    hooks.describe = [&](const ConversionJob& job) -> const translation::FormDescription* {
      for (auto& [i, form] : forms)
        if (jobs[i].input_path == job.input_path) return &form.description;
      return nullptr;
    };
    hooks.written = [&](const ConversionJob& job,
                        const translation::TranslatedUnit& unit) -> std::optional<QString> {
      for (auto& [i, form] : forms) {
        if (jobs[i].input_path != job.input_path) continue;
        ConversionJob dfm = job;
        dfm.output_path = migration::WithExtension(QString::fromUtf8(job.output_path), ".dfm").toUtf8();
        dfm.display_name = QString::fromUtf8(dfm.output_path);
        if (auto error = CheckOutput(dfm, options)) return error;
        return WriteOutput(dfm, options, TranslatedFormDfm(form, unit));
      }
      return std::nullopt;
    };
    failed += TranslateJobs(jobs, options, messages, &hooks).failed;
    QString name =
        project.name.isEmpty() ? QString::fromUtf8(vbp.mid(vbp.lastIndexOf('/') + 1)) : project.name;
    if (name.endsWith(".vbp", Qt::CaseInsensitive)) name.chop(4);
    for (QChar& c : name)
      if (!c.isLetterOrNumber() || c.unicode() > 127) c = u'_';
    dpr.program_name = name.isEmpty() || name[0].isDigit() ? "Project_" + name : name;
    dpr.title = project.title;
    dpr.sub_main = migration::IsSubMainStartup(project.startup);
    ConversionJob program;
    program.display_name = dpr.program_name + ".dpr";
    program.output_path = (dpr.program_name + ".dpr").toUtf8();
    std::optional<QString> error = CheckOutput(program, options);
    if (!error) error = WriteOutput(program, options, migration::DprText(dpr).toUtf8());
    if (error) problem(*error);
    // Lazarus's project beside it; the runtime units stand beside the translated ones.
    ConversionJob lazarus_project;
    lazarus_project.display_name = dpr.program_name + ".lpi";
    lazarus_project.output_path = lazarus_project.display_name.toUtf8();
    error = CheckOutput(lazarus_project, options);
    if (!error)
      error = WriteOutput(lazarus_project, options, migration::LpiText(dpr, program.display_name).toUtf8());
    if (error) problem(*error);
  }
  return failed;
}

}  // namespace veldrane::cli
