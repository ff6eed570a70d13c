#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "core/conversion_fixture.h"

namespace veldrane::testing {

// Runs `step` on `text` once whole (it must end), then once with Stop and once with Clear during each of
// the yields the whole run made. Every run must end, make no edit outside the text and,
// after a Clear, leave the text empty; `after_stop` checks each stopped run's fixture.
// `setup` prepares the run state before each run.
// A run that would yield more often than this is taken as endless and stopped.
constexpr int64_t kYieldCeiling = 1'000'000;

// Runs `step` once on `text` after `setup`, expecting it to end and to edit only inside the
// text; returns the resulting text.
inline std::u16string ConvertEndingSoundly(const std::u16string& text,
                                           const std::function<void(ConversionState&)>& setup,
                                           const std::function<void(Conversion&)>& step) {
  ConversionFixture fixture(text);
  setup(fixture.state);
  fixture.host.StopAtYield(kYieldCeiling);
  fixture.Run(step);
  EXPECT_LT(fixture.host.Yields(), kYieldCeiling) << "the pass does not end";
  EXPECT_EQ(fixture.buffer.ClampedEdits(), 0);
  return fixture.buffer.Text();
}

inline void ExpectSoundAtEveryYield(const std::u16string& text,
                                    const std::function<void(ConversionState&)>& setup,
                                    const std::function<void(Conversion&)>& step,
                                    const std::function<void(ConversionFixture&)>& after_stop = {}) {
  ConversionFixture whole(text);
  setup(whole.state);
  whole.host.StopAtYield(kYieldCeiling);
  whole.Run(step);
  ASSERT_LT(whole.host.Yields(), kYieldCeiling) << "the run does not end";
  ASSERT_EQ(whole.buffer.ClampedEdits(), 0) << "whole run";
  for (int64_t k = 1; k <= whole.host.Yields(); ++k) {
    ConversionFixture stopped(text);
    setup(stopped.state);
    stopped.host.StopAtYield(k);
    stopped.Run(step);
    EXPECT_EQ(stopped.buffer.ClampedEdits(), 0) << "stop at " << k;
    EXPECT_LE(stopped.host.Yields(), whole.host.Yields()) << "stop at " << k;
    if (after_stop) after_stop(stopped);

    ConversionFixture cleared(text);
    setup(cleared.state);
    cleared.host.ClearAtYield(k);
    cleared.Run(step);
    EXPECT_EQ(cleared.buffer.ClampedEdits(), 0) << "clear at " << k;
    EXPECT_EQ(cleared.buffer.Text(), u"") << "clear at " << k;
  }
}

}  // namespace veldrane::testing
