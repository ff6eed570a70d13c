#pragma once

#include <QString>
#include <QStringList>

#include "migration/converted_file.h"
#include "migration/form_design.h"
#include "migration/form_events.h"

namespace veldrane::migration {

// A form (or user control) unit: `type T<form_name> = class(TForm)` (the root's class) with
// one field per component of `design`, the wired event handlers as published methods under
// their VB names, the module-level variables as private or public fields and the other
// routines as private or public methods, constants and types before the class; for a form the
// function `<form_name>` that creates the form on first use, as VB does; `{$R *.dfm}`, and the
// converted code whose routine headers are rewritten as the methods' implementations
// ("procedure TForm1.Command1_Click(Sender: TObject);").
BuiltUnit BuildFormUnit(const QString& unit_name, const QString& form_name, const FormDesign& design,
                        const EventResolution& events, const ConvertedFile& file, const UnitContext& context);

// A property's .dfm value as written for `control`, or "" when it has none.
QString PropertyValue(const FormControl& control, const QString& name);

// Whether the LCL lays the form out otherwise than VB: a group box or a main menu.
bool NeedsLclLayout(const FormControl& control);

// The component fields of a form class, "    Command1: TButton;", in .dfm order.
QStringList ComponentFields(const FormControl& root);

}  // namespace veldrane::migration
