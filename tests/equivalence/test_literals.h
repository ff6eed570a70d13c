#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace veldrane::equivalence {

// The u"..." string literals of a C++ source text, decoded (escapes, UTF-8), adjacent
// literals joined as the compiler joins them. Used to run the conversion on every text the
// unit tests use, without listing them a second time.
std::vector<std::u16string> ExtractUtf16Literals(std::string_view source);

}  // namespace veldrane::equivalence
