#pragma once
// The classes, properties and events that both Delphi's VCL and Lazarus's LCL publish, and so may
// be written to a form file that is to load in both.

#include <QString>

namespace veldrane::migration {

bool BothProvideClass(const QString& delphi_class);

// `property` may be dotted ("Font.Style", "Lines.Strings").
bool BothProvideProperty(const QString& delphi_class, const QString& property);

// `event` with its On prefix: "OnClick".
bool BothProvideEvent(const QString& delphi_class, const QString& event);

}  // namespace veldrane::migration
