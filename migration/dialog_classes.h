#pragma once
// VB's common dialog is one control that shows any of five dialogs; Delphi has a component for
// each. A form's common dialog becomes the one its code shows.

#include <QString>

#include "migration/form_design.h"

namespace veldrane::migration {

// Each common dialog (TOpenDialog as read from the designer) whose code calls one of ShowSave,
// ShowColor or ShowFont, and no other Show method, becomes TSaveDialog, TColorDialog or
// TFontDialog; properties the new class lacks are dropped. One shown as several dialogs stays
// TOpenDialog and is reported among the design's problems.
void ChooseDialogClasses(FormDesign& design, const QString& code);

}  // namespace veldrane::migration
