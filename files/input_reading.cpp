#include "files/input_reading.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "files/native_path.h"

namespace veldrane::files {
namespace {

QString CannotRead(int error) {
  switch (error) {
    case ENOENT:
      return "cannot read: no such file";
    case ELOOP:
      return "cannot read: symbolic link loop";
    default:
      return "cannot read: " + SystemMessage(error);
  }
}

QString TooLarge(qsizetype max_bytes) {
  return max_bytes % (1 << 20) == 0 ? QString("cannot read: larger than %1 MiB").arg(max_bytes >> 20)
                                    : QString("cannot read: larger than %1 bytes").arg(max_bytes);
}

// A stream without end (a named /dev/zero) must not take all memory either.
InputBytes ReadAll(int fd, qint64 size_hint, qsizetype max_bytes) {
  if (size_hint > max_bytes) return {{}, TooLarge(max_bytes)};
  InputBytes input;
  if (size_hint > 0) input.bytes.reserve(size_hint);
  char chunk[1 << 16];
  for (;;) {
    const ssize_t got = ::read(fd, chunk, sizeof chunk);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return {{}, CannotRead(errno)};
    if (got == 0) return input;
    if (input.bytes.size() + got > max_bytes) return {{}, TooLarge(max_bytes)};
    input.bytes.append(chunk, got);
  }
}

}  // namespace

InputBytes ReadInputFile(const QByteArray& path, InputSource source, qsizetype max_bytes) {
  const auto [directory, name] = SplitPath(path);
  const OpenedDirectory opened = OpenDirectory(AT_FDCWD, directory, {.create = false, .follow_links = true});
  if (!opened.fd.Valid()) return {{}, CannotRead(opened.error)};
  const int dir = opened.fd.Get();
  struct stat st {};
  if (::fstatat(dir, name.constData(), &st, 0) != 0) {
    const int error = errno;
    struct stat link {};
    if (error == ENOENT && ::fstatat(dir, name.constData(), &link, AT_SYMLINK_NOFOLLOW) == 0 &&
        S_ISLNK(link.st_mode))
      return {{}, "cannot read: dangling symbolic link"};
    return {{}, CannotRead(error)};
  }
  const bool stream = S_ISFIFO(st.st_mode) || S_ISCHR(st.st_mode);
  if (S_ISDIR(st.st_mode)) return {{}, "cannot read: is a directory"};
  if (!S_ISREG(st.st_mode) && !(stream && source == InputSource::kNamed))
    return {{}, "cannot read: not a regular file"};
  // A file found in a walk is opened without waiting, in case it was swapped for a FIFO.
  const int flags = O_RDONLY | O_CLOEXEC | O_NOCTTY | (source == InputSource::kFound ? O_NONBLOCK : 0);
  UniqueFd fd(::openat(dir, name.constData(), flags));
  if (!fd.Valid()) return {{}, CannotRead(errno)};
  if (source == InputSource::kFound && (::fstat(fd.Get(), &st) != 0 || !S_ISREG(st.st_mode)))
    return {{}, "cannot read: not a regular file"};
  return ReadAll(fd.Get(), S_ISREG(st.st_mode) ? st.st_size : 0, max_bytes);
}

InputBytes ReadStandardInput() { return ReadAll(STDIN_FILENO, 0, kMaxInputBytes); }

}  // namespace veldrane::files
