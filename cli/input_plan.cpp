#include "cli/input_plan.h"

#include <sys/stat.h>

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <algorithm>
#include <map>
#include <set>

namespace veldrane::cli {
namespace {

using FileId = std::pair<dev_t, ino_t>;

std::optional<FileId> IdentifyFile(const QString& path) {
  struct stat st {};
  if (path.isEmpty() || ::stat(QFile::encodeName(path).constData(), &st) != 0) return std::nullopt;
  return FileId{st.st_dev, st.st_ino};
}

QString PasPath(const QString& relative) {
  const QFileInfo info(relative);
  const QString dir = info.path();
  const QString name = info.completeBaseName() + ".pas";
  return dir == "." ? name : dir + '/' + name;
}

// The VB6 sources below `dir`, as paths relative to it, sorted so that the order is the
// same on every run.
QStringList Vb6SourcesBelow(const QString& dir) {
  QStringList found;
  const QDir base(dir);
  // System: FIFOs, sockets and dangling links are listed too, so that they are reported
  // as unreadable rather than passed over silently.
  QDirIterator it(dir, QDir::Files | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot,
                  QDirIterator::Subdirectories);
  while (it.hasNext()) {
    const QString path = it.next();
    if (it.fileInfo().isDir() || !IsVb6SourceName(it.fileName())) continue;
    found.append(base.relativeFilePath(path));
  }
  std::sort(found.begin(), found.end());
  return found;
}

class PlanBuilder {
 public:
  explicit PlanBuilder(const QString& out_dir) : out_dir_(out_dir) {}

  void Add(const QString& input_path, const QString& output_path) {
    ConversionJob job{input_path, input_path, output_path, std::nullopt};
    const std::optional<FileId> id = IdentifyFile(input_path);
    const QString key = QDir::cleanPath(output_path);
    if (auto earlier = outputs_.find(key); earlier != outputs_.end()) {
      const std::optional<FileId> earlier_id = IdentifyFile(jobs_[earlier->second].input_path);
      if (id && id == earlier_id) return;  // the same file named twice
      job.error =
          QString("output %1 is also the output of %2").arg(output_path, jobs_[earlier->second].display_name);
    } else {
      outputs_.emplace(key, jobs_.size());
    }
    if (id) inputs_.insert(*id);
    jobs_.push_back(std::move(job));
  }

  void AddFailure(const QString& name, const QString& cause) {
    jobs_.push_back(ConversionJob{QString(), name, QString(), cause});
  }

  // Checked once every input is known, so that an output naming an input named later
  // on the command line is caught as well.
  std::vector<ConversionJob> Finish() {
    for (ConversionJob& job : jobs_) {
      const std::optional<FileId> out = IdentifyFile(job.output_path);
      if (!job.error && out && inputs_.count(*out))
        job.error = QString("output %1 is an input file; it is never overwritten").arg(job.output_path);
    }
    return std::move(jobs_);
  }

  QString OutputFor(const QString& relative) const { return QDir(out_dir_).filePath(PasPath(relative)); }

 private:
  QString out_dir_;
  std::vector<ConversionJob> jobs_;
  std::map<QString, std::size_t> outputs_;
  std::set<FileId> inputs_;
};

}  // namespace

bool IsVb6SourceName(const QString& file_name) {
  static const QStringList kSuffixes{"bas", "cls", "frm", "ctl", "dob", "pag", "dsr"};
  return kSuffixes.contains(QFileInfo(file_name).suffix(), Qt::CaseInsensitive);
}

Plan PlanJobs(const Options& options) {
  Plan plan;
  if (options.out_dir.isEmpty()) {
    const QString input = options.inputs.value(0, "-");
    if (input != "-" && QFileInfo(input).isDir()) {
      plan.usage_error = QString("%1 is a directory; directories need --out-dir").arg(input);
      return plan;
    }
    ConversionJob job{input == "-" ? QString() : input, input == "-" ? "(standard input)" : input,
                      options.output_file, std::nullopt};
    const std::optional<FileId> in = IdentifyFile(job.input_path);
    if (in && in == IdentifyFile(job.output_path))
      job.error = QString("output %1 is the input file; it is never overwritten").arg(job.output_path);
    plan.jobs.push_back(std::move(job));
    return plan;
  }

  PlanBuilder builder(options.out_dir);
  for (const QString& input : options.inputs) {
    if (!QFileInfo(input).isDir()) {
      builder.Add(input, builder.OutputFor(QFileInfo(input).fileName()));
      continue;
    }
    const QStringList sources = Vb6SourcesBelow(input);
    if (sources.isEmpty())
      builder.AddFailure(input, "no VB6 files (.bas .cls .frm .ctl .dob .pag .dsr) found");
    for (const QString& relative : sources)
      builder.Add(QDir::cleanPath(input + '/' + relative), builder.OutputFor(relative));
  }
  plan.jobs = builder.Finish();
  return plan;
}

}  // namespace veldrane::cli
