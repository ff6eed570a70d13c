#include "migration/ocx_controls.h"

#include "migration/dfm_values.h"
#include "migration/vb_values.h"

namespace veldrane::migration {

using Kind = OcxProperty::Kind;

const std::vector<OcxClass>& OcxClasses() {
  static const std::vector<OcxClass> classes = {
      {{"MSComctlLib.ListView", "ComctlLib.ListView"},
       "TListView",
       "ComCtrls",
       false,
       {{"View", "ViewStyle", Kind::kEnum, "vsIcon vsSmallIcon vsList vsReport"},
        {"ColumnHeaders", "Columns", Kind::kItems, "Text=Caption Object.Width=Width#"},
        {"HideSelection", "HideSelection", Kind::kBool},
        {"MultiSelect", "MultiSelect", Kind::kBool},
        {"GridLines", "GridLines", Kind::kBool},
        {"FullRowSelect", "RowSelect", Kind::kBool},
        {"Checkboxes", "Checkboxes", Kind::kBool}},
       "OnClick OnDblClick OnChange"},
      {{"MSComctlLib.TreeView", "ComctlLib.TreeView"},
       "TTreeView",
       "ComCtrls",
       false,
       {{"HideSelection", "HideSelection", Kind::kBool}},
       "OnClick OnDblClick OnChange"},
      {{"MSComctlLib.StatusBar", "ComctlLib.StatusBar"},
       "TStatusBar",
       "ComCtrls",
       false,
       {{"SimpleText", "SimpleText", Kind::kString},
        {"Panels", "Panels", Kind::kItems, "Text=Text Object.Width=Width#"},
        {"Style", "SimplePanel", Kind::kEnum, "False True"}},
       "OnClick OnDblClick"},
      {{"MSComctlLib.ProgressBar", "ComctlLib.ProgressBar"},
       "TProgressBar",
       "ComCtrls",
       false,
       {{"Min", "Min", Kind::kNumber},
        {"Max", "Max", Kind::kNumber},
        {"Value", "Position", Kind::kNumber},
        {"Orientation", "Orientation", Kind::kEnum, "pbHorizontal pbVertical"},
        {"Scrolling", "Smooth", Kind::kEnum, "False True"}},
       ""},
      {{"MSComctlLib.Toolbar", "ComctlLib.Toolbar"},
       "TToolBar",
       "ComCtrls",
       false,
       {{"ShowTips", "ShowHint", Kind::kBool}},
       "OnClick OnDblClick"},
      {{"MSComctlLib.ImageList", "ComctlLib.ImageList"},
       "TImageList",
       "Controls",
       true,
       {{"ImageWidth", "Width", Kind::kNumber, "", "16"}, {"ImageHeight", "Height", Kind::kNumber, "", "16"}},
       ""},
      {{"MSComctlLib.TabStrip", "ComctlLib.TabStrip"},
       "TTabControl",
       "ComCtrls",
       false,
       {{"MultiRow", "MultiLine", Kind::kBool}, {"Tabs", "Tabs.Strings", Kind::kStrings, "Caption"}},
       "OnChange OnChanging"},
      {{"MSComctlLib.Slider", "ComctlLib.Slider"},
       "TTrackBar",
       "ComCtrls",
       false,
       // VB's Slider and Delphi's track bar both run from 0 to 10 unless told otherwise.
       {{"Min", "Min", Kind::kNumber},
        {"Max", "Max", Kind::kNumber},
        {"Value", "Position", Kind::kNumber},
        {"Orientation", "Orientation", Kind::kEnum, "trHorizontal trVertical"},
        {"TickFrequency", "Frequency", Kind::kNumber},
        {"SmallChange", "LineSize", Kind::kNumber},
        {"LargeChange", "PageSize", Kind::kNumber}},
       "OnChange"},
      {{"MSComCtl2.UpDown", "ComCtl2.UpDown"},
       "TUpDown",
       "ComCtrls",
       false,
       // An up-down runs from 0 to 10 in VB, to 100 in Delphi.
       {{"Min", "Min", Kind::kNumber},
        {"Max", "Max", Kind::kNumber, "", "10"},
        {"Value", "Position", Kind::kNumber},
        {"Increment", "Increment", Kind::kNumber},
        {"Wrap", "Wrap", Kind::kBool},
        {"Orientation", "Orientation", Kind::kEnum, "udVertical udHorizontal"}},
       "OnClick OnChanging"},
      {{"MSFlexGridLib.MSFlexGrid", "MSHierarchicalFlexGridLib.MSHFlexGrid"},
       "TStringGrid",
       "Grids",
       false,
       // A flex grid has 2 rows and 2 columns, one of each fixed, unless told otherwise.
       {{"Rows", "RowCount", Kind::kNumber, "", "2"},
        {"Cols", "ColCount", Kind::kNumber, "", "2"},
        {"FixedRows", "FixedRows", Kind::kNumber},
        {"FixedCols", "FixedCols", Kind::kNumber},
        {"ScrollBars", "ScrollBars", Kind::kEnum, "ssNone ssHorizontal ssVertical ssBoth"}},
       "OnClick OnDblClick"},
  };
  return classes;
}

QString OcxItemsValue(const OcxProperty& row, const std::vector<QHash<QString, QString>>& items) {
  if (row.kind == OcxProperty::Kind::kStrings) {
    QStringList strings;
    for (const QHash<QString, QString>& item : items)
      strings << DfmString(
          VbString(item.value(QString::fromLatin1(row.values).toLower())).value_or(QString()));
    return QStringLiteral("(\r\n      %1)").arg(strings.join(QStringLiteral("\r\n      ")));
  }
  const QString fields = QLatin1String(row.values);
  QString value = QStringLiteral("<");
  for (const QHash<QString, QString>& item : items) {
    value += QStringLiteral("\r\n      item");
    for (const QString& field : fields.split(u' ')) {
      const QString vb_field = field.section(u'=', 0, 0), delphi_field = field.section(u'=', 1);
      const QString raw = item.value(vb_field.toLower());
      if (raw.isEmpty()) continue;
      QString written;
      if (delphi_field.endsWith(u'#')) {
        if (const std::optional<double> twips = VbNumber(raw))
          written = QString::number(TwipsToPixels(*twips));
      } else if (const std::optional<QString> text = VbString(raw)) {
        written = DfmString(*text);
      }
      if (!written.isEmpty())
        value += QStringLiteral("\r\n        %1 = %2")
                     .arg(delphi_field.chopped(delphi_field.endsWith(u'#')), written);
    }
    value += QStringLiteral("\r\n      end");
  }
  return value + u'>';
}

const OcxClass* FindOcxClass(const QString& vb_class) {
  for (const OcxClass& ocx : OcxClasses())
    if (ocx.vb_classes.contains(vb_class, Qt::CaseInsensitive)) return &ocx;
  return nullptr;
}

QStringList OcxUnitsFor(const FormControl& root) {
  static const QStringList kFormUnits{"Controls", "Dialogs", "StdCtrls", "ExtCtrls", "Menus"};
  QStringList units;
  for (const FormControl& child : root.children) {
    const OcxClass* ocx = child.placeholder ? nullptr : FindOcxClass(child.vb_class);
    QStringList found = OcxUnitsFor(child);
    if (ocx) found.prepend(QString::fromLatin1(ocx->unit));
    for (const QString& unit : found)
      if (!units.contains(unit) && !kFormUnits.contains(unit)) units.append(unit);
  }
  return units;
}

}  // namespace veldrane::migration
