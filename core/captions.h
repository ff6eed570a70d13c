#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace veldrane {

// The captions the operations write into Label1 and Label2, built from their arguments.

// "「find」を「replacement」に変換": a replacement, also one with a suffix.
std::u16string ReplacementCaption(std::u16string_view find, std::u16string_view replacement);

// "「keyword」を削除": the removal of the lines holding `keyword`.
std::u16string DeletionCaption(std::u16string_view keyword);

// "全文字数 " followed by the count in decimal.
std::u16string CharacterCountCaption(int32_t count);

}  // namespace veldrane
