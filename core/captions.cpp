#include "core/captions.h"

#include <initializer_list>

#include "core/text_units.h"

namespace veldrane {

namespace {

// Appends into one reserved string; `literal + std::u16string&&` makes GCC 12 warn falsely
// (-Wrestrict) about the inlined insert at the front.
std::u16string Joined(std::initializer_list<std::u16string_view> parts) {
  std::size_t size = 0;
  for (std::u16string_view part : parts) size += part.size();
  std::u16string text;
  text.reserve(size);
  for (std::u16string_view part : parts) text.append(part);
  return text;
}

}  // namespace

std::u16string ReplacementCaption(std::u16string_view find, std::u16string_view replacement) {
  return Joined({u"「", find, u"」を「", replacement, u"」に変換"});
}

std::u16string DeletionCaption(std::u16string_view keyword) { return Joined({u"「", keyword, u"」を削除"}); }

std::u16string CharacterCountCaption(int32_t count) { return Joined({u"全文字数 ", DecimalText(count)}); }

}  // namespace veldrane
