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
int TranslateJobs(const std::vector<ConversionJob>& jobs, const Options& options, std::FILE* messages);

}  // namespace veldrane::cli
