#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "migration/routine_headers.h"
#include "migration/text_lines.h"
#include "migration/unit_text.h"
#include "migration/vb_declarations.h"
#include "migration/vb_source_scan.h"

namespace veldrane::migration {

// One source file after the exact conversion: what the VB source holds and the converted
// lines with the routine headers found in them.
struct ConvertedFile {
  VbSourceInfo info;
  QStringList source_lines;  // the VB source's lines
  std::vector<TextLine> lines;
  std::vector<ConvertedHeader> headers;
  int declarations_end = 0;  // converted lines before this one are the declarations section's
  QString eol;               // the break the skeleton's lines get: the converted text's own
};

ConvertedFile MakeConvertedFile(VbSourceInfo info, const QString& source_text, const QString& converted_text);

// A unit built around a converted file.
struct BuiltUnit {
  UnitText unit;
  int methods = 0;                // routines declared in the interface or made methods
  QStringList left_as_converted;  // routines whose header stays as the conversion wrote it
  QStringList not_carried;        // declarations the skeleton does not carry ("Declare Function X (line 3)")
};

// What every unit built around a converted file shares: the other units of the project, and
// how VB type names become Pascal types (the resolver adds a unit whose type it names to
// `interface_uses`).
struct UnitContext {
  QStringList other_units;
  NameResolver resolve;
  const QStringList* interface_uses = nullptr;  // read after the declarations are resolved
};

// The routines of `file` that LocateHeaders did not find, as "Name (line N)".
QStringList RoutinesLeftAsConverted(const ConvertedFile& file);

// The module-level declarations of the file's VB source, in Pascal.
PascalDeclarations FileDeclarations(const ConvertedFile& file, const NameResolver& resolve);

// The routine of `header` as a valid Pascal routine: its VB parameters and result typed
// (PascalParameters), its name a Delphi identifier. Optional Variant parameters left without
// a default are noted in `not_carried`.
MethodHeader VbMethod(const ConvertedFile& file, const ConvertedHeader& header, const NameResolver& resolve,
                      QStringList* not_carried);

// The converted lines with the declarations section turned into comments (its declarations
// are written in the skeleton) and `rewrite` applied to every located header.
std::vector<TextLine> CodeLines(const ConvertedFile& file);

// "const"/"type"/"var" followed by `lines`, or nothing when there are none.
QStringList Section(const QString& keyword, const QStringList& lines);

// Lines of a section indented one more level (fields inside a class).
QStringList Indented(const QStringList& lines);

// A standard module: its constants in the interface (a public routine's default may name a
// private one), its variables and types in the interface when Public and in the
// implementation otherwise; its routines declared Public (or without modifier, and Sub
// Main whatever its modifier) declared in the interface; every located header rewritten to
// the declared form.
BuiltUnit BuildModuleUnit(const QString& unit_name, const ConvertedFile& file, const UnitContext& context);

// A class module: one class type `class_name` whose fields are the module's variables and
// whose methods are the routines (Private ones private); Class_Initialize becomes the
// constructor Create, Class_Terminate the destructor Destroy, and every header is rewritten
// as its method's implementation. Constants and types stand before the class.
BuiltUnit BuildClassUnit(const QString& unit_name, const QString& class_name, const ConvertedFile& file,
                         const UnitContext& context);

}  // namespace veldrane::migration
