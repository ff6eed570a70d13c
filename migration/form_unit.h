#pragma once

#include <QString>
#include <QStringList>

#include "migration/converted_file.h"
#include "migration/form_design.h"
#include "migration/form_events.h"

namespace veldrane::migration {

// A form (or user control) unit: `type T<form_name> = class(TForm)` (the root's class) with
// one field per component of `design`, the wired event handlers as published methods, the
// other routines as private or public methods, `var <form_name>: T<form_name>;` for a form,
// `{$R *.dfm}`, and the converted code whose routine headers are rewritten as the methods'
// implementations ("procedure TForm1.Command1Click(Sender: TObject);").
BuiltUnit BuildFormUnit(const QString& unit_name, const QString& form_name, const FormDesign& design,
                        const EventResolution& events, const ConvertedFile& file,
                        const QStringList& other_units);

// The component fields of a form class, "    Command1: TButton;", in .dfm order.
QStringList ComponentFields(const FormControl& root);

}  // namespace veldrane::migration
