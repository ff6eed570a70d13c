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

// Reads a whole input, at most 256 MiB; inputs are only ever opened for reading. Symbolic links are followed;
// the path may be longer than PATH_MAX.
InputBytes ReadInputFile(const QByteArray& path, InputSource source);

InputBytes ReadStandardInput();

}  // namespace veldrane::files
