#pragma once

#include <QString>
#include <QStringList>

#include "files/file_conversion.h"

namespace veldrane::cli {

inline constexpr char kProgramName[] = "veldrane-convert";

struct Options {
  QStringList inputs;   // files and directories; empty or "-" means standard input
  QString output_file;  // -o: the one output; empty with --out-dir or for standard output
  QString out_dir;      // --out-dir: mirrored tree of .pas files
  bool force = false;
  files::ConversionSettings settings;
  QString trace_file;
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

// `arguments` without the program name.
ParsedArguments ParseArguments(const QStringList& arguments);

QString HelpText();

}  // namespace veldrane::cli
