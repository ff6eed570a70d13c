// The output rules against real files: whatever is at the output path (nothing, a regular
// file, a link, a directory, a FIFO, a character or block device made in a temporary
// directory, a socket), a full tmpfs, symbolic links among the directories below an output
// directory, paths longer than PATH_MAX.
#include "files/safe_output.h"

#include <sys/socket.h>
#include <sys/sysmacros.h>
#include <sys/un.h>

#include <thread>

#include "file_system_fixtures.h"

namespace veldrane::files {
namespace {

using veldrane::testing::Entries;
using veldrane::testing::FileType;
using veldrane::testing::ReadBytesBelow;
using veldrane::testing::ScratchDir;
using veldrane::testing::SmallTmpfs;
using veldrane::testing::WriteBytesBelow;

const QByteArray kResult = "x = 1;\r\n";

// Reads everything written into the FIFO at `path` on a thread of its own.
class FifoReader {
 public:
  explicit FifoReader(const QByteArray& path)
      : thread_([this, path] {
          const int fd = ::open(path.constData(), O_RDONLY);
          char chunk[256];
          for (ssize_t got; fd >= 0 && (got = ::read(fd, chunk, sizeof chunk)) > 0;)
            bytes_.append(chunk, got);
          if (fd >= 0) ::close(fd);
        }) {}
  QByteArray Bytes() {
    thread_.join();
    return bytes_;
  }

