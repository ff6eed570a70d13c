#include "migration/vb_values.h"

#include <gtest/gtest.h>

namespace veldrane::migration {
namespace {

TEST(VbValues, StringsUnquoteAndRefuseWhatIsNotOneString) {
  const struct {
    const char* raw;
    std::optional<QString> expected;
  } cases[] = {
      {R"("OK")", QStringLiteral("OK")},
      {R"("")", QString()},
      {R"("Say ""hi""")", QStringLiteral("Say \"hi\"")},
      {R"("Form1.frx":0000)", std::nullopt},
      {R"("a" "b")", std::nullopt},
      {"12", std::nullopt},
      {R"(")", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(VbString(QString::fromUtf8(c.raw)), c.expected) << c.raw;
}

TEST(VbValues, FrxReferencesAreRecognised) {
  EXPECT_TRUE(IsFrxReference(QStringLiteral("\"Form1.frx\":0000")));
  EXPECT_TRUE(IsFrxReference(QStringLiteral("$\"frmMain.frx\":01A4")));
  EXPECT_FALSE(IsFrxReference(QStringLiteral("\"Form1.frx\"")));
  EXPECT_FALSE(IsFrxReference(QStringLiteral("\"a:b\"")));
  EXPECT_FALSE(IsFrxReference(QStringLiteral("-1")));
}

TEST(VbValues, NumbersIncludingHexadecimalAndTypeSuffixes) {
  const struct {
    const char* raw;
    std::optional<double> expected;
  } cases[] = {
      {"120", 120},
      {"-20000", -20000},
      {"14.25", 14.25},
      {"&H00C0C0C0&", 0xC0C0C0},
      {"&HFF&", 255},
      {"&H8000000F&", -2147483633},
      {"&H80000005", -2147483643},
      {"10&", 10},
      {"abc", std::nullopt},
      {"&HXYZ&", std::nullopt},
      {"&H123456789&", std::nullopt},
      {"", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(VbNumber(QString::fromLatin1(c.raw)), c.expected) << c.raw;
}

TEST(VbValues, BooleansAsVbWritesThem) {
  EXPECT_EQ(VbBool(QStringLiteral("-1")), true);
  EXPECT_EQ(VbBool(QStringLiteral("0")), false);
  EXPECT_EQ(VbBool(QStringLiteral("True")), true);
  EXPECT_EQ(VbBool(QStringLiteral("false")), false);
  EXPECT_EQ(VbBool(QStringLiteral("1")), true);
  EXPECT_EQ(VbBool(QStringLiteral("maybe")), std::nullopt);
}

TEST(VbValues, ColoursKeepTheirBitsWhetherHexadecimalOrDecimal) {
  EXPECT_EQ(VbColor(QStringLiteral("&H8000000F&")), 0x8000000Fu);
  EXPECT_EQ(VbColor(QStringLiteral("-2147483643")), 0x80000005u);
  EXPECT_EQ(VbColor(QStringLiteral("12632256")), 0xC0C0C0u);
  EXPECT_EQ(VbColor(QStringLiteral("1.5")), std::nullopt);
  EXPECT_EQ(VbColor(QStringLiteral("99999999999")), std::nullopt);
}

TEST(VbValues, ShortcutsBecomeDelphiShortCutValues) {
  constexpr int kShift = 0x2000, kCtrl = 0x4000, kAlt = 0x8000;
  const struct {
    const char* raw;
    std::optional<int> expected;
  } cases[] = {
      {"^S", kCtrl | 'S'},
      {"^s", kCtrl | 'S'},
      {"{F5}", 0x74},
      {"+{F1}", kShift | 0x70},
      {"^{F12}", kCtrl | 0x7B},
      {"%{BKSP}", kAlt | 0x08},
      {"{DEL}", 0x2E},
      {"+{DEL}", kShift | 0x2E},
      {"^{INSERT}", kCtrl | 0x2D},
      {"^+A", kCtrl | kShift | 'A'},
      {"{F25}", std::nullopt},
      {"^", std::nullopt},
      {"{HOME}", std::nullopt},
      {"^!", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(VbShortcut(QString::fromLatin1(c.raw)), c.expected) << c.raw;
}

}  // namespace
}  // namespace veldrane::migration
