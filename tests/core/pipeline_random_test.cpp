// Arbitrary mixtures of the pipeline's own literals, line breaks, tabs, surrogates and random
// code units, converted whole, with Stop and Clear at random yields: every run must return,
// keep its edits inside the text, and give the same result when repeated.
#include <gtest/gtest.h>

#include <chrono>
#include <random>

#include "core/conversion_fixture.h"

namespace veldrane {
namespace {

using testing::ConversionFixture;

const std::u16string kPieces[] = {
    u"Option Explicit",
    u"Attribute ",
    u"Debug.Print ",
    u"Private ",
    u"Public ",
    u"Global",
    u" And ",
    u" As ",
    u" Long",
    u": ",
    u"ByRef ",
    u"ByVal ",
    u"CInt(",
    u"Int(",
    u"Call ",
    u"Do ",
    u"Loop",
    u"Next",
    u"End If",
    u"If ",
    u" Then",
    u"Else",
    u"Select Case ",
    u"Case ",
    u"End Select",
    u"For ",
    u" To ",
    u"While ",
    u"With ",
    u"End With",
    u"Enum ",
    u"End Enum",
    u"Type ",
    u"End Type",
    u"ReDim ",
    u"Dim ",
    u"Static ",
    u"Function ",
    u"Sub ",
    u"End Function",
    u"End Sub",
    u"Declare Sub ",
    u"'",
    u"\"",
    u" _",
    u"//",
    u" = ",
    u" = (;",
    u");",
    u"(",
    u")",
    u"()",
    u"[",
    u"]",
    u";",
    u".",
    u", ",
    u" ",
    u"\t",
    u"\r",
    u"\n",
    u"\r\n",
    u"\r\n",
    u"\r\n",
    u"a",
    u"x(1)",
    u"Foo a, b",
    u"Items",
    u"9",
    u"\xD83D\xDE00",
    u"\xD800",
    u"\xDC00",
    u"\x0000",
    u"\xFFFF",
};

std::u16string RandomText(std::mt19937& random) {
  std::u16string text;
  const int pieces = static_cast<int>(random() % 120);
  for (int i = 0; i < pieces; ++i) {
    if (random() % 10 == 0) {
      text.push_back(static_cast<char16_t>(random() % 0x10000));
    } else {
      text += kPieces[random() % std::size(kPieces)];
    }
  }
  return text;
}

struct Outcome {
  std::u16string text;
  std::vector<RecordingHost::CaptionWrite> captions;
  int64_t yields = 0;
  int64_t clamped_edits = 0;
  bool operator==(const Outcome&) const = default;
};

// A run that would yield more often than this is taken as endless.
constexpr int64_t kYieldCeiling = 2'000'000;

Outcome Convert(const std::u16string& input, int64_t stop_at, int64_t clear_at) {
  ConversionFixture fixture(input);
  fixture.host.StopAtYield(stop_at == 0 ? kYieldCeiling : std::min(stop_at, kYieldCeiling));
  fixture.host.ClearAtYield(clear_at);
  fixture.RunConversion();
  return {fixture.buffer.Text(), fixture.host.Captions(), fixture.host.Yields(),
          fixture.buffer.ClampedEdits()};
}

TEST(PipelineRandom, AlwaysReturnsStaysInsideTheTextAndIsDeterministic) {
  std::mt19937 random(20261207);
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  int runs = 0;
  while (runs < 600 && std::chrono::steady_clock::now() < deadline) {
    const std::u16string input = RandomText(random);
    const Outcome whole = Convert(input, 0, 0);
    ASSERT_LT(whole.yields, kYieldCeiling) << "run did not end, input #" << runs;
    ASSERT_EQ(whole.clamped_edits, 0) << "edit outside the text, input #" << runs;
    ASSERT_EQ(Convert(input, 0, 0), whole) << "not deterministic, input #" << runs;

    const int64_t k = 1 + static_cast<int64_t>(random() % static_cast<uint64_t>(whole.yields + 1));
    const Outcome stopped = Convert(input, k, 0);
    ASSERT_EQ(stopped.clamped_edits, 0) << "stop at " << k << ", input #" << runs;
    ASSERT_LE(stopped.yields, whole.yields);
    ASSERT_EQ(Convert(input, k, 0), stopped);

    const Outcome cleared = Convert(input, 0, k);
    ASSERT_LE(cleared.yields, whole.yields);
    if (k <= whole.yields) {
      ASSERT_EQ(cleared.text, u"") << "clear at " << k << ", input #" << runs;
    }
    ++runs;
  }
  EXPECT_GT(runs, 50);
}

}  // namespace
}  // namespace veldrane
