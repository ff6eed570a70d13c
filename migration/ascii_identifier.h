#pragma once

#include <QString>
#include <QStringView>

namespace veldrane::migration {

// Free Pascal takes only ASCII letters, digits and '_' in identifiers, so a VB name with
// other letters is transliterated, the same way everywhere: a letter with accents loses them
// (Café → Cafe), a few letters are spelt out (ß → ss, æ → ae, ø → o, ł → l, þ → th), and a
// letter or digit with no Latin form becomes U and its code point in hex (初期化 →
// U521DU671FU5316). Anything else becomes '_'.
QString AsciiIdentifierText(QStringView name);

}  // namespace veldrane::migration
