#pragma once

#include <QByteArray>
#include <optional>

#include "files/text_encoding.h"

namespace veldrane::files {

// The code page of bytes that are not UTF-8, among those VB6 code is written in (windows-1250
// to 1258, Shift_JIS, GBK, Big5, windows-949, windows-874), as the uchardet detector sees
// it; an ISO 8859 or EUC answer is taken as the Windows code page that extends it. nullopt
// when the detector names none of them or the bytes do not decode in the one it names.
std::optional<TextEncoding> DetectLegacyEncoding(const QByteArray& bytes);

// UTF-16 without a byte order mark, told by its zero bytes: VB code is mostly ASCII, so one
// byte of most code units is zero and the other almost never. Only when the bytes decode
// without error and hold no control character but tab, line and page breaks (binary data
// of 16-bit numbers has zero bytes too); nullopt otherwise.
std::optional<TextEncoding> DetectUtf16WithoutBom(const QByteArray& bytes);

// What the bytes are read as when nothing is detected.
TextEncoding FallbackLegacyEncoding();

}  // namespace veldrane::files
