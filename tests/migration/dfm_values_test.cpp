#include "migration/dfm_values.h"

#include <gtest/gtest.h>

namespace veldrane::migration {
namespace {

TEST(DfmValues, StringsAreAsciiWithEscapes) {
  const struct {
    QString text;
    const char* expected;
  } cases[] = {
      {QString(), "''"},
      {QStringLiteral("OK"), "'OK'"},
      {QStringLiteral("It's"), "'It''s'"},
      {QString::fromUtf8("日本"), "#26085#26412"},
      {QString::fromUtf8("文件(&F)"), "#25991#20214'(&F)'"},
      {QString::fromUtf8("a\tb"), "'a'#9'b'"},
      {QString::fromUtf8("Caf\u00e9!"), "'Caf'#233'!'"},
      {QString::fromUtf8("\U0001F600"), "#55357#56832"},
  };
  for (const auto& c : cases) EXPECT_EQ(DfmString(c.text), QLatin1String(c.expected)) << c.expected;
}

TEST(DfmValues, ColoursByNameOrAsBgrHex) {
  const struct {
    std::uint32_t vb;
    const char* expected;
  } cases[] = {
      {0x8000000F, "clBtnFace"}, {0x80000005, "clWindow"},  {0x80000008, "clWindowText"},
      {0x80000012, "clBtnText"}, {0x80000018, "clInfoBk"},  {0x80000000, "clScrollBar"},
      {0x80000019, ""},          {0x00000000, "clBlack"},   {0x00FFFFFF, "clWhite"},
      {0x000000FF, "clRed"},     {0x00FF0000, "clBlue"},    {0x00C0C0C0, "clSilver"},
      {0x00008000, "clGreen"},   {0x00E0FFFF, "$00E0FFFF"}, {0x00123456, "$00123456"},
  };
  for (const auto& c : cases) EXPECT_EQ(DfmColor(c.vb), QLatin1String(c.expected)) << std::hex << c.vb;
}

TEST(DfmValues, TwipsRoundToPixels) {
  EXPECT_EQ(TwipsToPixels(0), 0);
  EXPECT_EQ(TwipsToPixels(15), 1);
  EXPECT_EQ(TwipsToPixels(1215), 81);
  EXPECT_EQ(TwipsToPixels(22), 1);
  EXPECT_EQ(TwipsToPixels(23), 2);
  EXPECT_EQ(TwipsToPixels(-20000), -1333);
  EXPECT_EQ(TwipsToPixels(1e300), 1000000);
}

}  // namespace
}  // namespace veldrane::migration
