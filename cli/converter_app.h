#pragma once

#include <QStringList>

namespace veldrane::cli {

// The whole command: parses `arguments` (without the program name), converts, prints the
// messages to standard error and returns the exit status: 0 all converted, 1 some input
// failed, 2 usage error.
int RunConverter(const QStringList& arguments);

}  // namespace veldrane::cli
