#pragma once

#include <cstdio>
#include <functional>
#include <optional>
#include <vector>

#include "cli/input_plan.h"
#include "cli/options.h"
#include "translation/translator.h"

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
// For a project's forms: the designer of a job's form (nullptr for other files), and what is
// written beside a form's unit once it is (its .dfm); the cause when that fails.
struct FormHooks {
  std::function<const translation::FormDescription*(const ConversionJob&)> describe;
  std::function<std::optional<QString>(const ConversionJob&, const translation::TranslatedUnit&)> written;
};
TranslationCounts TranslateJobs(const std::vector<ConversionJob>& jobs, const Options& options,
                                std::FILE* messages, const FormHooks* forms = nullptr);

// Writes the runtime units (Vr*.pas) into the output directory, by the same rules as every
// output; the number of failures.
int WriteRuntimeUnits(const Options& options, std::FILE* messages);

// --translate with a .vbp and --out-dir: the project's modules and classes are translated
// together (each to its path in the project with ".pas"), and P.dpr is written as project
// migration writes it; each form's and user control's unit has its .dfm beside it. Returns the
// number of failures.
int TranslateProjects(const QList<QByteArray>& vbp_files, const Options& options, std::FILE* messages);

}  // namespace veldrane::cli
