#include "cli/input_plan.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <QDir>
#include <algorithm>
#include <cerrno>
#include <map>
#include <set>

#include "files/native_path.h"

namespace veldrane::cli {
namespace {

using FileId = std::pair<dev_t, ino_t>;

std::optional<FileId> IdentifyFile(const QByteArray& path, bool follow_links) {
  struct stat st {};
  if (path.isEmpty() || files::StatPath(path, follow_links, &st) != 0) return std::nullopt;
  return FileId{st.st_dev, st.st_ino};
}

QByteArray PasPath(const QByteArray& relative) {
  const qsizetype slash = relative.lastIndexOf('/');
  const qsizetype dot = relative.lastIndexOf('.');
  return (dot > slash + 1 ? relative.left(dot) : relative) + ".pas";
}

// A file or problem found below a directory, relative to it.
struct Found {
  QByteArray relative;
  std::optional<QString> error;
  bool operator<(const Found& other) const { return relative < other.relative; }
};

class TreeWalk {
 public:
  // Everything found below the open directory `fd`, and the project files there, sorted so
  // that the order is the same on every run.
  static std::pair<std::vector<Found>, QList<QByteArray>> Below(files::UniqueFd fd) {
    TreeWalk walk;
    struct stat st {};
    if (::fstat(fd.Get(), &st) == 0) walk.ancestors_.push_back({st.st_dev, st.st_ino});
    walk.Walk(std::move(fd), {});
    std::sort(walk.found_.begin(), walk.found_.end());
    std::sort(walk.projects_.begin(), walk.projects_.end());
    return {std::move(walk.found_), std::move(walk.projects_)};
  }

 private:
  void Walk(files::UniqueFd fd, const QByteArray& prefix) {
    const int dir_fd = fd.Get();
    DIR* dir = ::fdopendir(::dup(dir_fd));
    if (!dir) {
      found_.push_back({prefix, "cannot read directory: " + files::SystemMessage(errno)});
      return;
    }
    std::vector<QByteArray> names;
    errno = 0;
    while (const dirent* entry = ::readdir(dir)) {
      const QByteArray name(entry->d_name);
      if (name != "." && name != "..") names.push_back(name);
    }
    const int read_error = errno;
    ::closedir(dir);
    if (read_error) found_.push_back({prefix, "cannot read directory: " + files::SystemMessage(read_error)});
    for (const QByteArray& name : names) Visit(dir_fd, name, prefix.isEmpty() ? name : prefix + '/' + name);
  }

  void Visit(int dir_fd, const QByteArray& name, const QByteArray& relative) {
    struct stat st {};
    if (::fstatat(dir_fd, name.constData(), &st, 0) != 0) {
      // A dangling link with a VB6 name is listed, so that reading it reports it. An entry
      // that cannot be examined (a directory without search permission) may be a directory
      // of sources: reported whatever its name.
      if (errno == ELOOP) {
        found_.push_back({relative, "symbolic link loop"});
      } else if (errno != ENOENT) {
        found_.push_back({relative, "cannot examine: " + files::SystemMessage(errno)});
      } else if (IsVb6SourceName(name)) {
        found_.push_back({relative, std::nullopt});
      }
      return;
    }
    if (!S_ISDIR(st.st_mode)) {
      // FIFOs, sockets and devices are listed too, so that they are reported as unreadable
      // rather than passed over silently.
      if (IsVb6SourceName(name)) found_.push_back({relative, std::nullopt});
      if (IsProjectName(name)) projects_.append(relative);
      return;
    }
    const FileId id{st.st_dev, st.st_ino};
    if (std::find(ancestors_.begin(), ancestors_.end(), id) != ancestors_.end()) {
      found_.push_back({relative, "symbolic link loop: leads back to a directory that contains it"});
      return;
    }
    files::UniqueFd sub(::openat(dir_fd, name.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!sub.Valid()) {
      found_.push_back({relative, "cannot read directory: " + files::SystemMessage(errno)});
      return;
    }
    ancestors_.push_back(id);
    Walk(std::move(sub), relative);
    ancestors_.pop_back();
  }

  std::vector<FileId> ancestors_;
  std::vector<Found> found_;
  QList<QByteArray> projects_;
};

class PlanBuilder {
 public:
  explicit PlanBuilder(const Options& options) : options_(options) {}

