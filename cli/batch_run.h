#pragma once

#include <cstdio>
#include <functional>
#include <vector>

#include "cli/input_plan.h"
#include "cli/job_execution.h"
#include "cli/options.h"

namespace veldrane::cli {

// Converts the jobs on up to options.jobs threads. `on_result` is called on the calling
// thread once per job, strictly in job order, whatever order the jobs finish in; the
// progress display (when `progress_terminal` is set) is cleared before each call.
void RunJobs(const std::vector<ConversionJob>& jobs, const Options& options, std::FILE* progress_terminal,
             const std::function<void(const ConversionJob&, JobResult&)>& on_result);

}  // namespace veldrane::cli
