#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/recording_host.h"

namespace veldrane::files {

// What a run records and how it may be cut short; the last two reproduce a partial run of
// the window by acting as its Stop or Clear command during the k-th yield (0 = never).
struct RunControls {
  bool record_captions = false;
  int64_t stop_at_yield = 0;
  int64_t clear_at_yield = 0;
  // Called with every Label1 caption as the run writes it (may be empty), from the thread
  // that runs the conversion.
  std::function<void(std::u16string_view)> on_step;
  // Called once the run's buffer holds its own copy of the text: the text passed in is not
  // read after that, so its owner may let it go and the run holds the text only once.
  std::function<void()> on_loaded;
};

struct RunResult {
  std::u16string text;
  std::vector<RecordingHost::CaptionWrite> captions;  // empty unless recorded
  int64_t yields = 0;
};

// Reads the converted text out of the run's buffer, in place of RunResult::text.
using ResultReader = std::function<void(const SourceBuffer&)>;

// Converts one text as the window's conversion command does: nothing happens to an empty
// text; otherwise Converting is set, the pipeline runs on a buffer holding the text, and
// Converting is cleared again. Each call has its own buffer, state and host, so calls may
// run on different threads at once. With `read`, the result is handed to it (also for an
// empty text) and RunResult::text stays empty, so no copy of the whole result is made; the
// text passed in is no longer read then, and `read` may let it go.
RunResult RunConversion(std::u16string_view text, const RunControls& controls, const ResultReader& read = {});

}  // namespace veldrane::files
