#pragma once
// What VB code does with a control, a form, App, Screen and Clipboard, written as what both
// Delphi's VCL and Lazarus's LCL (with the VrForms runtime unit) provide: one row per member
// of a Delphi class.

#include <string>
#include <string_view>

namespace veldrane::translation {

// A member's Pascal, as patterns: `$o` the object, `$v` the value assigned, `$1`, `$2` the
// arguments, `$*` all arguments given, comma-separated, `$n` the member's VB name.
struct ControlMember {
  const char* classes;  // Delphi classes, space-separated; "" for every control
  const char* vb_name;  // "" for the class's default property
  // The VB type of the value: S String, L Long, I Integer, G Single, D Double, B Boolean,
  // V Variant, O an object of `object_class`, - none (a method); arguments also F, a form.
  char type;
  const char* get;             // nullptr: cannot be read
  const char* set;             // nullptr: cannot be assigned
  const char* arguments = "";  // their types as above; those after '|' may be left out
  const char* object_class = "";
};

// The row for `vb_name` (case-insensitive; "" the default property) of `delphi_class`: the
// class's own first, then those of every control; nullptr when VB's member has no mapping.
const ControlMember* FindControlMember(std::string_view delphi_class, std::u16string_view vb_name);

// The Delphi class a VB control type names in declarations (TextBox -> TEdit, Control ->
// TControl, Form -> TForm), or "".
std::string DelphiClassOfVbType(std::u16string_view vb_type);

}  // namespace veldrane::translation
