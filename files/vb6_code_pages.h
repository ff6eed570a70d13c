#pragma once

#include <QString>
#include <span>

namespace veldrane::files {

// A Windows code page VB6 source is written in.
struct Vb6CodePage {
  int number;         // 1252, 932, ...
  const char* name;   // how this program names it, and the name Qt's converters open it by
  int font_charset;   // the Charset a VB6 font of that script gives (0: none, ANSI is any page)
  const char* alias;  // one more name users give it, or nullptr
};

// windows-1252 first (what bytes are read as when nothing decides), then 1250 to 1258,
// Shift_JIS, GBK, Big5, windows-949, windows-874.
std::span<const Vb6CodePage> Vb6CodePages();

// The code page a user's name stands for, in any case: its own name, "windows-N", "cpN",
// "msN" or its alias ("tis-620"); nullptr for any other name. Windows' variants are meant:
// cp949 is windows-949 (with the Hangul beyond EUC-KR), cp874 windows-874 (with the euro).
const Vb6CodePage* Vb6CodePageNamed(const QString& name);

// The code page of a VB6 font Charset (134 -> GBK); nullptr for 0, 1 and unknown ones.
const Vb6CodePage* Vb6CodePageOfCharset(int charset);

}  // namespace veldrane::files
