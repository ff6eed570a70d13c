#include "file_system_fixtures.h"

#include <dirent.h>

namespace veldrane::testing {
namespace {

// Opens the directory holding root/relative's last component, one component at a time.
int OpenParentBelow(const QByteArray& root, const QByteArray& relative, QByteArray* name) {
  int fd = ::open(root.constData(), O_RDONLY | O_DIRECTORY);
  QList<QByteArray> components = relative.split('/');
  *name = components.takeLast();
  for (const QByteArray& component : components) {
    const int next = ::openat(fd, component.constData(), O_RDONLY | O_DIRECTORY);
    ::close(fd);
    if (next < 0) return -1;
    fd = next;
  }
  return fd;
}

void RemoveBelow(int dir) {
  DIR* listing = ::fdopendir(::dup(dir));
  if (!listing) return;
  QList<QByteArray> names;
  while (const dirent* entry = ::readdir(listing)) names.append(entry->d_name);
  ::closedir(listing);
  for (const QByteArray& name : names) {
    if (name == "." || name == "..") continue;
    struct stat st {};
    if (::fstatat(dir, name.constData(), &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISDIR(st.st_mode)) {
      const int sub = ::openat(dir, name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW);
      if (sub >= 0) {
        RemoveBelow(sub);
        ::close(sub);
      }
      ::unlinkat(dir, name.constData(), AT_REMOVEDIR);
    } else {
      ::unlinkat(dir, name.constData(), 0);
    }
  }
}

}  // namespace

void RemoveContents(const QByteArray& directory) {
  const int fd = ::open(directory.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW);
  if (fd < 0) return;
  RemoveBelow(fd);
  ::close(fd);
}

QList<QByteArray> Entries(const QByteArray& directory) {
  QList<QByteArray> names;
  DIR* dir = ::opendir(directory.constData());
  if (!dir) return names;
  while (const dirent* entry = ::readdir(dir)) {
    const QByteArray name(entry->d_name);
    if (name != "." && name != "..") names.append(name);
  }
  ::closedir(dir);
  std::sort(names.begin(), names.end());
  return names;
}

QByteArray MakeDeepDirectories(const QByteArray& root, const QByteArray& component, int depth) {
  int fd = ::open(root.constData(), O_RDONLY | O_DIRECTORY);
  QByteArray relative;
  for (int i = 0; i < depth; ++i) {
    ::mkdirat(fd, component.constData(), 0755);
    const int next = ::openat(fd, component.constData(), O_RDONLY | O_DIRECTORY);
    ::close(fd);
    fd = next;
    EXPECT_GE(fd, 0);
    relative += (relative.isEmpty() ? "" : "/") + component;
  }
  ::close(fd);
  return relative;
}

void WriteBytesBelow(const QByteArray& root, const QByteArray& relative, const QByteArray& bytes) {
  QByteArray name;
  const int dir = OpenParentBelow(root, relative, &name);
  ASSERT_GE(dir, 0);
  const int fd = ::openat(dir, name.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  ::close(dir);
  ASSERT_GE(fd, 0);
  ASSERT_EQ(::write(fd, bytes.constData(), bytes.size()), bytes.size());
  ::close(fd);
}

std::optional<QByteArray> ReadBytesBelow(const QByteArray& root, const QByteArray& relative) {
  QByteArray name;
  const int dir = OpenParentBelow(root, relative, &name);
  if (dir < 0) return std::nullopt;
  const int fd = ::openat(dir, name.constData(), O_RDONLY | O_NOFOLLOW);
  ::close(dir);
  if (fd < 0) return std::nullopt;
  QByteArray bytes;
  char chunk[4096];
  for (ssize_t got; (got = ::read(fd, chunk, sizeof chunk)) > 0;) bytes.append(chunk, got);
  ::close(fd);
  return bytes;
}

}  // namespace veldrane::testing
