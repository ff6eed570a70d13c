#include "migration/ascii_identifier.h"

#include <array>
#include <utility>

namespace veldrane::migration {
namespace {

bool IsAsciiIdentifierCharacter(char32_t c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

// Letters that carry no accent to drop and have a customary Latin spelling.
constexpr std::array<std::pair<char16_t, const char*>, 18> kSpeltOut{{
    {u'ß', "ss"},
    {u'æ', "ae"},
    {u'Æ', "AE"},
    {u'œ', "oe"},
    {u'Œ', "OE"},
    {u'ø', "o"},
    {u'Ø', "O"},
    {u'đ', "d"},
    {u'Đ', "D"},
    {u'ð', "d"},
    {u'Ð', "D"},
    {u'ł', "l"},
    {u'Ł', "L"},
    {u'þ', "th"},
    {u'Þ', "Th"},
    {u'ı', "i"},
    {u'ħ', "h"},
    {u'Ħ', "H"},
}};

void AppendTransliterated(char32_t c, QString* out) {
  for (const auto& [letter, spelling] : kSpeltOut) {
    if (letter == c) {
      out->append(QLatin1String(spelling));
      return;
    }
  }
  // The canonical decomposition: a base letter followed by its combining marks.
  const QString decomposed = QString::fromUcs4(&c, 1).normalized(QString::NormalizationForm_D);
  const char32_t base = decomposed.at(0).unicode();
  if (decomposed.size() > 1 && IsAsciiIdentifierCharacter(base)) {
    out->append(QChar(base));
    return;
  }
  if (QChar::isLetterOrNumber(c)) {
    out->append(u'U' + QString::number(uint(c), 16).toUpper());
    return;
  }
  out->append(u'_');
}

}  // namespace

QString AsciiIdentifierText(QStringView name) {
  QString out;
  for (qsizetype i = 0; i < name.size(); ++i) {
    const bool pair = name[i].isHighSurrogate() && i + 1 < name.size() && name[i + 1].isLowSurrogate();
    const char32_t c = pair ? QChar::surrogateToUcs4(name[i], name[i + 1]) : char32_t(name[i].unicode());
    if (pair) ++i;
    if (IsAsciiIdentifierCharacter(c)) {
      out.append(QChar(char16_t(c)));
    } else {
      AppendTransliterated(c, &out);
    }
  }
  return out;
}

}  // namespace veldrane::migration
