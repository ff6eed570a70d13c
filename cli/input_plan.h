#pragma once

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

#include "cli/options.h"
#include "files/input_reading.h"

namespace veldrane::cli {

// One file to convert and where its result goes. Paths are native bytes.
struct ConversionJob {
  QByteArray input_path;  // empty: standard input
  files::InputSource source = files::InputSource::kNamed;
  QString display_name;          // how messages name the input, control characters escaped
  QByteArray output_path;        // empty: standard output; with --out-dir relative to it
  std::optional<QString> error;  // found while planning; the job then fails without reading
};

// The VB6 project files found below a directory input, relative to it and sorted.
struct ProjectsBelow {
  QByteArray directory;
  QList<QByteArray> projects;
};

struct Plan {
  std::vector<ConversionJob> jobs;            // in the order of the command line, directories sorted
  std::vector<ProjectsBelow> projects_below;  // directories that hold .vbp files
  QString usage_error;                        // non-empty: nothing is to be done
};

// True for the extensions of VB6 source files, in any case.
bool IsVb6SourceName(const QByteArray& file_name);

// True for a VB6 project file's name (".vbp", any case).
bool IsProjectName(const QByteArray& file_name);

// Expands the inputs into jobs: directories are walked recursively for VB6 sources (linked
// directories followed, a link back into its own ancestors a failed job "symbolic link
// loop"; an unreadable directory a failed job), each output path mirrors the input's path
// relative to the directory given (a file given by name lands directly in the output
// directory) with the extension ".pas"; the .vbp files met on the way are listed. Two inputs that would write
// the same output, an output that is one of the inputs, and a trace that is an input or the output are errors
// of the later job; the same file reached twice is converted once.
Plan PlanJobs(const Options& options);

}  // namespace veldrane::cli
