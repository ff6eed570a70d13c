#include "files/temporary_files.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cstring>

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
