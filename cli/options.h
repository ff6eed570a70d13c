#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include "files/file_conversion.h"

namespace veldrane::cli {

inline constexpr char kProgramName[] = "veldrane-convert";
// -o and --trace name standard error so: written to the stream, never through the link.
inline constexpr char kStandardError[] = "/dev/stderr";
inline constexpr int kMaxJobs = 1024;

// Paths are native bytes (files/native_path.h), so that names that are not UTF-8 keep them.
struct Options {
  QList<QByteArray> inputs;  // files and directories; empty or "-" means standard input
  QByteArray output_file;    // -o: the one output; empty with --out-dir or for standard output
  QByteArray out_dir;        // --out-dir: mirrored tree of .pas files
  bool force = false;
  bool translate = false;  // --translate: the translator instead of the exact conversion
  files::ConversionSettings settings;
  QByteArray trace_file;    // empty: no trace; "-": standard output
  QByteArray project_root;  // --project-root: members of a .vbp are read only below it
  int jobs = 1;
  bool quiet = false;
  bool verbose = false;
};

struct ParsedArguments {
  enum class Action { kRun, kHelp, kVersion, kUsageError };
  Action action = Action::kRun;
  Options options;
  QString message;  // the help or version text, or the usage error (one line)
};

// `arguments` without the program name, decoded with files::ArgumentFromNative.
ParsedArguments ParseArguments(const QStringList& arguments);

}  // namespace veldrane::cli
