#include "files/unlikely_characters.h"

#include <QHash>
#include <algorithm>

namespace veldrane::files {
namespace {

bool IsCommonSymbol(char32_t c) {
  static constexpr QStringView kLatin1AndPunctuation =
      u"¡¢£¥§©«®°±²³·»¿×÷¹¼½¾€–—‘’“”„…•※™№℃‐"
      u"\u060C\u061B\u061F\u05BE\u05C0\u05C3\u05F3\u05F4\u0E3F";  // Arabic, Hebrew and Thai signs
  if (c <= 0xFFFF && kLatin1AndPunctuation.contains(QChar(char16_t(c)))) return true;
  return (c >= 0x2190 && c <= 0x27BF)      // arrows, operators, technical, ①, box drawing, shapes, ★
         || (c >= 0x3000 && c <= 0x303F)   // CJK punctuation: 、。「」
         || c == 0x30FB                    // ・
         || (c >= 0xFF00 && c <= 0xFFEF);  // full-width and half-width forms
}

bool IsUnlikelyAlone(char32_t c) {
  switch (QChar::category(c)) {
    case QChar::Other_Control:
      return c != u'\t' && c != u'\n' && c != u'\r' && c != u'\f';
    case QChar::Other_PrivateUse:
    case QChar::Other_NotAssigned:
    case QChar::Other_Surrogate:
      return true;
    case QChar::Number_Other:
    case QChar::Punctuation_Connector:
    case QChar::Punctuation_Dash:
    case QChar::Punctuation_Open:
    case QChar::Punctuation_Close:
    case QChar::Punctuation_InitialQuote:
    case QChar::Punctuation_FinalQuote:
    case QChar::Punctuation_Other:
    case QChar::Symbol_Math:
    case QChar::Symbol_Currency:
    case QChar::Symbol_Modifier:
    case QChar::Symbol_Other:
      return c >= 0x80 && !IsCommonSymbol(c);
    default:
      return c == 0xFFFD;
  }
}

// Scripts that are written together count as one: Han, kana and Hangul (and full-width
// forms) in CJK text. 0 for characters of no script of their own.
int ScriptGroup(char32_t c) {
  if (!QChar::isLetter(c) && !QChar::isMark(c)) return 0;
  if (c >= 0xFF00 && c <= 0xFFEF) return -1;
  switch (QChar::script(c)) {
    case QChar::Script_Common:
    case QChar::Script_Inherited:
    case QChar::Script_Unknown:
      return 0;
    case QChar::Script_Han:
    case QChar::Script_Hiragana:
    case QChar::Script_Katakana:
    case QChar::Script_Bopomofo:
    case QChar::Script_Hangul:
      return -1;
    default:
      return int(QChar::script(c));
  }
}

// The non-ASCII letters of the languages written in the code pages VB6 code uses in Latin
// script; lower case.
constexpr QStringView kAlphabets[] = {
    u"àâæçéèêëîïôœùûüÿ",        // French
    u"äöüß",                    // German
    u"áéíñóúü",                 // Spanish
    u"áâãàçéêíóôõú",            // Portuguese
    u"àèéìíîòóùú",              // Italian
    u"åäöæøéáíóúýþð",           // Nordic
    u"ąćęłńóśźż",               // Polish
    u"áčďéěíňóřšťúůýž",         // Czech
    u"áäčďéíĺľňóôŕšťúýž",       // Slovak
    u"áéíóöőúüű",               // Hungarian
    u"čćđšž",                   // Slovenian, Croatian
    u"ăâîșțşţ",                 // Romanian
    u"ąčęėįšųūž",               // Lithuanian
    u"āčēģīķļņšūž",             // Latvian
    u"äõöüšž",                  // Estonian
    u"çğıöşüâîû",               // Turkish
    u"àáâãèéêìíòóôõùúýăđĩũơư",  // Vietnamese
};

int OutsideOneAlphabet(const QHash<char32_t, int>& letters) {
  int total = 0, best = 0;
  for (int count : letters) total += count;
  for (const QStringView alphabet : kAlphabets) {
    int covered = 0;
    for (auto it = letters.cbegin(); it != letters.cend(); ++it)
      if (it.key() <= 0xFFFF && alphabet.contains(QChar(char16_t(it.key())))) covered += it.value();
    best = std::max(best, covered);
  }
  return total - best;
}

// A sign of the Latin-1 range (±, §, ¼, ´ ...) glued to a letter: in real text these stand
// beside digits and spaces, while a CJK text read as a single-byte page makes them of its
// half-width katakana and of its lead bytes. Signs that text glues to words (¿Qué, °C, m²,
// µs, GmbH®, l·l, «quotes») are left out.
bool IsLatin1Sign(char32_t c) {
  static constexpr QStringView kGlued = u"¡¿°²³µ·©®«»";
  return ((c >= 0xA1 && c <= 0xBF) || c == 0xD7 || c == 0xF7) && !kGlued.contains(QChar(char16_t(c)));
}

}  // namespace

Plausibility JudgeDecoding(QStringView text) {
  Plausibility judged;
  QHash<char32_t, int> latin_letters;
  const QList<uint> characters = text.toUcs4();
  char32_t before = 0, previous = 0;
  for (const char32_t c : characters) {
    if (IsUnlikelyAlone(c)) ++judged.unlikely;
    const bool foreign = c >= 0x80 || previous >= 0x80;
    const int group = ScriptGroup(c), previous_group = ScriptGroup(previous);
    if (foreign && group != 0 && previous_group != 0 && group != previous_group) ++judged.unlikely;
    if (foreign && QChar::isUpper(c) && QChar::isLower(previous)) ++judged.unlikely;
    // A combining mark belongs on a letter (Thai vowels, Vietnamese tones).
    if (QChar::isMark(c) && !QChar::isLetter(previous) && !QChar::isMark(previous)) ++judged.unlikely;
    // "ËÎÌå": capitals, then a small letter.
    if ((foreign || before >= 0x80) && QChar::isLower(c) && QChar::isUpper(previous) &&
        QChar::isUpper(before))
      ++judged.unlikely;
    if ((IsLatin1Sign(c) && QChar::isLetter(previous) && !IsLatin1Sign(previous)) ||
        (IsLatin1Sign(previous) && QChar::isLetter(c) && !IsLatin1Sign(c)))
      ++judged.unlikely;
    if (c >= 0x80 && QChar::isLetter(c) && QChar::script(c) == QChar::Script_Latin)
      ++latin_letters[QChar::toLower(c)];
    before = previous;
    previous = c;
  }
  judged.outside_alphabet = OutsideOneAlphabet(latin_letters);
  return judged;
}

}  // namespace veldrane::files
