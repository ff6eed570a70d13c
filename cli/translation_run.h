#pragma once

#include <cstdio>
#include <vector>

#include "cli/input_plan.h"
#include "cli/options.h"

namespace veldrane::cli {

// --translate: reads every job's input, translates them together as one program (each
// file sees the public members of the others), and writes each unit where the job's
// output goes, through the same safe writer as the conversion. Messages go to `messages`:
// failures, then the constructs left untranslated (totals first, then file and line).
// Returns the number of failed jobs.
struct TranslationCounts {
  int written = 0;  // units written, the shared declarations' unit included
  int failed = 0;   // inputs and units that failed
};
TranslationCounts TranslateJobs(const std::vector<ConversionJob>& jobs, const Options& options,
                                std::FILE* messages);

// Writes the runtime units (Vr*.pas) into the output directory, by the same rules as every
// output; the number of failures.
int WriteRuntimeUnits(const Options& options, std::FILE* messages);

// --translate with a .vbp and --out-dir: the project's modules and classes are translated
// together (each to its path in the project with ".pas"), and P.dpr is written as project
// migration writes it. Forms and user controls are listed as not translated. Returns the
// number of failures.
int TranslateProjects(const QList<QByteArray>& vbp_files, const Options& options, std::FILE* messages);

}  // namespace veldrane::cli
