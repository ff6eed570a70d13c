// Runs the whole conversion on arbitrary text, stopped or cleared at a yield that the input
// chooses, and checks what must hold for every text:
//   - the run ends: a host that counts more yields than the text can explain aborts;
//   - a run without Clear never names an edit outside the text;
//   - a stopped run makes at least the yields up to the Stop and no more than the whole run;
//   - a run cleared at any of its yields ends with an empty text, having named no edit
//     outside the text;
//   - the same input converted again gives the same text, captions and yields (small inputs).
//
// Input layout: byte 0 chooses the run control (its low two bits: 1 Stop, 2 Clear, else none),
// bytes 1-3 (little-endian) the yield at which it acts, counted modulo the yields of the whole
// run; the remaining bytes are the text as little-endian UTF-16 code units (an odd last byte
// is dropped).
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/conversion.h"
#include "core/recording_host.h"
#include "passes/conversion_run.h"

namespace veldrane {
namespace {

constexpr std::size_t kHeaderBytes = 4;
// Inputs up to this many code units are converted twice to check that runs repeat exactly.
constexpr std::size_t kRepeatCheckUnits = 512;

enum class RunControl { kNone, kStop, kClear };

// A recording host that takes a run yielding far more often than its text allows for an
// endless loop. The passes that walk name lists or scan declarations code unit by code unit
// may yield quadratically often in the length of the text, hence the quadratic budget.
class BudgetedHost : public RecordingHost {
 public:
  BudgetedHost(SourceBuffer& buffer, ConversionState& state, std::size_t text_units)
      : RecordingHost(buffer, state),
        budget_(100'000 + 32 * static_cast<int64_t>(text_units) * static_cast<int64_t>(text_units)) {}

  void Yield() override {
    RecordingHost::Yield();
    if (Yields() > budget_) {
      std::fprintf(stderr, "conversion did not end: more than %lld yields\n",
                   static_cast<long long>(budget_));
      std::abort();
    }
  }

 private:
  int64_t budget_;
};

struct Outcome {
  std::u16string text;
  std::vector<RecordingHost::CaptionWrite> captions;
  int64_t yields = 0;
  int64_t clamped_edits = 0;
  bool operator==(const Outcome&) const = default;
};

Outcome Convert(const std::u16string& input, RunControl control, int64_t at_yield) {
  SourceBuffer buffer(input);
  ConversionState state;
  BudgetedHost host(buffer, state, input.size());
  if (control == RunControl::kStop) host.StopAtYield(at_yield);
  if (control == RunControl::kClear) host.ClearAtYield(at_yield);
  Conversion cv{buffer, state, host};
  RunConversion(cv);
  return {buffer.Text(), host.Captions(), host.Yields(), buffer.ClampedEdits()};
}

void Check(bool holds, const char* what) {
  if (holds) return;
  std::fprintf(stderr, "invariant broken: %s\n", what);
  std::abort();
}

}  // namespace
}  // namespace veldrane

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  using namespace veldrane;
  if (size < kHeaderBytes) return 0;
  const RunControl control = (data[0] & 3) == 1   ? RunControl::kStop
                             : (data[0] & 3) == 2 ? RunControl::kClear
                                                  : RunControl::kNone;
  const uint32_t yield_choice = data[1] | (data[2] << 8) | (data[3] << 16);
  std::u16string text;
  for (std::size_t i = kHeaderBytes; i + 1 < size; i += 2) {
    text.push_back(static_cast<char16_t>(data[i] | (data[i + 1] << 8)));
  }
  const bool repeat = text.size() <= kRepeatCheckUnits;

  const Outcome whole = Convert(text, RunControl::kNone, 0);
  Check(whole.clamped_edits == 0, "the whole run named an edit outside the text");
  if (control == RunControl::kNone) {
    if (repeat) Check(Convert(text, RunControl::kNone, 0) == whole, "a second run differs");
    return 0;
  }

  const int64_t k = 1 + yield_choice % static_cast<uint64_t>(whole.yields + 1);
  const Outcome partial = Convert(text, control, k);
  if (control == RunControl::kStop) {
    Check(partial.clamped_edits == 0, "a stopped run named an edit outside the text");
    Check(partial.yields <= whole.yields, "a stopped run yielded more often than the whole run");
    Check(k > whole.yields || partial.yields >= k, "a stopped run ended before its Stop");
  }
  if (control == RunControl::kClear && k <= whole.yields) {
    Check(partial.text.empty(), "a cleared run left text behind");
    Check(partial.clamped_edits == 0, "a cleared run named an edit outside the text");
  }
  if (repeat) Check(Convert(text, control, k) == partial, "a second stopped or cleared run differs");
  return 0;
}
