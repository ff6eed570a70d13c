#pragma once

#include <cstdint>
#include <string>
#include <vector>

// What one run of a conversion core leaves that a user or a later pass can see: the text,
// every caption write, the yield count and the run state with both name lists.
namespace veldrane_differential {

enum class Control { kNone, kStop, kClear };

struct Outcome {
  std::u16string text;
  std::vector<std::u16string> captions;  // "1" or "2" (the label) followed by the caption
  int64_t yields = 0;
  std::vector<std::u16string> array_names;
  std::vector<std::u16string> routine_names;
  int32_t routine_name_count = 0;
  bool local_var_mode = false;
  bool var_header_written = false;
  bool operator==(const Outcome&) const = default;
};

}  // namespace veldrane_differential

// Built once with each core. The reference core is compiled with its namespace renamed, so
// that both live in one program; its copy of this function is declared in the fuzz target.
namespace veldrane {
veldrane_differential::Outcome RunForComparison(const std::u16string& text,
                                                veldrane_differential::Control control, int64_t at_yield);
}  // namespace veldrane
