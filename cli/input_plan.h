#pragma once

#include <QString>
#include <optional>
#include <vector>

#include "cli/options.h"

namespace veldrane::cli {

// One file to convert and where its result goes.
struct ConversionJob {
  QString input_path;            // empty: standard input
  QString display_name;          // how messages name the input
  QString output_path;           // empty: standard output
  std::optional<QString> error;  // found while planning; the job then fails without reading
};

struct Plan {
  std::vector<ConversionJob> jobs;  // in the order of the command line, directories sorted
  QString usage_error;              // non-empty: nothing is to be done
};

// True for the extensions of VB6 source files, in any case.
bool IsVb6SourceName(const QString& file_name);

// Expands the inputs into jobs: directories are walked recursively for VB6 sources, each
// output path mirrors the input's path relative to the directory given (a file given by
// name lands directly in the output directory) with the extension ".pas". Two inputs that
// would write the same output, and an output that is one of the inputs, are errors of the
// later job; the same file reached twice is converted once.
Plan PlanJobs(const Options& options);

}  // namespace veldrane::cli
