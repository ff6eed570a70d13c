#include "files/temporary_files.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QList>
#include <atomic>
#include <cstring>
#include <ctime>
#include <mutex>
#include <random>
#include <set>
#include <utility>

namespace veldrane::files {
namespace {

// A signal handler may only read plain memory and make async-signal-safe calls, so the
// list is a fixed array of listed_files claimed with atomics. One slot per output being written:
// there are at most as many as there are workers (--jobs is at most 1024).
constexpr int kSlots = 1100;
constexpr std::size_t kNameSize = 64;

struct Slot {
  std::atomic<bool> claimed{false};
  std::atomic<bool> listed{false};  // dir and name are complete
  int dir = -1;
  char name[kNameSize] = {};
};

Slot listed_files[kSlots];

extern "C" void RemoveAndExit(int signal_number) {
  for (Slot& slot : listed_files)
    if (slot.listed.load()) ::unlinkat(slot.dir, slot.name, 0);
  ::_exit(128 + signal_number);
}

}  // namespace

QByteArray TemporaryName() {
  thread_local std::mt19937_64 random{std::random_device{}()};
  return ".veldrane-" + QByteArray::number(qulonglong(random()), 16) + ".tmp";
}

void RemoveStaleTemporaryFiles(int dir) {
  static std::mutex mutex;
  static std::set<std::pair<dev_t, ino_t>> cleaned;
  struct stat st {};
  if (::fstat(dir, &st) != 0) return;
  {
    std::lock_guard lock(mutex);
    if (!cleaned.insert({st.st_dev, st.st_ino}).second) return;
  }
  QList<QByteArray> names;
  if (DIR* stream = ::fdopendir(::dup(dir))) {
    while (const dirent* entry = ::readdir(stream)) {
      const QByteArray name(entry->d_name);
      if (name.startsWith(".veldrane-") && name.endsWith(".tmp")) names.append(name);
    }
    ::closedir(stream);
  }
  const time_t stale_before = std::time(nullptr) - kStaleAfterSeconds;
  for (const QByteArray& name : names) {
    const int fd = ::openat(dir, name.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) continue;
    struct stat file {};
    if (::fstat(fd, &file) == 0 && S_ISREG(file.st_mode) && file.st_mtime < stale_before &&
        ::flock(fd, LOCK_EX | LOCK_NB) == 0)
      ::unlinkat(dir, name.constData(), 0);
    ::close(fd);
  }
}

int HoldTemporaryFile(int fd) {
  const int held = ::fcntl(fd, F_DUPFD_CLOEXEC, 0);
  if (held >= 0) ::flock(held, LOCK_EX | LOCK_NB);
  return held;
}

void RemoveTemporaryFilesOnSignals() {
  struct sigaction action {};
  action.sa_handler = RemoveAndExit;
  sigfillset(&action.sa_mask);
  for (const int signal_number : {SIGINT, SIGTERM, SIGHUP}) ::sigaction(signal_number, &action, nullptr);
  ::signal(SIGPIPE, SIG_IGN);
}

TemporaryFileEntry::TemporaryFileEntry(int dir, const QByteArray& name) {
  if (std::size_t(name.size()) >= kNameSize) return;
  for (int i = 0; i < kSlots; ++i) {
    bool expected = false;
    if (!listed_files[i].claimed.compare_exchange_strong(expected, true)) continue;
    listed_files[i].dir = dir;
    std::memcpy(listed_files[i].name, name.constData(), std::size_t(name.size()) + 1);
    listed_files[i].listed.store(true);
    slot_ = i;
    return;
  }
}

TemporaryFileEntry::~TemporaryFileEntry() {
  if (slot_ < 0) return;
  listed_files[slot_].listed.store(false);
  listed_files[slot_].claimed.store(false);
}

}  // namespace veldrane::files
