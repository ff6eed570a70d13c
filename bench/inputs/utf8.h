#pragma once

#include <string>
#include <string_view>

namespace veldrane::bench {

// Appends code point c to out, as one unit or as a surrogate pair.
void AppendUtf16(std::u16string& out, char32_t c);
// Decodes the UTF-8 sequence at s[i] and advances i past it; a malformed sequence gives
// U+FFFD.
char32_t NextUtf8(std::string_view s, std::size_t& i);

// UTF-8 to UTF-16 and back (surrogate pairs are encoded as one code point), and writing a
// text to a file as UTF-8. WriteUtf8File returns false on failure.
std::u16string FromUtf8(std::string_view bytes);
std::string ToUtf8(std::u16string_view text);
bool WriteUtf8File(const std::string& path, std::u16string_view text);

}  // namespace veldrane::bench
