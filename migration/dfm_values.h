#pragma once
// Values in Delphi/Lazarus text form syntax.

#include <QString>
#include <cstdint>

namespace veldrane::migration {

// 'It''s'#20320#22909: printable ASCII between quotes, every other character (UTF-16 code unit)
// as #<code>; the empty string is ''.
QString DfmString(const QString& text);

// A VB colour as a TColor: system colours by name (&H8000000F& -> clBtnFace), the standard colours
// by name (clBlack, clWhite...), others as $00BBGGRR. Unknown system colours give an empty string.
QString DfmColor(std::uint32_t vb_color);

// Twips to pixels, 15 twips a pixel, rounded to the nearest.
int TwipsToPixels(double twips);

}  // namespace veldrane::migration
