// Runs the conversion core and the reference core (the plain-string text store and the
// name-list passes that search the whole text once per name) on the same text, whole and
// stopped or cleared at a yield that the input chooses, and aborts when anything a user or a
// later pass can see differs: text, captions, yields, name lists or run state.
//
// Input layout as for fuzz_pipeline: byte 0 chooses the run control (its low two bits: 1
// Stop, 2 Clear, else none), bytes 1-3 (little-endian) the yield at which it acts, counted
// modulo the yields of the whole run; the remaining bytes are the text as little-endian UTF-16
// code units (an odd last byte is dropped).
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "differential_run.h"

namespace veldrane_reference {
veldrane_differential::Outcome RunForComparison(const std::u16string& text,
                                                veldrane_differential::Control control, int64_t at_yield);
}  // namespace veldrane_reference

namespace {

using veldrane_differential::Control;
using veldrane_differential::Outcome;

constexpr std::size_t kHeaderBytes = 4;

void Report(const Outcome& real, const Outcome& reference, const char* run) {
  std::fprintf(stderr, "%s run differs: text %s, captions %s, yields %lld vs %lld, names %s\n", run,
               real.text == reference.text ? "same" : "differs",
               real.captions == reference.captions ? "same" : "differ", static_cast<long long>(real.yields),
               static_cast<long long>(reference.yields),
               real.array_names == reference.array_names && real.routine_names == reference.routine_names
                   ? "same"
                   : "differ");
  std::abort();
}

Outcome Compare(const std::u16string& text, Control control, int64_t at_yield, const char* run) {
  const Outcome real = veldrane::RunForComparison(text, control, at_yield);
  const Outcome reference = veldrane_reference::RunForComparison(text, control, at_yield);
  if (!(real == reference)) Report(real, reference, run);
  return real;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  if (size < kHeaderBytes) return 0;
  const Control control = (data[0] & 3) == 1   ? Control::kStop
                          : (data[0] & 3) == 2 ? Control::kClear
                                               : Control::kNone;
  const uint32_t yield_choice = data[1] | (data[2] << 8) | (data[3] << 16);
  std::u16string text;
  for (std::size_t i = kHeaderBytes; i + 1 < size; i += 2) {
    text.push_back(static_cast<char16_t>(data[i] | (data[i + 1] << 8)));
  }
  const Outcome whole = Compare(text, Control::kNone, 0, "whole");
  if (control == Control::kNone) return 0;
  const int64_t k = 1 + yield_choice % static_cast<uint64_t>(whole.yields + 1);
  Compare(text, control, k, control == Control::kStop ? "stopped" : "cleared");
  return 0;
}
