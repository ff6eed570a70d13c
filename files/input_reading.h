#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace veldrane::files {

struct InputBytes {
  QByteArray bytes;
  std::optional<QString> error;  // "cannot read: ..."; nothing was read
};

// Which kinds of file an input may be.
enum class InputSource {
  kNamed,  // named by the user: a regular file, or a stream (FIFO, pipe, character device,
           // so /dev/stdin and <(command) work)
  kFound,  // found in a directory walk: regular files only (opening a FIFO would wait)
};

// The most a source file may hold: the conversion needs about eleven times an input's size.
inline constexpr qsizetype kMaxInputBytes = qsizetype(256) << 20;

// Reads a whole input, at most `max_bytes`; inputs are only ever opened for reading. Symbolic
// links are followed; the path may be longer than PATH_MAX.
InputBytes ReadInputFile(const QByteArray& path, InputSource source, qsizetype max_bytes = kMaxInputBytes);

InputBytes ReadStandardInput();

}  // namespace veldrane::files