 private:
  QByteArray bytes_;
  std::thread thread_;
};

struct ExistingCase {
  const char* name;
  bool force;
  // Puts something at `path` in `dir`.
  void (*make)(const QByteArray& dir, const QByteArray& path);
  const char* error;  // nullptr: the write succeeds; else the whole message, OUT for the path
  mode_t type_after;  // what is at the path afterwards
  const char* after;  // its bytes afterwards (regular files), nullptr: not checked
};

void MakeNothing(const QByteArray&, const QByteArray&) {}
void MakeRegular(const QByteArray& dir, const QByteArray&) { WriteBytesBelow(dir, "out.pas", "precious"); }
void MakeLinkToFile(const QByteArray& dir, const QByteArray& path) {
  WriteBytesBelow(dir, "target.txt", "precious");
  ASSERT_EQ(::symlink("target.txt", path.constData()), 0);
}
void MakeDanglingLink(const QByteArray&, const QByteArray& path) {
  ASSERT_EQ(::symlink("missing.txt", path.constData()), 0);
}
void MakeDirectory(const QByteArray&, const QByteArray& path) {
  ASSERT_EQ(::mkdir(path.constData(), 0755), 0);
}
void MakeNullDevice(const QByteArray&, const QByteArray& path) {
  ASSERT_EQ(::mknod(path.constData(), S_IFCHR | 0666, makedev(1, 3)), 0) << "mknod needs root";
}
// Major 240 is reserved for local use: nothing answers it, so even a wrong write goes nowhere.
void MakeBlockDevice(const QByteArray&, const QByteArray& path) {
  ASSERT_EQ(::mknod(path.constData(), S_IFBLK | 0600, makedev(240, 0)), 0) << "mknod needs root";
}

TEST(SafeOutput, WhatIsAtTheOutputPathDecidesTheWrite) {
  const ExistingCase cases[] = {
      {"nothing", false, MakeNothing, nullptr, S_IFREG, "x = 1;\r\n"},
      {"regular file", false, MakeRegular, "output OUT exists (--force replaces it)", S_IFREG, "precious"},
      {"regular file, forced", true, MakeRegular, nullptr, S_IFREG, "x = 1;\r\n"},
      {"link to a file", false, MakeLinkToFile,
       "output OUT is a symbolic link; it is never written through (--force replaces the link)", S_IFLNK,
       nullptr},
      {"link to a file, forced", true, MakeLinkToFile, nullptr, S_IFREG, "x = 1;\r\n"},
      {"dangling link", false, MakeDanglingLink,
       "output OUT is a symbolic link; it is never written through (--force replaces the link)", S_IFLNK,
       nullptr},
      {"directory", false, MakeDirectory, "output OUT is a directory", S_IFDIR, nullptr},
      {"directory, forced", true, MakeDirectory, "output OUT is a directory", S_IFDIR, nullptr},
      {"character device", false, MakeNullDevice, nullptr, S_IFCHR, nullptr},
      {"character device, forced", true, MakeNullDevice, nullptr, S_IFCHR, nullptr},
      {"block device, forced", true, MakeBlockDevice, "output OUT is a block device; it is never written",
       S_IFBLK, nullptr},
  };
  for (const ExistingCase& c : cases) {
    SCOPED_TRACE(c.name);
    ScratchDir scratch;
    const QByteArray path = scratch.Path("out.pas");
    c.make(scratch.Path(), path);
    const std::optional<QString> error = WriteOutputFile(path, kResult, {c.force});
    if (c.error) {
      ASSERT_TRUE(error);
      EXPECT_EQ(*error, QString(c.error).replace("OUT", QString::fromUtf8(path)));
    } else {
      EXPECT_FALSE(error) << error->toStdString();
    }
    EXPECT_EQ(FileType(path), c.type_after);
    if (c.after) {
      EXPECT_EQ(ReadBytesBelow(scratch.Path(), "out.pas"), QByteArray(c.after));
    }
    // A link's target is never touched, and no temporary file is left behind.
    if (c.make == MakeLinkToFile) {
      EXPECT_EQ(ReadBytesBelow(scratch.Path(), "target.txt"), QByteArray("precious"));
    }
    for (const QByteArray& entry : Entries(scratch.Path()))
      EXPECT_FALSE(entry.startsWith(".veldrane-")) << entry.constData();
  }
}

TEST(SafeOutput, FifoAndSocketAreWrittenToAsStreams) {
  ScratchDir scratch;
  const QByteArray fifo = scratch.Path("out.fifo");
  ASSERT_EQ(::mkfifo(fifo.constData(), 0600), 0);
  FifoReader reader(fifo);
  EXPECT_FALSE(WriteOutputFile(fifo, kResult, {}));
  EXPECT_EQ(reader.Bytes(), kResult);
  EXPECT_EQ(FileType(fifo), S_IFIFO);

  const QByteArray socket_path = scratch.Path("out.sock");
  const int listener = ::socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  ASSERT_LT(socket_path.size(), qsizetype(sizeof address.sun_path));
  std::copy(socket_path.begin(), socket_path.end(), address.sun_path);
  ASSERT_EQ(::bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
  ASSERT_EQ(::listen(listener, 1), 0);
  QByteArray received;
  std::thread server([&] {
    const int connection = ::accept(listener, nullptr, nullptr);
    char chunk[256];
    for (ssize_t got; connection >= 0 && (got = ::read(connection, chunk, sizeof chunk)) > 0;)
      received.append(chunk, got);
    ::close(connection);
  });
  EXPECT_FALSE(WriteOutputFile(socket_path, kResult, {}));
  server.join();
  ::close(listener);
  EXPECT_EQ(received, kResult);
  EXPECT_EQ(FileType(socket_path), S_IFSOCK);
}

TEST(SafeOutput, AFullFileSystemFailsTheWriteAndKeepsWhatWasThere) {
  ScratchDir scratch;
  SmallTmpfs tmpfs(scratch.Path("small"), 64);
  if (!tmpfs.Mounted())
    GTEST_SKIP() << "cannot mount a tmpfs here (needs root); the full-disk case is not run";
  const QByteArray dir = scratch.Path("small");
  WriteBytesBelow(dir, "good.pas", "a good output\n");
  tmpfs.Fill();
  const QByteArray big(16 * 1024, 'x');
  struct Case {
    const char* name;
    const char* file;
    bool force;
    std::optional<QByteArray> after;
  } cases[] = {
      {"new file", "new.pas", false, std::nullopt},
      {"existing file replaced", "good.pas", true, QByteArray("a good output\n")},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const QByteArray path = dir + '/' + c.file;
    const std::optional<QString> error = WriteOutputFile(path, big, {c.force});
    ASSERT_TRUE(error);
    EXPECT_EQ(*error, "cannot write " + QString::fromUtf8(path) + ": No space left on device");
    EXPECT_EQ(ReadBytesBelow(dir, c.file), c.after);
  }
  EXPECT_EQ(Entries(dir), (QList<QByteArray>{"filler", "good.pas"}));  // no temporary file left
}

TEST(SafeOutputDirectory, NothingIsWrittenOutsideIt) {
  ScratchDir scratch;
  const QByteArray root = scratch.Path("out");
  ASSERT_EQ(::mkdir(root.constData(), 0755), 0);
  ASSERT_EQ(::mkdir(scratch.Path("elsewhere").constData(), 0755), 0);
  ASSERT_EQ(::symlink("../elsewhere", (root + "/linked").constData()), 0);
  const OutputDirectory out(root, {true});
  struct Case {
    const char* relative;
    const char* error;  // OUT stands for the output's path
  } cases[] = {
      {"linked/M.pas", "cannot write OUT: ROOT/linked is a symbolic link; nothing is written through it"},
      {"linked/deeper/M.pas",
       "cannot write OUT: ROOT/linked is a symbolic link; nothing is written through it"},
      {"../M.pas", "cannot write OUT: outside the output directory"},
      {"a/../../M.pas", "cannot write OUT: outside the output directory"},
      {"/tmp/M.pas", "cannot write OUT: outside the output directory"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.relative);
    const QString expected = QString(c.error)
                                 .replace("OUT", QString::fromUtf8(out.PathOf(c.relative)))
                                 .replace("ROOT", QString::fromUtf8(root));
    EXPECT_EQ(out.Check(c.relative), expected);
    EXPECT_EQ(out.Write(c.relative, kResult), expected);
  }
  EXPECT_TRUE(Entries(scratch.Path("elsewhere")).isEmpty());
  EXPECT_EQ(Entries(scratch.Path()), (QList<QByteArray>{"elsewhere", "out"}));
  EXPECT_FALSE(out.Write("sub/dir/M.pas", kResult));
  EXPECT_EQ(ReadBytesBelow(root, "sub/dir/M.pas"), kResult);
}

TEST(SafeOutputDirectory, WritesBelowPathsLongerThanPathMax) {
  ScratchDir scratch;
  const QByteArray component(200, 'd');
  const QByteArray relative = QByteArray(component + '/').repeated(24) + "Module1.pas";
  ASSERT_GT(relative.size(), 4096);
  const OutputDirectory out(scratch.Path("out"), {});
  EXPECT_FALSE(out.Check(relative));
  EXPECT_FALSE(out.Write(relative, kResult));
  EXPECT_EQ(ReadBytesBelow(scratch.Path("out"), relative), kResult);
  EXPECT_EQ(out.Write(relative, kResult),
            "output " + QString::fromUtf8(out.PathOf(relative)) + " exists (--force replaces it)");
}

TEST(SafeOutput, ReplacedFileKeepsItsPermissionsOwnerAndGroup) {
  ScratchDir scratch;
  WriteBytesBelow(scratch.Path(), "out.pas", "old");
  // Another owner and group can only be given (and kept) by root.
  const bool root = ::geteuid() == 0;
  if (root) {
    ASSERT_EQ(::chown(scratch.Path("out.pas").constData(), 65534, 65534), 0);
  }
  ASSERT_EQ(::chmod(scratch.Path("out.pas").constData(), 0640), 0);
  EXPECT_FALSE(WriteOutputFile(scratch.Path("out.pas"), kResult, {true}));
  struct stat st {};
  ASSERT_EQ(::stat(scratch.Path("out.pas").constData(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0640u);
  EXPECT_EQ(st.st_uid, root ? 65534u : ::geteuid());
  EXPECT_EQ(st.st_gid, root ? 65534u : ::getegid());
  EXPECT_EQ(ReadBytesBelow(scratch.Path(), "out.pas"), kResult);
}

}  // namespace
}  // namespace veldrane::files