  void Add(const QByteArray& input_path, files::InputSource source, const QByteArray& output_relative) {
    ConversionJob job{input_path, source, files::DisplayPath(input_path), output_relative, std::nullopt};
    const std::optional<FileId> id = IdentifyFile(input_path, true);
    const QByteArray key = PasKey(output_relative);
    if (auto earlier = outputs_.find(key); earlier != outputs_.end()) {
      const std::optional<FileId> earlier_id = IdentifyFile(jobs_[earlier->second].input_path, true);
      if (id && id == earlier_id) return;  // the same file named twice
      job.error = QString("output %1 is also the output of %2")
                      .arg(files::DisplayPath(OutputPath(job)), jobs_[earlier->second].display_name);
    } else {
      outputs_.emplace(key, jobs_.size());
    }
    AddInput(input_path);
    jobs_.push_back(std::move(job));
  }

  void AddStandardInput() {
    jobs_.push_back(
        ConversionJob{{}, files::InputSource::kNamed, "(standard input)", options_.output_file, {}});
  }

  void AddFailure(const QByteArray& name, const QString& cause) {
    jobs_.push_back(ConversionJob{{}, files::InputSource::kNamed, files::DisplayPath(name), {}, cause});
  }

  // Both the file an input names and, for a link, the link itself count as the input.
  void AddInput(const QByteArray& input_path) {
    for (const bool follow : {true, false})
      if (auto id = IdentifyFile(input_path, follow)) inputs_.insert(*id);
  }

  // Checked once every input is known, so that an output naming an input named later on the
  // command line is caught as well. An output that is a link to an input is refused too,
  // --force or not: replacing the link would not touch the input, but the user meant it.
  std::vector<ConversionJob> Finish() {
    for (ConversionJob& job : jobs_) {
      if (job.error || job.output_path.isEmpty() || job.output_path == kStandardError) continue;
      if (IsInput(OutputPath(job)))
        job.error = QString("output %1 is an input file; it is never overwritten")
                        .arg(files::DisplayPath(OutputPath(job)));
    }
    return std::move(jobs_);
  }

  bool IsInput(const QByteArray& path) const {
    for (const bool follow : {true, false}) {
      if (auto id = IdentifyFile(path, follow); id && inputs_.count(*id)) return true;
    }
    return false;
  }

  QByteArray OutputPath(const ConversionJob& job) const {
    return options_.out_dir.isEmpty() ? job.output_path : files::JoinPath(options_.out_dir, job.output_path);
  }

 private:
  static QByteArray PasKey(const QByteArray& relative) {
    QByteArray key;
    for (const QByteArray& component : relative.split('/'))
      if (!component.isEmpty() && component != ".") key += '/' + component;
    return key;
  }

