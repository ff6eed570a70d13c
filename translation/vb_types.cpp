#include "translation/vb_types.h"

#include <array>
#include <cctype>
#include <utility>

namespace veldrane::translation {
namespace {

struct TypeRow {
  std::string_view vb;
  VbType type;
  std::string_view pascal;
};

constexpr std::array<TypeRow, 13> kTypes = {{
    {"Byte", VbType::kByte, "Byte"},
    {"Boolean", VbType::kBoolean, "Boolean"},
    {"Integer", VbType::kInteger, "SmallInt"},
    {"Long", VbType::kLong, "LongInt"},
    {"Single", VbType::kSingle, "Single"},
    {"Double", VbType::kDouble, "Double"},
    {"Currency", VbType::kCurrency, "Currency"},
    {"Date", VbType::kDate, "TDateTime"},
    {"String", VbType::kString, "string"},
    {"Variant", VbType::kVariant, "Variant"},
    {"Object", VbType::kObject, "IInterface"},
    {"Any", VbType::kVariant, "Variant"},
    {"Decimal", VbType::kVariant, "Variant"},
}};

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
      return false;
  return true;
}

int Rank(VbType type) {
  switch (type) {
    case VbType::kByte:
      return 1;
    case VbType::kBoolean:
      return 2;
    case VbType::kInteger:
      return 3;
    case VbType::kLong:
      return 4;
    case VbType::kSingle:
      return 5;
    case VbType::kDouble:
      return 6;
    case VbType::kCurrency:
      return 7;
    case VbType::kDate:
      return 8;
    default:
      return 0;
  }
}

}  // namespace

bool IsIntegral(VbType type) {
  return type == VbType::kByte || type == VbType::kBoolean || type == VbType::kInteger ||
         type == VbType::kLong;
}

bool IsNumeric(VbType type) { return Rank(type) > 0; }

VbType WiderNumeric(VbType a, VbType b) {
  if (!IsNumeric(a) || !IsNumeric(b)) return VbType::kVariant;
  // Boolean with Byte (or two Booleans) computes as Integer in VB.
  if (a == VbType::kBoolean || b == VbType::kBoolean) {
    VbType other = a == VbType::kBoolean ? b : a;
    if (other == VbType::kBoolean || other == VbType::kByte) return VbType::kInteger;
    return other;
  }
  if ((a == VbType::kCurrency && b == VbType::kSingle) || (a == VbType::kSingle && b == VbType::kCurrency))
    return VbType::kCurrency;
  return Rank(a) >= Rank(b) ? a : b;
}

VbType BuiltinType(std::string_view vb_name) {
  for (const TypeRow& row : kTypes)
    if (SameName(row.vb, vb_name)) return row.type;
  return VbType::kUnknown;
}

std::string PascalTypeName(VbType type) {
  for (const TypeRow& row : kTypes)
    if (row.type == type) return std::string(row.pascal);
  return "Variant";
}

VbType SuffixType(char16_t suffix) {
  switch (suffix) {
    case u'%':
      return VbType::kInteger;
    case u'&':
      return VbType::kLong;
    case u'!':
      return VbType::kSingle;
    case u'#':
      return VbType::kDouble;
    case u'@':
      return VbType::kCurrency;
    case u'$':
      return VbType::kString;
    default:
      return VbType::kUnknown;
  }
}

}  // namespace veldrane::translation
