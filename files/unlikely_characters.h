#pragma once

#include <QStringView>

namespace veldrane::files {

// How plausible a decoding of legacy bytes reads, to choose among code pages the detector
// leaves open. Bytes read in the wrong code page give characters real text rarely holds.
struct Plausibility {
  // Characters real text rarely holds: controls (but tab, line and page breaks), private use
  // and unassigned code points, symbols outside those text uses (typographic quotes and dashes,
  // ©, °, €, CJK punctuation, arrows, shapes, full-width forms), a letter next to a letter of
  // another script when either is not ASCII (Latin beside Cyrillic, kana beside Latin), and
  // an upper-case letter right after a lower-case one when either is not ASCII, a combining
  // mark that follows no letter.
  int unlikely = 0;
  // Non-ASCII Latin letters outside the one language alphabet (French, Polish, Lithuanian ...)
  // that holds most of them: tells Baltic text from Central European one.
  int outside_alphabet = 0;
};

Plausibility JudgeDecoding(QStringView text);

}  // namespace veldrane::files
