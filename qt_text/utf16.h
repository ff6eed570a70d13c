#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace veldrane {

// The conversion core holds its text as UTF-16 code units, as QString does: both ways are
// copies (or views) of the same units, nothing is decoded.

// Every unit is kept, a leading U+FEFF too (QString::fromUtf16 would take it for a byte
// order mark and drop it).
inline QString ToQString(std::u16string_view text) {
  return QString(reinterpret_cast<const QChar*>(text.data()), static_cast<qsizetype>(text.size()));
}

// A view of the string's units, valid while the string lives unchanged.
inline std::u16string_view Utf16View(const QString& text) {
  return {reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size())};
}

}  // namespace veldrane
