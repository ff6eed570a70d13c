#pragma once
// Values of VB6 designer properties, as they stand after the `=` of a .frm line.

#include <QString>
#include <cstdint>
#include <optional>

namespace veldrane::migration {

// "OK" -> OK, with "" read as one quote. Not a string (or an .frx reference): nullopt.
std::optional<QString> VbString(const QString& raw);

// "Form1.frx":0000 or $"Form1.frx":0000: the value lives in the .frx file.
bool IsFrxReference(const QString& raw);

// 120, -20000, 14.25, &H8000000F&, &HFF& (hexadecimal forms are 32-bit, so &H80000005& is negative).
std::optional<double> VbNumber(const QString& raw);

// -1 / True -> true, 0 / False -> false (any non-zero number is true, as in VB).
std::optional<bool> VbBool(const QString& raw);

// A VB colour (&H00BBGGRR& or a system colour &H800000NN&) as its 32-bit value.
std::optional<std::uint32_t> VbColor(const QString& raw);

// A menu shortcut (^S, +{F5}, %{BKSP}, ^+A, {DEL}) as a Delphi TShortCut value.
std::optional<int> VbShortcut(const QString& raw);

}  // namespace veldrane::migration
