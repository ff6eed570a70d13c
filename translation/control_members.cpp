#include "translation/control_members.h"

#include <cctype>
#include <vector>

#include "vb/syntax_tree.h"

namespace veldrane::translation {
namespace {

constexpr const char* kLists = "TListBox TComboBox";
constexpr const char* kTexts = "TEdit TMemo";
constexpr const char* kDialogs = "TOpenDialog TSaveDialog TColorDialog TFontDialog TPrintDialog";
constexpr const char* kFileDialogs = "TOpenDialog TSaveDialog";
constexpr const char* kPositions = "TScrollBar TTrackBar TProgressBar TUpDown";
constexpr const char* kScaled = "TForm TPanel TImage TPaintBox";  // forms and picture boxes

// Geometry is VB's twips, colours VB's numbers, Tag a string (Delphi's Tag holds the element's
// index in a control array): the VrForms routines convert.
const ControlMember kMembers[] = {
    // Forms
    {"TForm", "Caption", 'S', "$o.Caption", "$o.Caption := $v"},
    {"TForm", "Show", '-', "VbShowForm($o, $1)", nullptr, "|IF"},
    {"TForm", "Hide", '-', "$o.Hide", nullptr},
    {"TForm", "WindowState", 'I', "Ord($o.WindowState)", "$o.WindowState := TWindowState($v)"},
    {"TForm", "ActiveControl", 'O', "$o.ActiveControl", nullptr, "", "TControl"},
    {kScaled, "ScaleWidth", 'G', "VbScaleWidth($o)", nullptr},
    {kScaled, "ScaleHeight", 'G', "VbScaleHeight($o)", nullptr},
    {kScaled, "ScaleMode", 'I', "VbGetScaleMode($o)", "VbSetScaleMode($o, $v)"},
    {"TForm", "KeyPreview", 'B', "$o.KeyPreview", "$o.KeyPreview := $v"},
    {"TForm", "Controls", 'O', "$o", nullptr, "", "Controls"},
    {"Controls", "Count", 'L', "$o.ComponentCount", nullptr},
    {"Controls", "", 'O', "($o.Components[$1] as TControl)", nullptr, "L", "TControl"},
    // Every control
    {"", "Enabled", 'B', "$o.Enabled", "$o.Enabled := $v"},
    {"", "Visible", 'B', "$o.Visible", "$o.Visible := $v"},
    {"", "Left", 'G', "VbGetLeft($o)", "VbSetLeft($o, $v)"},
    {"", "Top", 'G', "VbGetTop($o)", "VbSetTop($o, $v)"},
    {"", "Width", 'G', "VbGetWidth($o)", "VbSetWidth($o, $v)"},
    {"", "Height", 'G', "VbGetHeight($o)", "VbSetHeight($o, $v)"},
    {"", "Move", '-', "VbMove($o, $*)", nullptr, "D|DDD"},
    {"", "ForeColor", 'L', "VbFromColor($o.Font.Color)", "$o.Font.Color := VbToColor($v)"},
    {"", "BackColor", 'L', "VbFromColor($o.Color)", "$o.Color := VbToColor($v)"},
    {"", "Font", 'O', "$o.Font", nullptr, "", "TFont"},
    {"", "FontName", 'S', "$o.Font.Name", "$o.Font.Name := $v"},
    {"", "FontSize", 'G', "$o.Font.Size", "$o.Font.Size := Round($v)"},
    {"", "FontBold", 'B', "VbFontStyleGet($o.Font, fsBold)", "VbFontStyleSet($o.Font, fsBold, $v)"},
    {"", "FontItalic", 'B', "VbFontStyleGet($o.Font, fsItalic)", "VbFontStyleSet($o.Font, fsItalic, $v)"},
    {"", "FontUnderline", 'B', "VbFontStyleGet($o.Font, fsUnderline)",
     "VbFontStyleSet($o.Font, fsUnderline, $v)"},
    {"", "Tag", 'S', "VbGetTag($o)", "VbSetTag($o, $v)"},
    {"", "ToolTipText", 'S', "$o.Hint", "VbSetToolTip($o, $v)"},
    {"", "MousePointer", 'I', "VbGetMousePointer($o)", "VbSetMousePointer($o, $v)"},
    {"", "Name", 'S', "$o.Name", nullptr},
    {"", "TabIndex", 'I', "$o.TabOrder", "$o.TabOrder := $v"},
    {"", "SetFocus", '-', "$o.SetFocus", nullptr},
    {"", "Refresh", '-', "$o.Refresh", nullptr},
    {"", "Caption", 'S', "$o.Caption", "$o.Caption := $v"},
    // Fonts
    {"TFont", "Name", 'S', "$o.Name", "$o.Name := $v"},
    {"TFont", "Size", 'G', "$o.Size", "$o.Size := Round($v)"},
    {"TFont", "Bold", 'B', "VbFontStyleGet($o, fsBold)", "VbFontStyleSet($o, fsBold, $v)"},
    {"TFont", "Italic", 'B', "VbFontStyleGet($o, fsItalic)", "VbFontStyleSet($o, fsItalic, $v)"},
    {"TFont", "Underline", 'B', "VbFontStyleGet($o, fsUnderline)", "VbFontStyleSet($o, fsUnderline, $v)"},
    {"TFont", "Strikethrough", 'B', "VbFontStyleGet($o, fsStrikeOut)", "VbFontStyleSet($o, fsStrikeOut, $v)"},
    // Labels, text boxes
    {"TLabel", "", 'S', "$o.Caption", "$o.Caption := $v"},
    {kTexts, "", 'S', "$o.Text", "$o.Text := $v"},
    {kTexts, "Text", 'S', "$o.Text", "$o.Text := $v"},
    {kTexts, "SelStart", 'L', "$o.SelStart", "$o.SelStart := $v"},
    {kTexts, "SelLength", 'L', "$o.SelLength", "$o.SelLength := $v"},
    {kTexts, "SelText", 'S', "$o.SelText", "$o.SelText := $v"},
    {kTexts, "Locked", 'B', "$o.ReadOnly", "$o.ReadOnly := $v"},
    {kTexts, "MaxLength", 'L', "$o.MaxLength", "$o.MaxLength := $v"},
    // Check boxes, option buttons
    {"TCheckBox", "", 'I', "VbGetCheckValue($o)", "VbSetCheckValue($o, $v)"},
    {"TCheckBox", "Value", 'I', "VbGetCheckValue($o)", "VbSetCheckValue($o, $v)"},
    {"TRadioButton", "", 'B', "$o.Checked", "$o.Checked := $v"},
    {"TRadioButton", "Value", 'B', "$o.Checked", "$o.Checked := $v"},
    // Lists
    {"TListBox", "", 'S', "VbGetListText($o)", nullptr},
    {"TListBox", "Text", 'S', "VbGetListText($o)", nullptr},
    {"TComboBox", "", 'S', "$o.Text", "$o.Text := $v"},
    {"TComboBox", "Text", 'S', "$o.Text", "$o.Text := $v"},
    {kLists, "ListIndex", 'L', "VbGetListIndex($o)", "VbSetListIndex($o, $v)"},
    {kLists, "ListCount", 'L', "VbListCount($o)", nullptr},
    {kLists, "List", 'S', "VbGetList($o, $1)", "VbSetList($o, $1, $v)", "L"},
    {kLists, "ItemData", 'L', "VbGetItemData($o, $1)", "VbSetItemData($o, $1, $v)", "L"},
    {kLists, "Selected", 'B', "VbGetSelected($o, $1)", "VbSetSelected($o, $1, $v)", "L"},
    {kLists, "AddItem", '-', "VbAddItem($o, $*)", nullptr, "S|L"},
    {kLists, "RemoveItem", '-', "VbRemoveItem($o, $1)", nullptr, "L"},
    {kLists, "Clear", '-', "VbClearList($o)", nullptr},
    {kLists, "Sorted", 'B', "$o.Sorted", nullptr},
    // Timers, scroll bars, sliders, progress bars, up-downs
    {"TTimer", "Interval", 'L', "$o.Interval", "$o.Interval := $v"},
    {kPositions, "", 'L', "$o.Position", "$o.Position := $v"},
    {kPositions, "Value", 'L', "$o.Position", "$o.Position := $v"},
    {kPositions, "Min", 'L', "$o.Min", "$o.Min := $v"},
    {kPositions, "Max", 'L', "$o.Max", "$o.Max := $v"},
    {"TScrollBar TTrackBar", "SmallChange", 'L', "$o.SmallChange", "$o.SmallChange := $v"},
    {"TScrollBar TTrackBar", "LargeChange", 'L', "$o.LargeChange", "$o.LargeChange := $v"},
    // Pictures: what LoadPicture names is loaded into the control's picture
    {"TImage", "Picture", 'S', nullptr, "VbLoadPictureInto($o.Picture, $v)"},
    {"TImage", "Stretch", 'B', "$o.Stretch", "$o.Stretch := $v"},
    // Picture boxes: an image, a drawing surface or a container
    {"TImage TPaintBox TPanel TFrame", "ScaleWidth", 'G', "VbPixelsToTwips($o.ClientWidth)", nullptr},
    {"TImage TPaintBox TPanel TFrame", "ScaleHeight", 'G', "VbPixelsToTwips($o.ClientHeight)", nullptr},
    // Shapes
    {"TShape", "FillColor", 'L', "VbFromColor($o.Brush.Color)", "$o.Brush.Color := VbToColor($v)"},
    {"TShape", "BorderColor", 'L', "VbFromColor($o.Pen.Color)", "$o.Pen.Color := VbToColor($v)"},
    {"TShape", "BorderWidth", 'I', "$o.Pen.Width", "$o.Pen.Width := $v"},
    // Menus
    {"TMenuItem", "Checked", 'B', "$o.Checked", "$o.Checked := $v"},
    // The common dialog: one Delphi component per dialog its code shows
    {"TOpenDialog", "ShowOpen", '-', "_ShowDialog($o)", nullptr},
    {"TSaveDialog", "ShowSave", '-', "_ShowDialog($o)", nullptr},
    {"TColorDialog", "ShowColor", '-', "_ShowDialog($o)", nullptr},
    {"TFontDialog", "ShowFont", '-', "_ShowDialog($o)", nullptr},
    {"TPrintDialog", "ShowPrinter", '-', "_ShowDialog($o)", nullptr},
    {kDialogs, "CancelError", 'B', "_GetCancelError($o)", "_SetCancelError($o, $v)"},
    {kFileDialogs, "FileName", 'S', "$o.FileName", "$o.FileName := $v"},
    {kFileDialogs, "Filter", 'S', "$o.Filter", "$o.Filter := $v"},
    {kFileDialogs, "FilterIndex", 'L', "$o.FilterIndex", "$o.FilterIndex := $v"},
    {kFileDialogs, "DialogTitle", 'S', "$o.Title", "$o.Title := $v"},
    {kFileDialogs, "InitDir", 'S', "$o.InitialDir", "$o.InitialDir := $v"},
    {kFileDialogs, "DefaultExt", 'S', "$o.DefaultExt", "$o.DefaultExt := $v"},
    {"TColorDialog", "Color", 'L', "VbFromColor($o.Color)", "$o.Color := VbToColor($v)"},
    {"TFontDialog", "FontName", 'S', "$o.Font.Name", "$o.Font.Name := $v"},
    {"TFontDialog", "FontSize", 'G', "$o.Font.Size", "$o.Font.Size := Round($v)"},
    // Status bar
    {"TStatusBar", "SimpleText", 'S', "$o.SimpleText", "$o.SimpleText := $v"},
    {"TStatusBar", "Panels", 'O', "$o.Panels[$1 - 1]", nullptr, "L", "TStatusPanel"},
    {"TStatusPanel", "Text", 'S', "$o.Text", "$o.Text := $v"},
    // Tree and list views: items by position (keys are not carried)
    {"TTreeView", "Nodes", 'O', "$o.Items", nullptr, "", "TTreeNodes"},
    {"TListView", "ListItems", 'O', "$o.Items", nullptr, "", "TListItems"},
    {"TTreeNodes TListItems", "Clear", '-', "$o.Clear", nullptr},
    {"TTreeNodes TListItems", "Count", 'L', "$o.Count", nullptr},
    {"TListItems", "Add", 'O', "_AddListItem($o, $3)", nullptr, "|VVSVV", "TListItem"},
    {"TListItems", "", 'O', "$o[$1 - 1]", nullptr, "L", "TListItem"},
    {"TListItems", "Item", 'O', "$o[$1 - 1]", nullptr, "L", "TListItem"},
    {"TListItem", "", 'S', "$o.Caption", "$o.Caption := $v"},
    {"TListItem", "Text", 'S', "$o.Caption", "$o.Caption := $v"},
    {"TListItem", "SubItems", 'S', "_GetSubItem($o, $1)", "_SetSubItem($o, $1, $v)", "L"},
    {"TListItem TTreeNode", "Selected", 'B', "$o.Selected", "$o.Selected := $v"},
    {"TListItem", "Index", 'L', "$o.Index + 1", nullptr},
    {"TListView", "SelectedItem", 'O', "$o.Selected", nullptr, "", "TListItem"},
    {"TTreeView", "SelectedItem", 'O', "$o.Selected", nullptr, "", "TTreeNode"},
    {"TTreeNode", "", 'S', "$o.Text", "$o.Text := $v"},
    {"TTreeNode", "Text", 'S', "$o.Text", "$o.Text := $v"},
    {"TTreeNode", "Expanded", 'B', "$o.Expanded", "$o.Expanded := $v"},
    {"TTreeNodes", "", 'O', "$o[$1 - 1]", nullptr, "L", "TTreeNode"},
    // Flex grids: rows and columns from 0 as in VB, sizes in twips
    {"TStringGrid", "TextMatrix", 'S', "$o.Cells[$2, $1]", "$o.Cells[$2, $1] := $v", "LL"},
    {"TStringGrid", "", 'S', "$o.Cells[$o.Col, $o.Row]", "$o.Cells[$o.Col, $o.Row] := $v"},
    {"TStringGrid", "Text", 'S', "$o.Cells[$o.Col, $o.Row]", "$o.Cells[$o.Col, $o.Row] := $v"},
    {"TStringGrid", "Rows", 'L', "$o.RowCount", "$o.RowCount := $v"},
    {"TStringGrid", "Cols", 'L', "$o.ColCount", "$o.ColCount := $v"},
    {"TStringGrid", "Row", 'L', "$o.Row", "$o.Row := $v"},
    {"TStringGrid", "Col", 'L', "$o.Col", "$o.Col := $v"},
    {"TStringGrid", "FixedRows", 'L', "$o.FixedRows", "$o.FixedRows := $v"},
    {"TStringGrid", "FixedCols", 'L', "$o.FixedCols", "$o.FixedCols := $v"},
    {"TStringGrid", "ColWidth", 'G', "VbPixelsToTwips($o.ColWidths[$1])",
     "$o.ColWidths[$1] := VbTwipsToPixels($v)", "L"},
    {"TStringGrid", "RowHeight", 'G', "VbPixelsToTwips($o.RowHeights[$1])",
     "$o.RowHeights[$1] := VbTwipsToPixels($v)", "L"},
    // App, Screen, Clipboard
    // App is the runtime's VbApp (VrSystem): programs without forms have it too
    {"App", "Path", 'S', "VbApp.Path", nullptr},
    {"App", "EXEName", 'S', "VbApp.EXEName", nullptr},
    {"App", "Title", 'S', "VbApp.Title", "VbApp.Title := $v"},
    {"App", "PrevInstance", 'B', "VbApp.PrevInstance", nullptr},
    {"App", "Major", 'I', "VbApp.Major", nullptr},
    {"App", "Minor", 'I', "VbApp.Minor", nullptr},
    {"App", "Revision", 'I', "VbApp.Revision", nullptr},
    {"App", "ProductName", 'S', "VbApp.ProductName", nullptr},
    {"App", "CompanyName", 'S', "VbApp.CompanyName", nullptr},
    {"App", "FileDescription", 'S', "VbApp.FileDescription", nullptr},
    {"App", "LegalCopyright", 'S', "VbApp.LegalCopyright", nullptr},
    {"App", "Comments", 'S', "VbApp.Comments", nullptr},
    {"App", "HelpFile", 'S', "VbApp.HelpFile", "VbApp.HelpFile := $v"},
    {"Screen", "Width", 'G', "VbScreenWidth", nullptr},
    {"Screen", "Height", 'G', "VbScreenHeight", nullptr},
    {"Screen", "TwipsPerPixelX", 'G', "VbScreenTwipsPerPixelX", nullptr},
    {"Screen", "TwipsPerPixelY", 'G', "VbScreenTwipsPerPixelY", nullptr},
    {"Screen", "MousePointer", 'I', "VbGetScreenMousePointer", "VbSetScreenMousePointer($v)"},
    {"Screen", "ActiveForm", 'O', "Screen.ActiveForm", nullptr, "", "TForm"},
    {"Clipboard", "SetText", '-', "VbClipboardSetText($1)", nullptr, "S|L"},
    {"Clipboard", "GetText", 'S', "VbClipboardGetText", nullptr, "|L"},
    {"Clipboard", "Clear", '-', "VbClipboardClear", nullptr},
    {"Forms", "Count", 'I', "VbFormCount", nullptr},
};

// A published property of the object's class, found by its VB name when the code runs.
const ControlMember kLateBound = {"TControl", "", 'V', "_GetProp($o, '$n')", "_SetProp($o, '$n', $v)"};

std::string Lower(std::u16string_view name) {
  std::string lower;
  for (char16_t c : name) lower += c < 128 ? char(std::tolower(int(c))) : '?';
  return lower;
}

bool HasWord(std::string_view list, std::string_view word) {
  size_t start = 0;
  while (start < list.size()) {
    size_t end = list.find(' ', start);
    if (end == std::string_view::npos) end = list.size();
    if (list.substr(start, end - start) == word) return true;
    start = end + 1;
  }
  return false;
}

bool SameName(const char* row, std::u16string_view name) {
  return vb::NamesEqual(std::u16string(row, row + std::char_traits<char>::length(row)), name);
}

}  // namespace

const ControlMember* FindControlMember(std::string_view delphi_class, std::u16string_view vb_name) {
  for (const ControlMember& row : kMembers)
    if (*row.classes && HasWord(row.classes, delphi_class) && SameName(row.vb_name, vb_name)) return &row;
  // The members of every control; App, Screen, Clipboard, fonts and collections are no controls.
  if (delphi_class == "App" || delphi_class == "Screen" || delphi_class == "Clipboard" ||
      delphi_class == "Forms" || delphi_class == "TFont" || delphi_class == "Controls" ||
      delphi_class.rfind("TStatus", 0) == 0 || delphi_class == "TTreeNodes" || delphi_class == "TListItems")
    return nullptr;
  // A Control of no known class has only what TControl makes public; the rest is looked up
  // by name as VB's late binding does.
  static constexpr std::string_view kOfEveryControl =
      "enabled visible left top width height move tag tooltiptext "
      "mousepointer name refresh";
  if (delphi_class == "TControl" && !HasWord(kOfEveryControl, Lower(vb_name))) return &kLateBound;
  for (const ControlMember& row : kMembers)
    if (!*row.classes && SameName(row.vb_name, vb_name)) return &row;
  return nullptr;
}

std::string DelphiClassOfVbType(std::u16string_view vb_type) {
  static const std::pair<const char*, const char*> kTypes[] = {
      {"Control", "TControl"},
      {"Form", "TForm"},
      {"CommandButton", "TButton"},
      {"Label", "TLabel"},
      {"TextBox", "TEdit"},
      {"CheckBox", "TCheckBox"},
      {"OptionButton", "TRadioButton"},
      {"ListBox", "TListBox"},
      {"ComboBox", "TComboBox"},
      {"Timer", "TTimer"},
      {"Image", "TImage"},
      {"Frame", "TGroupBox"},
      {"Menu", "TMenuItem"},
      {"ListItem", "TListItem"},
      {"Node", "TTreeNode"},
      {"ListView", "TListView"},
      {"TreeView", "TTreeView"},
      {"MSFlexGrid", "TStringGrid"},
      {"HScrollBar", "TScrollBar"},
      {"PictureBox", "TControl"},
      {"Shape", "TShape"},
      {"VScrollBar", "TScrollBar"},
  };
  for (const auto& [vb_name, delphi] : kTypes)
    if (SameName(vb_name, vb_type)) return delphi;
  return "";
}

}  // namespace veldrane::translation
