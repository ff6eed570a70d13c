#include "migration/project_paths.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>
#include <cerrno>

#include "files/native_path.h"

namespace veldrane::migration {
namespace {

using files::ArgumentFromNative;
using files::UniqueFd;

constexpr int kMaxLinkHops = 40;  // as the kernel's own limit for one path

QByteArray Joined(const QList<QByteArray>& components) { return components.join('/'); }

QList<QByteArray> Components(const QByteArray& path) {
  QList<QByteArray> out;
  for (const QByteArray& part : path.split('/'))
    if (!part.isEmpty() && part != ".") out.append(part);
  return out;
}

bool SameFile(const struct stat& a, const struct stat& b) {
  return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// The names of the directory `dir`, "." and ".." left out; empty when it cannot be read.
QList<QByteArray> Names(int dir) {
  QList<QByteArray> names;
  DIR* stream = ::fdopendir(::dup(dir));
  if (!stream) return names;
  while (const dirent* entry = ::readdir(stream)) {
    const QByteArray name(entry->d_name);
    if (name != "." && name != "..") names.append(name);
  }
  ::closedir(stream);
  return names;
}

// The path of the directory `dir` below the directory `root` as the file system has it (no
// link in it), found by climbing ".." as getcwd does; nullopt when `root` does not hold it.
std::optional<QList<QByteArray>> PhysicalPathBelow(int root, int dir) {
  struct stat root_st {
  }, current_st{};
  if (::fstat(root, &root_st) != 0) return std::nullopt;
  UniqueFd current(::dup(dir));
  QList<QByteArray> reversed;
  while (current.Valid() && ::fstat(current.Get(), &current_st) == 0) {
    if (SameFile(current_st, root_st)) {
      std::reverse(reversed.begin(), reversed.end());
      return reversed;
    }
    UniqueFd parent(::openat(current.Get(), "..", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    struct stat parent_st {};
    if (!parent.Valid() || ::fstat(parent.Get(), &parent_st) != 0 || SameFile(parent_st, current_st))
      return std::nullopt;  // the file system's root, passed without meeting `root`
    const QList<QByteArray> names = Names(parent.Get());
    const auto found = std::find_if(names.begin(), names.end(), [&](const QByteArray& name) {
      struct stat st {};
      return ::fstatat(parent.Get(), name.constData(), &st, AT_SYMLINK_NOFOLLOW) == 0 &&
             SameFile(st, current_st);
    });
    if (found == names.end()) return std::nullopt;
    reversed.append(*found);
    current = std::move(parent);
  }
  return std::nullopt;
}

bool Exists(int dir, const QByteArray& name) {
  struct stat st {};
  return !name.isEmpty() && ::fstatat(dir, name.constData(), &st, AT_SYMLINK_NOFOLLOW) == 0;
}

QString DecodedName(const QByteArray& name, const files::TextEncoding& code_page) {
  if (files::FirstInvalidUtf8Offset(name) < 0) return QString::fromUtf8(name);
  const files::DecodedText decoded = files::DecodeAs(name, code_page);
  return decoded.error ? ArgumentFromNative(name) : decoded.text;
}

// The entry of `dir` that `name` means: its bytes in the code page, in UTF-8, or else a name
// that reads the same in any case; empty when there is none.
QByteArray FindEntry(int dir, const QString& name, const files::TextEncoding& code_page) {
  if (name.contains(QChar(0))) return {};  // no file name holds one
  const files::EncodedText in_code_page = files::Encode(name, code_page);
  if (!in_code_page.error && Exists(dir, in_code_page.bytes)) return in_code_page.bytes;
  if (const QByteArray utf8 = name.toUtf8(); Exists(dir, utf8)) return utf8;
  QList<QByteArray> names = Names(dir);
  std::sort(names.begin(), names.end());  // the same choice on every run
  for (const QByteArray& entry : names)
    if (DecodedName(entry, code_page).compare(name, Qt::CaseInsensitive) == 0) return entry;
  return {};
}

// "refused: <how> the project root ROOT (--project-root DIR widens it)"
QString Outside(const QString& how, const ProjectFolder& folder) {
  return QString("refused: %1 the project root %2 (--project-root DIR widens it)")
      .arg(how, ArgumentFromNative(folder.root.isEmpty() ? QByteArray(".") : folder.root));
}

}  // namespace

std::optional<QString> LocateProjectFolder(const QByteArray& vbp_path, const QByteArray& root,
                                           ProjectFolder* folder) {
  const QByteArray vbp_dir = files::SplitPath(vbp_path).first;
  folder->root = root.isEmpty() ? vbp_dir : root;
  const files::OpenedDirectory root_fd = files::OpenDirectory(AT_FDCWD, folder->root, {});
  if (!root_fd.fd.Valid())
    return QString("cannot open the project root %1: %2")
        .arg(ArgumentFromNative(folder->root), files::SystemMessage(root_fd.error));
  const files::OpenedDirectory dir_fd = files::OpenDirectory(AT_FDCWD, vbp_dir, {});
  if (!dir_fd.fd.Valid())
    return QString("cannot open %1: %2").arg(ArgumentFromNative(vbp_dir), files::SystemMessage(dir_fd.error));
  const auto below = PhysicalPathBelow(root_fd.fd.Get(), dir_fd.fd.Get());
  if (!below)
    return QString("the project root %1 does not hold the project").arg(ArgumentFromNative(folder->root));
  folder->project_dir = Joined(*below);
  return std::nullopt;
}

ResolvedPath ResolveMemberPath(const ProjectFolder& folder, const QString& entry_path,
                               const files::TextEncoding& code_page) {
  static const QRegularExpression kDrive("^[A-Za-z]:");
  QString path = entry_path.trimmed();
  path.replace(u'\\', u'/');
  if (path.isEmpty()) return {{}, "no file name"};
  if (kDrive.match(path).hasMatch()) return {{}, "absolute Windows path; copy the file next to the project"};
  if (path.startsWith(u'/')) return {{}, Outside("an absolute path; members are read only below", folder)};
  const files::OpenedDirectory root = files::OpenDirectory(AT_FDCWD, folder.root, {});
  if (!root.fd.Valid()) return {{}, "cannot open the project root: " + files::SystemMessage(root.error)};

  // Names are followed as VB did, ".." taking the name before it away.
  QList<QByteArray> logical = Components(folder.project_dir);
  const QStringList parts = path.split(u'/', Qt::SkipEmptyParts);
  for (const QString& part : parts) {
    if (part == ".") continue;
    if (part == "..") {
      if (logical.isEmpty()) return {{}, Outside("climbs above", folder)};
      logical.removeLast();
      continue;
    }
    const files::OpenedDirectory dir = files::OpenDirectory(root.fd.Get(), Joined(logical), {});
    const QByteArray found = dir.fd.Valid() ? FindEntry(dir.fd.Get(), part, code_page) : QByteArray();
    if (found.isEmpty())
      return {
          {},
          QString("not found: %1")
              .arg(ArgumentFromNative(files::JoinPath(folder.root, Joined(logical + QList{part.toUtf8()}))))};
    logical.append(found);
  }
  if (logical.isEmpty()) return {{}, "not a regular file: the project folder"};

  // The file itself may be a link: followed here, so that where it leads is checked too.
  QByteArray name = logical.takeLast();
  files::OpenedDirectory dir = files::OpenDirectory(root.fd.Get(), Joined(logical), {});
  for (int hops = 0; dir.fd.Valid(); ++hops) {
    struct stat st {};
    if (::fstatat(dir.fd.Get(), name.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISLNK(st.st_mode))
      break;
    if (hops == kMaxLinkHops) return {{}, "cannot read: symbolic link loop"};
    QByteArray target(st.st_size > 0 ? st.st_size + 1 : 4096, '\0');
    const ssize_t length = ::readlinkat(dir.fd.Get(), name.constData(), target.data(), target.size());
    if (length < 0) return {{}, "cannot read: " + files::SystemMessage(errno)};
    target.truncate(length);
    const auto [target_dir, target_name] = files::SplitPath(target);
    dir = files::OpenDirectory(target.startsWith('/') ? AT_FDCWD : dir.fd.Get(), target_dir, {});
    name = target_name;
  }
  const auto physical =
      dir.fd.Valid() ? PhysicalPathBelow(root.fd.Get(), dir.fd.Get()) : std::optional<QList<QByteArray>>();
  if (!physical) return {{}, Outside("a symbolic link leads outside", folder)};
  const QByteArray relative = Joined(*physical + QList{name});
  struct stat st {};
  if (::fstatat(dir.fd.Get(), name.constData(), &st, 0) != 0)
    return {{}, QString("not found: %1").arg(ArgumentFromNative(files::JoinPath(folder.root, relative)))};
  if (!S_ISREG(st.st_mode))
    return {
        {},
        QString("not a regular file: %1").arg(ArgumentFromNative(files::JoinPath(folder.root, relative)))};
  return {relative, {}};
}

QList<QByteArray> OutputRelativePaths(const QByteArray& project_dir,
                                      const QList<QByteArray>& relative_paths) {
  const QList<QByteArray> project = Components(project_dir);
  auto inside = [](const QList<QByteArray>& dir, const QList<QByteArray>& path) {
    return path.size() > dir.size() && std::equal(dir.begin(), dir.end(), path.begin());
  };
  QList<QByteArray> anchor = project;
  for (const QByteArray& path : relative_paths) {
    const QList<QByteArray> components = Components(path);
    while (!inside(project, components) && !anchor.isEmpty() && !inside(anchor, components))
      anchor.removeLast();
  }
  QList<QByteArray> out;
  for (const QByteArray& path : relative_paths) {
    const QList<QByteArray> components = Components(path);
    if (inside(project, components)) {
      out.append(Joined(components.mid(project.size())));
    } else {
      out.append(QByteArray(kExternalFolder) + '/' + Joined(components.mid(anchor.size())));
    }
  }
  return out;
}

QString WithExtension(const QString& relative, const QString& extension, const QString& base_name) {
  const QFileInfo info(relative);
  const QString name = (base_name.isEmpty() ? info.completeBaseName() : base_name) + extension;
  return info.path() == "." ? name : info.path() + u'/' + name;
}

}  // namespace veldrane::migration
