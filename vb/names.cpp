#include "vb/syntax_tree.h"

namespace veldrane::vb {
namespace {

char16_t Fold(char16_t c) {
  if (c >= u'A' && c <= u'Z') return c + 32;
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 32;  // Latin-1 capitals
  return c;
}

}  // namespace

std::u16string NameKey(std::u16string_view name) {
  std::u16string key(name);
  for (char16_t& c : key) c = Fold(c);
  return key;
}

bool NamesEqual(std::u16string_view a, std::u16string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (Fold(a[i]) != Fold(b[i])) return false;
  }
  return true;
}

}  // namespace veldrane::vb
