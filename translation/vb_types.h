#pragma once

#include <string>
#include <string_view>

namespace veldrane::translation {

// The types an expression can have, as far as translation needs to know them.
enum class VbType {
  kUnknown,  // not known: treated as Variant
  kByte,
  kBoolean,
  kInteger,
  kLong,
  kSingle,
  kDouble,
  kCurrency,
  kDate,
  kString,
  kVariant,
  kObject,  // Object, a class, Collection, a form
  kRecord,  // a user-defined type
  kVoid,    // a Sub
};

bool IsIntegral(VbType type);  // Byte, Boolean, Integer, Long
bool IsNumeric(VbType type);   // the integral ones, Single, Double, Currency, Date

// Byte < Integer < Long < Single < Double, Currency and Date as VB widens them; Variant when
// either side is one.
VbType WiderNumeric(VbType a, VbType b);

// A built-in VB type name (any case, "Integer", "String") to its type; kUnknown for others.
VbType BuiltinType(std::string_view vb_name);

// The Pascal spelling of a built-in type (Integer -> SmallInt, Date -> TDateTime, ...).
std::string PascalTypeName(VbType type);

// The type a VB type-declaration character gives ('%' Integer, '&' Long, '!' Single,
// '#' Double, '@' Currency, '$' String); kUnknown for any other character.
VbType SuffixType(char16_t suffix);

}  // namespace veldrane::translation
