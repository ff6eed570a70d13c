#pragma once

#include <QByteArray>
#include <QString>
#include <chrono>
#include <optional>

namespace veldrane::files {

// Writing outputs so that a user's files are never lost. Every writer here follows the same
// rules, whether it writes the one file a user named or many files below an output
// directory (a mirrored tree of .pas files, a migrated project with its .dpr, .pas, .dfm
// and report):
//
//  - Atomic: the bytes go to a temporary file in the output's own directory, are written,
//    flushed and synced, and the temporary file is renamed over the output. On any error
//    (write, sync, close, rename; a full disk included) the temporary file is removed, the
//    error names the output and gives the system's message, and whatever was at the output
//    path stays byte for byte as it was. A replaced file keeps its permission bits, and its
//    owner and group when the process may set them (root; an owner may keep a group it is
//    in); a new one gets 0666 less the umask. The temporary files of a run are removed when
//    it is interrupted, or by a later run when it was killed (temporary_files.h).
//  - Only regular files are replaced. Without `force` an existing regular file is an error
//    ("exists (--force replaces it)"); a new file is never put over one that appeared
//    meanwhile (the rename does not replace).
//  - A character device or a FIFO at the output path is written to as a stream (no
//    temporary file, no `force` needed), a socket is connected to and written to; they are
//    never replaced. A FIFO is opened without blocking: when nobody opens it for reading
//    within kStreamReaderWait the output fails ("no reader") and the run goes on. A block
//    device is never written.
//  - A symbolic link at the output path is never written through. Without `force` it is an
//    error; with `force` the link itself is replaced by a regular file (its target stays).
//    A link in /dev or /proc (/dev/stderr, /dev/fd/N) is the system's: never replaced.
//  - A directory at the output path is an error of its own, `force` or not.
//  - Below an output directory nothing is written outside it: the relative path may not be
//    absolute or hold "..", and no directory between the root and the output may be a
//    symbolic link (each is opened without following links, so a link swapped in during the
//    run is not followed either). Missing directories are created. The root itself is the
//    user's choice and may be reached through links.
//  - Paths are native bytes (see native_path.h) and may be longer than PATH_MAX.
//
// Every function returns nullopt on success, else one line naming the output:
// "cannot write OUT: No space left on device", "output OUT exists (--force replaces it)".

inline constexpr std::chrono::seconds kStreamReaderWait{5};

struct OutputRules {
  bool force = false;  // replace an existing regular file or symbolic link
};

// The one output a user named (-o FILE, --trace FILE). Its directory is created when
// missing; links among the directories the user named are followed.
std::optional<QString> WriteOutputFile(const QByteArray& path, const QByteArray& bytes,
                                       const OutputRules& rules);

// What WriteOutputFile would refuse, found without writing anything (so that a run can fail
// an output before converting its input). A later write still checks everything again.
std::optional<QString> CheckOutputFile(const QByteArray& path, const OutputRules& rules);

// A directory the caller writes many outputs below.
class OutputDirectory {
 public:
  OutputDirectory(QByteArray root, OutputRules rules) : root_(std::move(root)), rules_(rules) {}

  const QByteArray& Root() const { return root_; }
  QByteArray PathOf(const QByteArray& relative) const;

  // Writes `bytes` to root/relative; `relative` uses '/' between components.
  std::optional<QString> Write(const QByteArray& relative, const QByteArray& bytes) const;
  std::optional<QString> Check(const QByteArray& relative) const;

 private:
  QByteArray root_;
  OutputRules rules_;
};

}  // namespace veldrane::files
