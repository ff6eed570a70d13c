#include "migration/dfm_values.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace veldrane::migration {

QString DfmString(const QString& text) {
  QString out;
  bool quoted = false;
  for (const QChar c : text) {
    const char16_t unit = c.unicode();
    if (unit >= 0x20 && unit < 0x7F) {
      if (!quoted) out.append(u'\'');
      quoted = true;
      out.append(c);
      if (unit == u'\'') out.append(u'\'');
    } else {
      if (quoted) out.append(u'\'');
      quoted = false;
      out.append(u'#').append(QString::number(unit));
    }
  }
  if (quoted) out.append(u'\'');
  return out.isEmpty() ? QStringLiteral("''") : out;
}

QString DfmColor(std::uint32_t vb_color) {
  // VB system colours are &H80000000 + the Windows COLOR_ index, as are the TColor names below.
  static const char* const kSystem[] = {
      "clScrollBar",    "clBackground",     "clActiveCaption", "clInactiveCaption", "clMenu",
      "clWindow",       "clWindowFrame",    "clMenuText",      "clWindowText",      "clCaptionText",
      "clActiveBorder", "clInactiveBorder", "clAppWorkSpace",  "clHighlight",       "clHighlightText",
      "clBtnFace",      "clBtnShadow",      "clGrayText",      "clBtnText",         "clInactiveCaptionText",
      "clBtnHighlight", "cl3DDkShadow",     "cl3DLight",       "clInfoText",        "clInfoBk"};
  if ((vb_color & 0xFF000000u) == 0x80000000u) {
    const std::uint32_t index = vb_color & 0x00FFFFFFu;
    return index < std::size(kSystem) ? QString::fromLatin1(kSystem[index]) : QString();
  }
  static const std::pair<std::uint32_t, const char*> kNamed[] = {
      {0x000000, "clBlack"},  {0x000080, "clMaroon"},  {0x008000, "clGreen"}, {0x008080, "clOlive"},
      {0x800000, "clNavy"},   {0x800080, "clPurple"},  {0x808000, "clTeal"},  {0x808080, "clGray"},
      {0xC0C0C0, "clSilver"}, {0x0000FF, "clRed"},     {0x00FF00, "clLime"},  {0x00FFFF, "clYellow"},
      {0xFF0000, "clBlue"},   {0xFF00FF, "clFuchsia"}, {0xFFFF00, "clAqua"},  {0xFFFFFF, "clWhite"}};
  const std::uint32_t rgb = vb_color & 0x00FFFFFFu;
  for (const auto& [value, name] : kNamed)
    if (value == rgb) return QString::fromLatin1(name);
  return u'$' + QStringLiteral("%1").arg(rgb, 8, 16, QLatin1Char('0')).toUpper();
}

int TwipsToPixels(double twips) {
  constexpr double kLimit = 1e6;  // far outside any screen; keeps absurd designer values in range
  return static_cast<int>(std::lround(std::clamp(twips / 15.0, -kLimit, kLimit)));
}

}  // namespace veldrane::migration
