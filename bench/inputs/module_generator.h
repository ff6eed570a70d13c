#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace veldrane::bench {

// Sizes of the realistic benchmark modules, in code units (the texts are ASCII, so also in
// UTF-8 bytes).
inline constexpr std::size_t kKiB = 1024;
inline constexpr std::size_t kMiB = 1024 * kKiB;

// A VB6 module of at least `target_units` code units, CR LF line breaks, deterministic for a
// given seed: module-level declarations, Declare lines, Type and Enum blocks, then
// Functions and Subs with parameters, local scalars and arrays, For and Do While loops, With
// blocks, Select Case, If/Else, calls of earlier routines, comments and strings. Routine and
// array names are distinct across the module and carry `name_base` + a running number, so
// that several modules can share a name space (a tree of modules gets distinct names).
std::u16string GenerateModule(std::size_t target_units, uint32_t seed, uint32_t name_base = 0);

// The inputs that stress single passes, each about `units` code units long.
enum class Pathological {
  kOnlyQuotes,            // "'" repeated: every unit is a comment mark
  kOnlyContinuations,     // " _" repeated
  kOneCharacterLines,     // "x" CR LF repeated
  kTwentyThousandDims,    // one routine whose body is 20,000 "Dim " lines (at 1 MiB; scaled with the size)
  kFiveThousandRoutines,  // 5,000 routines, each taking parameters (likewise)
  kSingleLine,            // a realistic module whose line breaks became ": "
  kClosingComments,       // one routine, then comment lines that name it, to the end
  kPrefixNames,      // 5,000 routines Go1, Go2, ... (likewise): "Go1" is a prefix of "Go10" to "Go19", ...
  kOneNameRepeated,  // one routine called 8 times a line: a million calls in 5.5 MiB
  kSpecialNames,     // 5,000 routines named with " " or ";" and arrays whose names hold "("
};
inline constexpr Pathological kAllPathological[] = {
    Pathological::kOnlyQuotes,         Pathological::kOnlyContinuations,    Pathological::kOneCharacterLines,
    Pathological::kTwentyThousandDims, Pathological::kFiveThousandRoutines, Pathological::kSingleLine,
    Pathological::kClosingComments,    Pathological::kPrefixNames,          Pathological::kOneNameRepeated,
    Pathological::kSpecialNames,
};
std::u16string GeneratePathological(Pathological kind, std::size_t units);
std::string_view PathologicalName(Pathological kind);

}  // namespace veldrane::bench
