#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <utility>

struct stat;

namespace veldrane::files {

// Paths are kept as the bytes the system gives (QByteArray), never decoded: a name that is
// not UTF-8 (a Shift_JIS or Latin-1 name from an old VB6 tree) keeps its bytes from the
// command line to the output.

// A path as messages show it: UTF-8 as it is; control characters (C0, DEL, C1) and bytes
// that are not UTF-8 as \n, \r, \t or \xHH (a C1 control as its two UTF-8 bytes), and the
// invisible format characters (Unicode category Cf: bidirectional overrides such as U+202E,
// zero-width characters) and the line and paragraph separators U+2028 and U+2029 as \uHHHH,
// so that no name can break, fake or reorder a line.
QString DisplayPath(QByteArrayView path);

// The same escaping for text that is already decoded (names read from a project file);
// U+DC80..U+DCFF stand for the bytes ArgumentFromNative could not decode and show as \xHH.
QString DisplayText(QStringView text);

// The command line's codec: valid UTF-8 decodes as usual and every other byte becomes a lone
// surrogate U+DC80..U+DCFF, so that NativeFromArgument gives the very same bytes back.
QString ArgumentFromNative(QByteArrayView bytes);
QByteArray NativeFromArgument(QStringView argument);

// A file descriptor closed when it goes out of scope.
class UniqueFd {
 public:
  UniqueFd() = default;
  explicit UniqueFd(int fd) : fd_(fd) {}
  UniqueFd(UniqueFd&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
  UniqueFd& operator=(UniqueFd&& other) noexcept;
  UniqueFd(const UniqueFd&) = delete;
  UniqueFd& operator=(const UniqueFd&) = delete;
  ~UniqueFd() { Reset(); }

  int Get() const { return fd_; }
  bool Valid() const { return fd_ >= 0; }
  void Reset(int fd = -1);
  int Release() { return std::exchange(fd_, -1); }

 private:
  int fd_ = -1;
};

// The system's message for an errno value.
QString SystemMessage(int error);

// Opening a directory one component at a time (openat), so that paths longer than PATH_MAX
// work.
struct DirectoryOpening {
  bool create = false;       // make missing directories
  bool follow_links = true;  // false: a symbolic link among the components is an error
};

struct OpenedDirectory {
  UniqueFd fd;
  int error = 0;         // errno when fd is not valid; ELOOP for a link that was not followed
  bool is_link = false;  // the failing component is a symbolic link (follow_links false)
  QByteArray failed;     // the path up to the failing component
};

// Opens `path` relative to `base` (AT_FDCWD: the working directory; an absolute path starts
// at the root).
OpenedDirectory OpenDirectory(int base, QByteArrayView path, const DirectoryOpening& how);

// stat (follow_links) or lstat of a path of any length: 0, or the errno.
int StatPath(const QByteArray& path, bool follow_links, struct stat* st);

// Splits a path into its directory ("." when there is none) and its last component;
// trailing slashes are ignored, "/" is ("/", ".").
std::pair<QByteArray, QByteArray> SplitPath(const QByteArray& path);

// Joins a directory and a relative path with one '/'.
QByteArray JoinPath(const QByteArray& directory, const QByteArray& relative);

}  // namespace veldrane::files
