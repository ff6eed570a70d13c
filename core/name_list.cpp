#include "core/name_list.h"

#include <algorithm>

namespace veldrane {

NameList::NameList(std::initializer_list<std::u16string_view> names) {
  for (std::u16string_view name : names) Append(name);
}

NameList::NameList(const std::vector<std::u16string>& names) {
  for (const std::u16string& name : names) Append(name);
}

std::u16string NameList::operator[](std::size_t index) const {
  const Entry& entry = entries_[index];
  if (!entry.wide.empty()) return entry.wide;
  std::u16string name(entry.narrow.size(), u'\0');
  std::transform(entry.narrow.begin(), entry.narrow.end(), name.begin(),
                 [](char c) { return static_cast<char16_t>(static_cast<unsigned char>(c)); });
  return name;
}

std::vector<std::u16string> NameList::Entries() const {
  std::vector<std::u16string> names;
  names.reserve(entries_.size());
  for (std::size_t i = 0; i < entries_.size(); ++i) names.push_back((*this)[i]);
  return names;
}

void NameList::Set(std::size_t index, std::u16string_view name) {
  Entry& entry = entries_[index];
  entry = Entry();
  if (std::all_of(name.begin(), name.end(), [](char16_t unit) { return unit < 0x100; })) {
    entry.narrow.resize(name.size());
    std::transform(name.begin(), name.end(), entry.narrow.begin(),
                   [](char16_t unit) { return static_cast<char>(static_cast<unsigned char>(unit)); });
  } else {
    entry.wide = name;
  }
}

void NameList::Append(std::u16string_view name) {
  entries_.emplace_back();
  Set(entries_.size() - 1, name);
}

}  // namespace veldrane
