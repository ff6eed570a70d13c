#include "core/recording_host.h"

namespace veldrane {

void RecordingHost::Yield() {
  ++yields_;
  if (yields_ == stop_at_) state_.Converting = false;
  if (yields_ == clear_at_) buffer_.SetText(u"");
}

void RecordingHost::SetLabel1(std::u16string_view caption) {
  label1_.assign(caption);
  if (record_) captions_.push_back({Label::kLabel1, label1_});
}

void RecordingHost::SetLabel2(std::u16string_view caption) {
  label2_.assign(caption);
  if (record_) captions_.push_back({Label::kLabel2, label2_});
}

}  // namespace veldrane
