#include "files/safe_output.h"

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QList>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <thread>

#include "files/native_path.h"
#include "files/temporary_files.h"

namespace veldrane::files {
namespace {

enum class Existing { kNone, kRegular, kLink, kDirectory, kStream, kSocket, kBlockDevice };

// What is at `name` in the directory `dir`; -1 with errno for an error other than absence.
int Classify(int dir, const QByteArray& name, Existing* existing, struct stat* st) {
  if (::fstatat(dir, name.constData(), st, AT_SYMLINK_NOFOLLOW) != 0) {
    if (errno != ENOENT) return -1;
    *existing = Existing::kNone;
    return 0;
  }
  const mode_t type = st->st_mode & S_IFMT;
  *existing = type == S_IFREG    ? Existing::kRegular
              : type == S_IFLNK  ? Existing::kLink
              : type == S_IFDIR  ? Existing::kDirectory
              : type == S_IFSOCK ? Existing::kSocket
              : type == S_IFBLK  ? Existing::kBlockDevice
                                 : Existing::kStream;  // character device or FIFO
  return 0;
}

// True for /dev and /proc (and the directories of the same file systems below them): a link
// there (/dev/stderr, /dev/fd/3, /proc/self/fd/1) is the system's, never the user's to replace.
bool IsSystemDirectory(int dir) {
  struct stat st {
  }, root{}, system{};
  if (::fstat(dir, &st) != 0 || ::stat("/", &root) != 0) return false;
  for (const char* path : {"/dev", "/proc"})
    if (::stat(path, &system) == 0 && system.st_dev != root.st_dev && system.st_dev == st.st_dev) return true;
  return false;
}

std::optional<QString> Refusal(int dir, Existing existing, const QString& shown, const OutputRules& rules) {
  switch (existing) {
    case Existing::kRegular:
      if (!rules.force) return QString("output %1 exists (--force replaces it)").arg(shown);
      break;
    case Existing::kLink:
      if (IsSystemDirectory(dir))
        return QString("output %1 is a symbolic link of the system; it is never written through or replaced")
            .arg(shown);
      if (!rules.force)
        return QString(
                   "output %1 is a symbolic link; it is never written through (--force replaces the link)")
            .arg(shown);
      break;
    case Existing::kDirectory:
      return QString("output %1 is a directory").arg(shown);
    case Existing::kBlockDevice:
      return QString("output %1 is a block device; it is never written").arg(shown);
    case Existing::kNone:
    case Existing::kStream:
    case Existing::kSocket:
      break;
  }
  return std::nullopt;
}

QString CannotWrite(const QString& shown, int error) {
  return QString("cannot write %1: %2").arg(shown, SystemMessage(error));
}

// 0, or the errno of the failing write.
int WriteAll(int fd, const QByteArray& bytes) {
  const char* data = bytes.constData();
  qsizetype left = bytes.size();
  while (left > 0) {
    const ssize_t written = ::write(fd, data, std::size_t(std::min<qsizetype>(left, qsizetype(1) << 30)));
    if (written < 0 && errno == EINTR) continue;
    if (written < 0) return errno;
    if (written == 0) return ENOSPC;
    data += written;
    left -= written;
  }
  return 0;
}

// Opened without waiting: a FIFO nobody reads fails with ENXIO, and is tried again until a
// reader comes or the wait runs out.
int WriteStream(int dir, const QByteArray& name, const QByteArray& bytes) {
  const auto give_up = std::chrono::steady_clock::now() + kStreamReaderWait;
  UniqueFd fd;
  for (;;) {
    fd.Reset(::openat(dir, name.constData(), O_WRONLY | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC | O_NONBLOCK));
    if (fd.Valid() || errno != ENXIO || std::chrono::steady_clock::now() >= give_up) break;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  if (!fd.Valid()) return errno;
  struct stat st {};
  if (::fstat(fd.Get(), &st) != 0) return errno;
  // Whatever was opened must still be a stream: a regular file is only ever replaced.
  if (!S_ISCHR(st.st_mode) && !S_ISFIFO(st.st_mode)) return EEXIST;
  if (::fcntl(fd.Get(), F_SETFL, ::fcntl(fd.Get(), F_GETFL) & ~O_NONBLOCK) != 0) return errno;
  return WriteAll(fd.Get(), bytes);
}

int WriteSocket(int dir, const QByteArray& name, const QByteArray& bytes) {
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  // Reached through the directory's descriptor, so that a long path still fits.
  const QByteArray path = "/proc/self/fd/" + QByteArray::number(dir) + '/' + name;
  if (path.size() >= qsizetype(sizeof address.sun_path)) return ENAMETOOLONG;
  std::copy(path.begin(), path.end(), address.sun_path);
  UniqueFd fd(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
  if (!fd.Valid()) return errno;
  if (::connect(fd.Get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) return errno;
  return WriteAll(fd.Get(), bytes);
}

// Moves `from` to `to`; without `replace` an existing `to` is left alone (EEXIST).
int Rename(int dir, const QByteArray& from, const QByteArray& to, bool replace) {
  if (replace) return ::renameat(dir, from.constData(), dir, to.constData()) == 0 ? 0 : errno;
  if (::renameat2(dir, from.constData(), dir, to.constData(), RENAME_NOREPLACE) == 0) return 0;
  if (errno != EINVAL && errno != ENOSYS) return errno;
  // A file system without the no-replace rename: a hard link does not replace either.
  if (::linkat(dir, from.constData(), dir, to.constData(), 0) != 0) return errno;
  ::unlinkat(dir, from.constData(), 0);
  return 0;
}

// Writes through a temporary file renamed into place; 0 or the errno of the failing step. A
// replaced regular file (`replaced`) keeps its permissions, and its owner and group where
// the process may set them.
int WriteAtomically(int dir, const QByteArray& name, const QByteArray& bytes, bool replace,
                    const struct stat* replaced) {
  RemoveStaleTemporaryFiles(dir);
  for (int attempt = 0; attempt < 100; ++attempt) {
    const QByteArray temporary = TemporaryName();
    // Listed before it exists, so that a signal at any moment finds it.
    const TemporaryFileEntry listed(dir, temporary);
    UniqueFd fd(
        ::openat(dir, temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666));
    if (!fd.Valid() && errno == EEXIST) continue;
    if (!fd.Valid()) return errno;
    // Held until the file is renamed or removed, so that no other run takes it for stale.
    const UniqueFd held(HoldTemporaryFile(fd.Get()));
    int error = 0;
    if (replaced) {
      if (::fchown(fd.Get(), replaced->st_uid, replaced->st_gid) != 0 && errno != EPERM) error = errno;
      if (!error && ::fchmod(fd.Get(), replaced->st_mode & 07777) != 0) error = errno;
    }
    if (!error) error = WriteAll(fd.Get(), bytes);
    if (!error && ::fsync(fd.Get()) != 0) error = errno;
    if (::close(fd.Release()) != 0 && !error) error = errno;
    if (!error) error = Rename(dir, temporary, name, replace);
    if (error) ::unlinkat(dir, temporary.constData(), 0);
    return error;
  }
  return EEXIST;
}

std::optional<QString> WriteIn(int dir, const QByteArray& name, const QString& shown, const QByteArray& bytes,
                               const OutputRules& rules) {
  Existing existing{};
  struct stat st {};
  if (Classify(dir, name, &existing, &st) != 0) return CannotWrite(shown, errno);
  if (auto refusal = Refusal(dir, existing, shown, rules)) return refusal;
  int error = 0;
  switch (existing) {
    case Existing::kStream:
      error = WriteStream(dir, name, bytes);
      break;
    case Existing::kSocket:
      error = WriteSocket(dir, name, bytes);
      break;
    default:
      error = WriteAtomically(dir, name, bytes, existing != Existing::kNone,
                              existing == Existing::kRegular ? &st : nullptr);
      if (error == EEXIST && existing == Existing::kNone && !rules.force)
        return QString("output %1 exists (--force replaces it)").arg(shown);
  }
  if (error == ENXIO && existing == Existing::kStream)
    return QString("cannot write %1: no reader (nothing opened the FIFO within %2 s)")
        .arg(shown)
        .arg(std::chrono::duration_cast<std::chrono::seconds>(kStreamReaderWait).count());
  if (error) return CannotWrite(shown, error);
  return std::nullopt;
}

std::optional<QString> CheckIn(int dir, const QByteArray& name, const QString& shown,
                               const OutputRules& rules) {
  Existing existing{};
  struct stat st {};
  if (Classify(dir, name, &existing, &st) != 0) return CannotWrite(shown, errno);
  return Refusal(dir, existing, shown, rules);
}

// The error for a directory that could not be opened on the way to an output; nullopt when
// it is only missing and `missing_is_fine`.
std::optional<QString> DirectoryProblem(const OpenedDirectory& opened, const QByteArray& shown_prefix,
                                        const QString& shown, bool missing_is_fine) {
  if (opened.fd.Valid() || (missing_is_fine && opened.error == ENOENT)) return std::nullopt;
  const QString where = DisplayPath(JoinPath(shown_prefix, opened.failed));
  if (opened.is_link)
    return QString("cannot write %1: %2 is a symbolic link; nothing is written through it").arg(shown, where);
  return QString("cannot write %1: %2: %3").arg(shown, where, SystemMessage(opened.error));
}

bool IsOutsideBelow(const QByteArray& relative) {
  if (relative.isEmpty() || relative.startsWith('/') || relative.endsWith('/')) return true;
  for (const QByteArray& component : relative.split('/'))
    if (component == "..") return true;
  return false;
}

}  // namespace

std::optional<QString> WriteOutputFile(const QByteArray& path, const QByteArray& bytes,
                                       const OutputRules& rules) {
  const QString shown = DisplayPath(path);
  const auto [directory, name] = SplitPath(path);
  if (path.endsWith('/') || name == "." || name == "..")
    return QString("output %1 names a directory").arg(shown);
  const OpenedDirectory opened = OpenDirectory(AT_FDCWD, directory, {.create = true, .follow_links = true});
  if (auto problem = DirectoryProblem(opened, {}, shown, false)) return problem;
  return WriteIn(opened.fd.Get(), name, shown, bytes, rules);
}

std::optional<QString> CheckOutputFile(const QByteArray& path, const OutputRules& rules) {
  const QString shown = DisplayPath(path);
  const auto [directory, name] = SplitPath(path);
  if (path.endsWith('/') || name == "." || name == "..")
    return QString("output %1 names a directory").arg(shown);
  const OpenedDirectory opened = OpenDirectory(AT_FDCWD, directory, {.create = false, .follow_links = true});
  if (!opened.fd.Valid()) return DirectoryProblem(opened, {}, shown, true);
  return CheckIn(opened.fd.Get(), name, shown, rules);
}

QByteArray OutputDirectory::PathOf(const QByteArray& relative) const { return JoinPath(root_, relative); }

std::optional<QString> OutputDirectory::Write(const QByteArray& relative, const QByteArray& bytes) const {
  const QString shown = DisplayPath(PathOf(relative));
  if (IsOutsideBelow(relative)) return QString("cannot write %1: outside the output directory").arg(shown);
  const OpenedDirectory root = OpenDirectory(AT_FDCWD, root_, {.create = true, .follow_links = true});
  if (auto problem = DirectoryProblem(root, {}, shown, false)) return problem;
  const auto [directory, name] = SplitPath(relative);
  const OpenedDirectory below =
      OpenDirectory(root.fd.Get(), directory, {.create = true, .follow_links = false});
  if (auto problem = DirectoryProblem(below, root_, shown, false)) return problem;
  return WriteIn(below.fd.Get(), name, shown, bytes, rules_);
}

std::optional<QString> OutputDirectory::Check(const QByteArray& relative) const {
  const QString shown = DisplayPath(PathOf(relative));
  if (IsOutsideBelow(relative)) return QString("cannot write %1: outside the output directory").arg(shown);
  const OpenedDirectory root = OpenDirectory(AT_FDCWD, root_, {.create = false, .follow_links = true});
  if (!root.fd.Valid()) return DirectoryProblem(root, {}, shown, true);
  const auto [directory, name] = SplitPath(relative);
  const OpenedDirectory below =
      OpenDirectory(root.fd.Get(), directory, {.create = false, .follow_links = false});
  if (!below.fd.Valid()) return DirectoryProblem(below, root_, shown, true);
  return CheckIn(below.fd.Get(), name, shown, rules_);
}

}  // namespace veldrane::files
