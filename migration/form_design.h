#pragma once
// The designer section of a VB6 form (.frm) or user control (.ctl) read into a tree of components
// ready to be written as a Delphi text form: classes mapped, geometry in pixels, properties in .dfm
// syntax, plus what could not be carried, for the migration report.

#include <QString>
#include <QStringList>
#include <vector>

namespace veldrane::migration {

// One property as written to the .dfm: `name = value`, the value already in .dfm syntax.
struct DfmProperty {
  QString name;   // "Caption", "Font.Style", "Lines.Strings"
  QString value;  // "'OK'", "[fsBold]", "True", "12", "('one')"
};

struct FormControl {
  QString name;              // component name written to the .dfm and as the unit's field
  QString vb_name;           // name in the VB source (Command1); empty for the added main menu
  int vb_index = -1;         // control-array Index, -1 when not in an array
  int scale_mode = 1;        // a container's ScaleMode (its code's coordinates); 1 is twips
  QString vb_class;          // "VB.CommandButton", "MSComctlLib.ListView"; empty for the added main menu
  QString delphi_class;      // "TButton", or "TPanel" for a placeholder
  bool placeholder = false;  // no counterpart: TPanel keeping name/position/size, caption names vb_class
  int line = 0;              // line of its `Begin` in the designer text, 1-based
  std::vector<DfmProperty> properties;  // in the order they are written
  std::vector<FormControl> children;    // same nesting as the VB form; menus under the added TMainMenu
};

// A VB property that has no counterpart in both Delphi's VCL and Lazarus's LCL; it is not written.
struct DroppedProperty {
  QString control;   // component name
  QString property;  // VB property name ("LinkTopic", "Font.Strikethrough" is carried, "Appearance" is not)
  int line = 0;
};

// A property whose value lives in the .frx file ("Form1.frx":0000) and could not be carried.
struct FrxResource {
  QString control;
  QString property;   // "Picture", "Icon", "List", "Text"
  QString reference;  // "Form1.frx":0000
  int line = 0;
  QString reason;  // "a metafile, which the LCL does not read"
};

struct Placeholder {
  QString control;
  QString vb_class;
  int line = 0;
};

struct FormProblem {
  int line = 0;
  QString message;
};

struct FormDesign {
  FormControl root;          // root.vb_class is "VB.Form", "VB.MDIForm" or "VB.UserControl"
  QString caption;           // the VB form's caption, as VB shows it
  bool found = false;        // false when the text holds no `Begin VB.Form` (or other root) block
  int vb_control_count = 0;  // controls in the VB form, the root not counted
  std::vector<DroppedProperty> dropped_properties;
  std::vector<FrxResource> frx_resources;
  std::vector<Placeholder> placeholders;
  std::vector<FormProblem> problems;  // malformed or approximated parts of the designer text
};

// Reads the designer section of a .frm/.ctl file's text (already decoded; the whole file may be
// given, reading stops at the `End` of the root block). Never throws: malformed input yields a
// best-effort tree and `problems`.
//
// Control arrays: Delphi has none, so element `Index` N of array `Command1` becomes the component
// `Command1_N` (a further `_` is added until the name is unique) with `Tag = N`; its handlers stay
// shared (see ResolveEvents). Menus become TMenuItem objects under one TMainMenu added to the form
// and named `MainMenu1` (or the first free `MainMenuN`).
// Values kept in .frx files are read through `frx` (frx_resources.h); without it they are
// listed among the resources not carried.
struct FrxSource;
FormDesign ParseFormDesign(const QString& designer_text, const FrxSource* frx = nullptr);

// A VB name as a Delphi identifier both compilers accept: transliterated to ASCII letters,
// digits and `_` (ascii_identifier.h), a leading digit gets a `C` before it, a Pascal reserved
// word a `_` after it.
QString DelphiIdentifier(const QString& vb_name);

// Number of components below `control` (itself not counted).
int CountComponents(const FormControl& control);

}  // namespace veldrane::migration
