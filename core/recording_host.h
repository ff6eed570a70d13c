#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/conversion.h"

namespace veldrane {

// A host without a window: it records every caption write in order, counts the yields,
// and can act as the window's Stop or Clear command during a chosen yield. Used by the
// batch converter (trace and partial-run diagnostics) and by the tests.
class RecordingHost : public ConversionHost {
 public:
  enum class Label { kLabel1, kLabel2 };
  struct CaptionWrite {
    Label label;
    std::u16string caption;
    bool operator==(const CaptionWrite&) const = default;
  };

  RecordingHost(SourceBuffer& buffer, ConversionState& state) : buffer_(buffer), state_(state) {}

  // During the k-th yield (1-based; 0 = never) clear Converting / empty the text.
  void StopAtYield(int64_t k) { stop_at_ = k; }
  void ClearAtYield(int64_t k) { clear_at_ = k; }
  // Keep caption writes (off for plain batch conversion, where nobody reads them).
  void RecordCaptions(bool on) { record_ = on; }

  void Yield() override;
  void SetLabel1(std::u16string_view caption) override;
  void SetLabel2(std::u16string_view caption) override;

  int64_t Yields() const { return yields_; }
  const std::vector<CaptionWrite>& Captions() const { return captions_; }
  const std::u16string& Label1() const { return label1_; }
  const std::u16string& Label2() const { return label2_; }

 private:
  SourceBuffer& buffer_;
  ConversionState& state_;
  int64_t stop_at_ = 0;
  int64_t clear_at_ = 0;
  bool record_ = true;
  int64_t yields_ = 0;
  std::vector<CaptionWrite> captions_;
  std::u16string label1_;
  std::u16string label2_;
};

}  // namespace veldrane
