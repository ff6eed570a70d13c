#pragma once

#include <string_view>

namespace veldrane {

// What the conversion core needs from whoever runs it: the two status captions and the
// yield that every loop makes once per iteration. The window processes its events in the
// yield; the batch converter does nothing; tests stop or clear the run at a chosen yield.
class ConversionHost {
 public:
  virtual ~ConversionHost() = default;
  virtual void Yield() = 0;
  virtual void SetLabel1(std::u16string_view caption) = 0;
  virtual void SetLabel2(std::u16string_view caption) = 0;
};

}  // namespace veldrane
