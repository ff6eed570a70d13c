#pragma once

// Real file-system conditions made inside a temporary directory: a small tmpfs, device
// nodes, FIFOs, sockets and symbolic links, and raw byte paths (which may not be UTF-8 and
// may be longer than PATH_MAX).
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QByteArray>
#include <QList>
#include <QTemporaryDir>
#include <algorithm>
#include <optional>

namespace veldrane::testing {

// Removes everything below `directory` with unlinkat, whatever the names and the depth (Qt's
// own removal cannot name files whose names are not UTF-8 or whose paths exceed PATH_MAX).
void RemoveContents(const QByteArray& directory);

// Empties a directory when it goes out of scope; declared after the temporary directory that
// holds it.
class ContentsRemover {
 public:
  explicit ContentsRemover(QByteArray directory) : directory_(std::move(directory)) {}
  ~ContentsRemover() { RemoveContents(directory_); }

 private:
  QByteArray directory_;
};

class ScratchDir {
 public:
  ScratchDir() { EXPECT_TRUE(dir_.isValid()); }
  ~ScratchDir() { RemoveContents(Path()); }
  QByteArray Path(const QByteArray& relative = {}) const {
    const QByteArray root = dir_.path().toUtf8();
    return relative.isEmpty() ? root : root + '/' + relative;
  }

 private:
  QTemporaryDir dir_;
};

// A tmpfs of `kilobytes` mounted on a fresh directory, unmounted again at the end; Mounted()
// is false where mounting is not allowed (not root, no CAP_SYS_ADMIN).
class SmallTmpfs {
 public:
  explicit SmallTmpfs(const QByteArray& mount_point, int kilobytes) : path_(mount_point) {
    ::mkdir(path_.constData(), 0755);
    const QByteArray options = "size=" + QByteArray::number(kilobytes) + "k";
    mounted_ = ::mount("tmpfs", path_.constData(), "tmpfs", 0, options.constData()) == 0;
  }
  ~SmallTmpfs() {
    if (mounted_) ::umount2(path_.constData(), MNT_DETACH);
  }
  bool Mounted() const { return mounted_; }

  // Fills the file system up with one file, so that the next write finds no space.
  void Fill() const {
    const int fd = ::open((path_ + "/filler").constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    ASSERT_GE(fd, 0);
    const QByteArray block(4096, 'x');
    while (::write(fd, block.constData(), block.size()) > 0) {
    }
    // Whatever space is left in partial blocks goes too.
    while (::write(fd, "x", 1) > 0) {
    }
    ::close(fd);
  }

 private:
  QByteArray path_;
  bool mounted_ = false;
};

inline mode_t FileType(const QByteArray& path) {
  struct stat st {};
  return ::lstat(path.constData(), &st) == 0 ? st.st_mode & S_IFMT : 0;
}

// Names in a directory, "." and ".." left out.
QList<QByteArray> Entries(const QByteArray& directory);

// Creates `depth` nested directories named `component` below `root` (with openat, as the
// whole path may exceed PATH_MAX) and returns the relative path to the innermost.
QByteArray MakeDeepDirectories(const QByteArray& root, const QByteArray& component, int depth);

// Writes `bytes` to root/relative whatever the length of the path.
void WriteBytesBelow(const QByteArray& root, const QByteArray& relative, const QByteArray& bytes);

// Reads root/relative whatever the length of the path; nullopt when it cannot be opened.
std::optional<QByteArray> ReadBytesBelow(const QByteArray& root, const QByteArray& relative);

}  // namespace veldrane::testing
