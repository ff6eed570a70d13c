#pragma once

#include <QByteArray>

namespace veldrane::files {

// The temporary files a run has open (safe_output.cpp writes each output through one), so
// that an interrupted run removes them: on SIGINT, SIGTERM and SIGHUP every one that exists
// is unlinked and the process exits with 128 + the signal's number (130, 143, 129). A run
// that could not (killed with SIGKILL, a machine that lost power) leaves them to the next
// run that writes in the same directory.

// Installs the handlers (and ignores SIGPIPE, so that a reader that goes away makes a write
// fail with EPIPE instead of ending the run). Called once, before any output is written.
void RemoveTemporaryFilesOnSignals();

// A fresh name for a temporary file: ".veldrane-<random hex>.tmp".
QByteArray TemporaryName();

// Removes, once per directory and run, the temporary files of earlier runs in the directory
// `dir`: those at least kStaleAfterSeconds old that no process holds (a run holds a lock on
// each of its own until it is renamed or removed, see HoldTemporaryFile).
void RemoveStaleTemporaryFiles(int dir);
inline constexpr int kStaleAfterSeconds = 60;

// Takes the lock that marks the open temporary file `fd` as in use; the returned descriptor
// keeps it until it is closed.
int HoldTemporaryFile(int fd);

// A temporary file in the directory `dir` (an open descriptor), listed from before it is
// created until it has been renamed or removed.
class TemporaryFileEntry {
 public:
  TemporaryFileEntry(int dir, const QByteArray& name);
  ~TemporaryFileEntry();
  TemporaryFileEntry(const TemporaryFileEntry&) = delete;
  TemporaryFileEntry& operator=(const TemporaryFileEntry&) = delete;

 private:
  int slot_ = -1;  // -1: the list was full; the file is then not removed on a signal
};

}  // namespace veldrane::files
