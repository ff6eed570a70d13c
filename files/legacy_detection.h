#pragma once

#include <QByteArray>
#include <optional>

#include "files/text_encoding.h"

namespace veldrane::files {

// The code page of bytes that are not UTF-8, among those VB6 code is written in (windows-1250
// to 1258, Shift_JIS, GBK, Big5, windows-949, windows-874). The uchardet detector's answer
// (an ISO 8859 or EUC one taken as the Windows code page that extends it) stands when it is a
// multi-byte code page the bytes decode in. Any other answer is weak: the code page whose
// reading of the bytes holds the fewest unlikely characters (unlikely_characters.h) is
// chosen, the one whose letters fit one alphabet best and then the detector's answer winning
// a tie; its IBM852 answer stands for windows-1250 and 1257 alike. nullopt when nothing
// is named and windows-1252 reads as well as any.
std::optional<TextEncoding> DetectLegacyEncoding(const QByteArray& bytes);

// UTF-16 without a byte order mark, told by its zero bytes: VB code is mostly ASCII, so one
// byte of many code units (a quarter at least) is zero and the other almost never. Only when the bytes decode
// without error and hold no control character but tab, line and page breaks (binary data
// of 16-bit numbers has zero bytes too); nullopt otherwise.
std::optional<TextEncoding> DetectUtf16WithoutBom(const QByteArray& bytes);

// What the bytes are read as when nothing is detected.
TextEncoding FallbackLegacyEncoding();

}  // namespace veldrane::files
