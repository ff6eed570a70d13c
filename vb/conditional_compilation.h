#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace veldrane::vb {

// The state of conditional compilation along a file: the #Const values and the nesting of
// #If blocks, telling whether a line is compiled.
class ConditionalCompilation {
 public:
  explicit ConditionalCompilation(const std::vector<std::pair<std::u16string, std::int64_t>>& constants);

  // Whether the line (as written) is a directive: #If, #ElseIf, #Else, #End If, #Const.
  static bool IsDirective(std::u16string_view line);
  // Applies a directive line to the state.
  void Apply(std::u16string_view line);
  // Whether lines outside directives are compiled at this point.
  bool Active() const;

 private:
  struct Frame {
    bool parent_active;
    bool taken;   // a branch of this #If was already chosen
    bool active;  // the current branch is compiled
  };
  bool Evaluate(std::u16string_view expression) const;

  std::vector<std::pair<std::u16string, double>> constants_;  // name keys
  std::vector<Frame> frames_;
};

}  // namespace veldrane::vb
