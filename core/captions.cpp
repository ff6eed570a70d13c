#include "core/captions.h"

#include "core/text_units.h"

namespace veldrane {

std::u16string ReplacementCaption(std::u16string_view find, std::u16string_view replacement) {
  return u"「" + std::u16string(find) + u"」を「" + std::u16string(replacement) + u"」に変換";
}

std::u16string DeletionCaption(std::u16string_view keyword) {
  return u"「" + std::u16string(keyword) + u"」を削除";
}

std::u16string CharacterCountCaption(int32_t count) { return u"全文字数 " + DecimalText(count); }

}  // namespace veldrane