  const Options& options_;
  std::vector<ConversionJob> jobs_;
  std::map<QByteArray, std::size_t> outputs_;
  std::set<FileId> inputs_;
};

bool IsDirectory(const QByteArray& path) {
  struct stat st {};
  return files::StatPath(path, true, &st) == 0 && S_ISDIR(st.st_mode);
}

QString TraceProblem(const Options& options, const PlanBuilder& builder) {
  const QByteArray& trace = options.trace_file;
  if (trace.isEmpty() || trace == "-" || trace == kStandardError) return {};
  if (builder.IsInput(trace))
    return QString("trace %1 is an input file; it is never overwritten").arg(files::DisplayPath(trace));
  return {};
}

// The path with its directory resolved (links followed, "." and ".." gone) when the
// directory exists, else made absolute and cleaned by name.
QByteArray ResolvedOutputPath(const QByteArray& path) {
  const auto [directory, name] = files::SplitPath(path);
  const files::OpenedDirectory opened = files::OpenDirectory(AT_FDCWD, directory, {});
  if (opened.fd.Valid()) {
    struct stat st {};
    if (::fstat(opened.fd.Get(), &st) == 0)
      return QByteArray::number(qulonglong(st.st_dev)) + ':' + QByteArray::number(qulonglong(st.st_ino)) +
             '/' + name;
  }
  return files::NativeFromArgument(
      QDir::cleanPath(QDir::current().absoluteFilePath(files::ArgumentFromNative(path))));
}

// Two outputs of one run that are one file under two spellings (./t.txt and t.txt, a
// linked folder, hard links): the second would replace the first.
bool SameOutput(const QByteArray& a, const QByteArray& b) {
  if (a.isEmpty() || b.isEmpty()) return false;
  if (ResolvedOutputPath(a) == ResolvedOutputPath(b)) return true;
  const std::optional<FileId> a_id = IdentifyFile(a, false);
  return a_id && a_id == IdentifyFile(b, false);
}

Plan PlanSingle(const Options& options) {
  Plan plan;
  const QByteArray trace = options.trace_file == "-" ? QByteArray() : options.trace_file;
  if (SameOutput(trace, options.output_file)) {
    plan.usage_error = QString("--trace %1 and -o %2 are the same file")
                           .arg(files::DisplayPath(trace), files::DisplayPath(options.output_file));
    return plan;
  }
  const QByteArray input = options.inputs.value(0, "-");
  if (input != "-" && IsDirectory(input)) {
    plan.usage_error =
        QString("%1 is a directory; directories need --out-dir").arg(files::DisplayPath(input));
    return plan;
  }
  PlanBuilder builder(options);
  if (input == "-") {
    builder.AddStandardInput();
  } else {
    builder.Add(input, files::InputSource::kNamed, options.output_file);
  }
  plan.jobs = builder.Finish();
  ConversionJob& job = plan.jobs.front();
  if (const QString trace = TraceProblem(options, builder); !trace.isEmpty() && !job.error) job.error = trace;
  return plan;
}

}  // namespace

bool IsProjectName(const QByteArray& file_name) {
  const qsizetype slash = file_name.lastIndexOf('/');
  const qsizetype dot = file_name.lastIndexOf('.');
  return dot > slash && file_name.mid(dot + 1).toLower() == "vbp";
}

bool IsVb6SourceName(const QByteArray& file_name) {
  static const QList<QByteArray> kSuffixes{"bas", "cls", "frm", "ctl", "dob", "pag", "dsr"};
  const qsizetype slash = file_name.lastIndexOf('/');
  const qsizetype dot = file_name.lastIndexOf('.');
  if (dot <= slash) return false;
  const QByteArray suffix = file_name.mid(dot + 1).toLower();
  return kSuffixes.contains(suffix);
}

Plan PlanJobs(const Options& options) {
  if (options.out_dir.isEmpty()) return PlanSingle(options);
  Plan plan;
  PlanBuilder builder(options);
  for (const QByteArray& input : options.inputs) {
    if (!IsDirectory(input)) {
      builder.Add(input, files::InputSource::kNamed, files::SplitPath(PasPath(input)).second);
      continue;
    }
    files::OpenedDirectory opened =
        files::OpenDirectory(AT_FDCWD, input, {.create = false, .follow_links = true});
    if (!opened.fd.Valid()) {
      builder.AddFailure(input, "cannot read directory: " + files::SystemMessage(opened.error));
      continue;
    }
    const auto [found, projects] = TreeWalk::Below(std::move(opened.fd));
    if (!projects.isEmpty()) plan.projects_below.push_back({input, projects});
    if (found.empty()) builder.AddFailure(input, "no VB6 files (.bas .cls .frm .ctl .dob .pag .dsr) found");
    for (const Found& entry : found) {
      const QByteArray path = files::JoinPath(input, entry.relative);
      if (entry.error) {
        builder.AddFailure(path, *entry.error);
      } else {
        builder.Add(path, files::InputSource::kFound, PasPath(entry.relative));
      }
    }
  }
  plan.jobs = builder.Finish();
  return plan;
}

}  // namespace veldrane::cli
