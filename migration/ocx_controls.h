#pragma once
// Controls of VB's common OCX libraries that have a counterpart in both Delphi's VCL and
// Lazarus's LCL: the class each becomes, the unit declaring it and how its designer properties
// are carried. The .dfm writer and the vocabulary of what both libraries provide read this table.

#include <QHash>
#include <QString>
#include <QStringList>
#include <vector>

#include "migration/form_design.h"

namespace veldrane::migration {

struct OcxProperty {
  // kItems: the VB property is a group of items (ColumnHeaders), written as a collection whose
  // items take the fields in `values` ("Text=Caption Object.Width=Width#", # for twips to pixels);
  // kStrings: one field of each item as a string list ("Caption").
  enum class Kind { kNumber, kBool, kString, kEnum, kItems, kStrings };
  const char* vb_property;
  const char* delphi_property;
  Kind kind;
  const char* values = "";           // kEnum: Delphi names by VB value, space-separated
  const char* vb_default = nullptr;  // written when the VB form leaves the property out
};

struct OcxClass {
  QStringList vb_classes;  // "MSComctlLib.ListView", "ComctlLib.ListView"
  const char* delphi_class;
  const char* unit;         // the unit both libraries declare it in
  bool non_visual = false;  // placed by Left/Top only
  std::vector<OcxProperty> properties;
  const char* events = "";  // Delphi events both libraries give the class, besides the common ones
};

const std::vector<OcxClass>& OcxClasses();

// The entry for a VB class (case-insensitive), or nullptr.
const OcxClass* FindOcxClass(const QString& vb_class);

// The .dfm value of a kItems or kStrings property from the VB group's items, in order, each
// with its fields by lower-case name ("text", "object.width"): a collection
// `<item Caption = 'Name' Width = 169 end>` or a string list.
QString OcxItemsValue(const OcxProperty& row, const std::vector<QHash<QString, QString>>& items);

// The units declaring the OCX counterparts used below `root`, besides those every form unit uses.
QStringList OcxUnitsFor(const FormControl& root);

}  // namespace veldrane::migration
