#include "migration/form_design.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "form_test_support.h"

namespace veldrane::migration {
namespace {

using testing::Control;
using testing::FindComponent;
using testing::FormText;
using testing::PropertyOf;

TEST(FormDesign, IntrinsicControlsMapToTheirCounterparts) {
  const struct {
    const char* vb_class;
    const char* lines;
    const char* children;
    const char* delphi_class;
  } cases[] = {
      {"VB.CommandButton", "", "", "TButton"},
      {"VB.Label", "", "", "TLabel"},
      {"VB.TextBox", "", "", "TEdit"},
      {"VB.TextBox", "MultiLine = -1 'True\r\n", "", "TMemo"},
      {"VB.CheckBox", "", "", "TCheckBox"},
      {"VB.OptionButton", "", "", "TRadioButton"},
      {"VB.Frame", "", "", "TGroupBox"},
      {"VB.Frame", "BorderStyle = 0 'None\r\n", "", "TPanel"},
      {"VB.ListBox", "", "", "TListBox"},
      {"VB.ComboBox", "", "", "TComboBox"},
      {"VB.PictureBox", "", "", "TPaintBox"},
      {"VB.PictureBox", "", "Begin VB.Label Inner\r\nEnd\r\n", "TPanel"},
      {"VB.Image", "", "", "TImage"},
      {"VB.Shape", "", "", "TShape"},
      {"VB.Line", "", "", "TShape"},
      {"VB.Timer", "", "", "TTimer"},
      {"VB.HScrollBar", "", "", "TScrollBar"},
      {"VB.VScrollBar", "", "", "TScrollBar"},
      {"vb.commandbutton", "", "", "TButton"},
      {"MSComDlg.CommonDialog", "", "", "TOpenDialog"},
      {"RichTextLib.RichTextBox", "", "", "TPanel"},
  };
  for (const auto& c : cases) {
    const FormDesign design =
        ParseFormDesign(FormText(Control(QString::fromLatin1(c.vb_class), QStringLiteral("C1"),
                                         QString::fromLatin1(c.lines), QString::fromLatin1(c.children))));
    const FormControl* control = FindComponent(design.root, QStringLiteral("C1"));
    ASSERT_NE(control, nullptr) << c.vb_class;
    EXPECT_EQ(control->delphi_class, QLatin1String(c.delphi_class)) << c.vb_class << " " << c.lines;
    EXPECT_EQ(control->placeholder, QLatin1String(c.vb_class) == u"RichTextLib.RichTextBox") << c.vb_class;
  }
}

TEST(FormDesign, PropertiesAreWrittenInDfmTerms) {
  const struct {
    const char* vb_class;
    const char* lines;
    std::vector<const char*> expected;  // "Name = value"
  } cases[] = {
      {"VB.CommandButton",
       "Caption = \"E&xit\"\r\nLeft = 120\r\nTop = 240\r\nWidth = 1215\r\nHeight = 375\r\n",
       {"Caption = 'E&xit'", "Left = 8", "Top = 16", "Width = 81", "Height = 25"}},
      {"VB.CommandButton",
       "Enabled = 0 'False\r\nVisible = 0 'False\r\nDefault = -1 'True\r\nCancel = -1\r\n",
       {"Enabled = False", "Visible = False", "Default = True", "Cancel = True"}},
      {"VB.CommandButton",
       "ToolTipText = \"Saves it\"\r\nMousePointer = 11 'Hourglass\r\n",
       {"Hint = 'Saves it'", "ShowHint = True", "Cursor = crHourGlass"}},
      {"VB.Label",
       "BeginProperty Font \r\nName = \"Arial\"\r\nSize = 12\r\nCharset = 0\r\nWeight = 700\r\nUnderline = "
       "-1 'True\r\n"
       "Italic = -1 'True\r\nStrikethrough = 0 'False\r\nEndProperty\r\nForeColor = &H000000FF&\r\n"
       "BackColor = &H8000000F&\r\n",
       {"Font.Height = -16", "Font.Name = 'Arial'", "Font.Style = [fsBold, fsItalic, fsUnderline]",
        "Font.Color = clRed", "Color = clBtnFace"}},
      {"VB.Label",
       "FontName = \"Courier New\"\r\nFontSize = 9.75\r\nFontBold = -1\r\nFontStrikethru = -1\r\n",
       {"Font.Height = -13", "Font.Name = 'Courier New'", "Font.Style = [fsBold, fsStrikeOut]"}},
      {"VB.Label",
       "BeginProperty Font \r\nName = \"SimSun\"\r\nSize = 9\r\nCharset = 134\r\nEndProperty\r\n",
       {"Font.Charset = 134", "Font.Height = -12", "Font.Style = []"}},
      {"VB.Label",
       "Alignment = 2 'Center\r\nBackStyle = 0 'Transparent\r\nWordWrap = -1\r\n",
       {"Alignment = taCenter", "AutoSize = False", "Transparent = True", "WordWrap = True"}},
      {"VB.Label", "AutoSize = -1 'True\r\n", {"AutoSize = True"}},
      {"VB.TextBox",
       "Text = \"abc\"\r\nMaxLength = 10\r\nPasswordChar = \"*\"\r\nLocked = -1\r\nAlignment = 1\r\n",
       {"Text = 'abc'", "MaxLength = 10", "PasswordChar = '*'", "ReadOnly = True",
        "Alignment = taRightJustify", "AutoSize = False"}},
      {"VB.TextBox",
       "MultiLine = -1 'True\r\nScrollBars = 3 'Both\r\nText = \"first\"\r\n",
       {"ScrollBars = ssBoth", "WordWrap = False", "Lines.Strings = ('first')"}},
      {"VB.TextBox", "MultiLine = -1 'True\r\nScrollBars = 2 'Vertical\r\n", {"ScrollBars = ssVertical"}},
      {"VB.CheckBox", "Value = 1 'Checked\r\n", {"Checked = True"}},
      {"VB.CheckBox", "Value = 2 'Grayed\r\n", {"AllowGrayed = True", "State = cbGrayed"}},
      {"VB.OptionButton", "Value = -1 'True\r\n", {"Checked = True"}},
      {"VB.ComboBox",
       "Style = 2 'Dropdown List\r\nSorted = -1\r\n",
       {"Style = csDropDownList", "Sorted = True"}},
      {"VB.ListBox",
       "MultiSelect = 2 'Extended\r\nColumns = 2\r\n",
       {"MultiSelect = True", "ExtendedSelect = True", "Columns = 2"}},
      {"VB.Timer",
       "Interval = 250\r\nEnabled = 0 'False\r\nLeft = 300\r\nTop = 150\r\n",
       {"Interval = 250", "Enabled = False", "Left = 20", "Top = 10"}},
      {"VB.HScrollBar",
       "Min = 1\r\nMax = 10\r\nValue = 5\r\nLargeChange = 3\r\n",
       {"Kind = sbHorizontal", "Max = 10", "Min = 1", "Position = 5", "LargeChange = 3"}},
      {"VB.VScrollBar", "", {"Kind = sbVertical", "Max = 32767"}},
      {"VB.Shape",
       "Shape = 3 'Circle\r\nFillStyle = 0 'Solid\r\nFillColor = &H00008000&\r\nBorderColor = "
       "&H000000FF&\r\n",
       {"Shape = stCircle", "Brush.Color = clGreen", "Brush.Style = bsSolid", "Pen.Color = clRed"}},
      {"VB.Shape", "", {"Brush.Style = bsClear"}},
      {"VB.Shape", "BackStyle = 1 'Opaque\r\nBackColor = &H00FFFFFF&\r\n", {"Brush.Color = clWhite"}},
      {"VB.Line",
       "X1 = 0\r\nX2 = 1500\r\nY1 = 300\r\nY2 = 300\r\nBorderColor = &H00808080&\r\n",
       {"Left = 0", "Top = 20", "Width = 100", "Height = 1", "Pen.Color = clGray", "Brush.Color = clGray"}},
      {"VB.Line",
       "X1 = 150\r\nX2 = 150\r\nY1 = 0\r\nY2 = 750\r\nBorderWidth = 3\r\n",
       {"Left = 9", "Top = 0", "Width = 3", "Height = 50"}},
      {"VB.PictureBox", "Align = 2 'Align Bottom\r\n", {"Align = alBottom"}},
      {"MSComctlLib.StatusBar",
       "Align = 2 'Align Bottom\r\nVisible = 0 'False\r\n",
       {"Align = alBottom", "Visible = False"}},
      {"MSComDlg.CommonDialog",
       "DialogTitle = \"Open\"\r\nFilter = \"Text|*.txt\"\r\nInitDir = \"C:\\\"\r\n",
       {"Title = 'Open'", "Filter = 'Text|*.txt'", "InitialDir = 'C:\\'"}},
      {"RichTextLib.RichTextBox",
       "Left = 150\r\nTop = 150\r\n_ExtentX = 2540\r\n_ExtentY = 1270\r\n",
       {"Left = 10", "Top = 10", "Width = 96", "Height = 48", "Caption = 'RichTextLib.RichTextBox'"}},
  };
  for (const auto& c : cases) {
    const FormDesign design = ParseFormDesign(FormText(
        Control(QString::fromLatin1(c.vb_class), QStringLiteral("C1"), QString::fromLatin1(c.lines))));
    const FormControl* control = FindComponent(design.root, QStringLiteral("C1"));
    ASSERT_NE(control, nullptr) << c.lines;
    QStringList written;
    for (const DfmProperty& property : control->properties)
      written << property.name + QStringLiteral(" = ") + property.value;
    for (const char* expected : c.expected)
      EXPECT_TRUE(written.contains(QLatin1String(expected)))
          << c.vb_class << ": " << expected << " not in " << written.join(u'|').toStdString();
  }
}

TEST(FormDesign, PropertiesWithoutCounterpartAreDroppedAndFrxValuesListed) {
  const FormDesign design = ParseFormDesign(FormText(
      Control(
          QStringLiteral("VB.CommandButton"), QStringLiteral("Command1"),
          QStringLiteral("BackColor = &H00FF0000&\r\nStyle = 1 'Graphical\r\nPicture = \"Form1.frx\":0000\r\n"
                         "Index = 0\r\n_Version = 393216\r\n")) +
          Control(QStringLiteral("VB.ListBox"), QStringLiteral("List1"),
                  QStringLiteral("ItemData = \"Form1.frx\":0010\r\nList = \"Form1.frx\":0020\r\n")) +
          Control(QStringLiteral("VB.Label"), QStringLiteral("Label1"), QStringLiteral("TabIndex = 3\r\n")) +
          Control(QStringLiteral("VB.Frame"), QStringLiteral("fraHidden"),
                  QStringLiteral("BorderStyle = 0 'None\r\nCaption = \"Not shown\"\r\n")),
      QStringLiteral("LinkTopic = \"Form1\"\r\nIcon = \"Form1.frx\":0030\r\n")));
  QStringList dropped;
  for (const DroppedProperty& property : design.dropped_properties)
    dropped << property.control + u'.' + property.property;
  EXPECT_THAT(dropped, ::testing::UnorderedElementsAre(
                           QStringLiteral("Form1.LinkTopic"), QStringLiteral("Command1_0.BackColor"),
                           QStringLiteral("Command1_0.Style"), QStringLiteral("fraHidden.Caption")))
      << "a label's TabIndex (VB numbers every control) is not worth listing";
  QStringList frx;
  for (const FrxResource& resource : design.frx_resources) frx << resource.control + u'.' + resource.property;
  EXPECT_THAT(
      frx, ::testing::UnorderedElementsAre(QStringLiteral("Form1.Icon"), QStringLiteral("Command1_0.Picture"),
                                           QStringLiteral("List1.ItemData"), QStringLiteral("List1.List")));
  EXPECT_EQ(design.frx_resources.front().reference, QStringLiteral("\"Form1.frx\":0030"));
}

TEST(FormDesign, TheFormItselfKeepsCaptionSizeAndWindowStyle) {
  const struct {
    const char* lines;
    std::vector<const char*> expected;
  } cases[] = {
      {"",
       {"Left = 4", "Top = 23", "ClientWidth = 312", "ClientHeight = 213", "Caption = 'Form1'",
        "Position = poDesigned"}},
      {"BorderStyle = 3 'Fixed Dialog\r\nMaxButton = 0 'False\r\nMinButton = 0 'False\r\n",
       {"BorderStyle = bsDialog", "BorderIcons = [biSystemMenu]"}},
      {"ControlBox = 0 'False\r\n", {"BorderIcons = []"}},
      {"MaxButton = 0 'False\r\n", {"BorderIcons = [biSystemMenu, biMinimize]"}},
      {"StartUpPosition = 2 'CenterScreen\r\nKeyPreview = -1 'True\r\nWindowState = 2 'Maximized\r\n",
       {"Position = poScreenCenter", "KeyPreview = True", "WindowState = wsMaximized"}},
      {"StartUpPosition = 3 'Windows Default\r\nBackColor = &H80000005&\r\n",
       {"Position = poDefaultPosOnly", "Color = clWindow"}},
      {"MDIChild = -1 'True\r\n", {"FormStyle = fsMDIChild"}},
  };
  for (const auto& c : cases) {
    const FormDesign design = ParseFormDesign(FormText(QString(), QString::fromLatin1(c.lines)));
    ASSERT_TRUE(design.found);
    EXPECT_EQ(design.root.delphi_class, QStringLiteral("TForm"));
    EXPECT_EQ(design.caption, QStringLiteral("Form1"));
    QStringList written;
    for (const DfmProperty& property : design.root.properties)
      written << property.name + QStringLiteral(" = ") + property.value;
    for (const char* expected : c.expected)
      EXPECT_TRUE(written.contains(QLatin1String(expected)))
          << expected << " not in " << written.join(u'|').toStdString();
  }
}

TEST(FormDesign, ControlArrayElementsGetUniqueNamesAndTheirIndexAsTag) {
  const FormDesign design = ParseFormDesign(
      FormText(Control(QStringLiteral("VB.CommandButton"), QStringLiteral("Command1"),
                       QStringLiteral("Index = 1\r\n")) +
               Control(QStringLiteral("VB.CommandButton"), QStringLiteral("Command1_0"), QString()) +
               Control(QStringLiteral("VB.CommandButton"), QStringLiteral("Command1"),
                       QStringLiteral("Index = 0\r\n")) +
               Control(QStringLiteral("VB.CommandButton"), QStringLiteral("Begin"), QString()) +
               Control(QStringLiteral("VB.CommandButton"), QString::fromUtf8("按钮"), QString())));
  ASSERT_EQ(design.root.children.size(), 5u);
  const std::vector<FormControl>& children = design.root.children;
  EXPECT_EQ(children[0].name, QStringLiteral("Command1_1"));
  EXPECT_EQ(children[0].vb_name, QStringLiteral("Command1"));
  EXPECT_EQ(children[0].vb_index, 1);
  EXPECT_EQ(PropertyOf(children[0], QStringLiteral("Tag")), QStringLiteral("1"));
  EXPECT_EQ(children[1].name, QStringLiteral("Command1_0"));  // a plain control keeps its own name
  EXPECT_EQ(children[1].vb_index, -1);
  EXPECT_EQ(children[2].name, QStringLiteral("Command1_0_"));
  EXPECT_EQ(children[3].name, QStringLiteral("Begin_"));
  EXPECT_EQ(children[4].name, QStringLiteral("U6309U94AE"));  // transliterated to ASCII
  EXPECT_EQ(design.problems.size(), 2u);                      // the two renamed controls
}

TEST(FormDesign, MenusGoUnderOneMainMenuInTheirNesting) {
  const QString menus = QStringLiteral(
      "   Begin VB.Menu mnuFile \r\n      Caption = \"&File\"\r\n"
      "      Begin VB.Menu mnuSave \r\n         Caption = \"&Save\"\r\n         Shortcut = ^S\r\n      "
      "End\r\n"
      "      Begin VB.Menu mnuRecent \r\n         Caption = \"-\"\r\n         Index = 0\r\n      End\r\n"
      "   End\r\n   Begin VB.Menu mnuPopup \r\n      Caption = \"Popup\"\r\n      Visible = 0 'False\r\n   "
      "End\r\n");
  const FormDesign design = ParseFormDesign(
      FormText(Control(QStringLiteral("VB.CommandButton"), QStringLiteral("MainMenu1"), QString()) + menus));
  EXPECT_EQ(design.vb_control_count, 5);
  EXPECT_EQ(CountComponents(design.root), 6);
  const FormControl* main_menu = FindComponent(design.root, QStringLiteral("MainMenu1_"));
  ASSERT_NE(main_menu, nullptr);
  EXPECT_EQ(main_menu->delphi_class, QStringLiteral("TMainMenu"));
  EXPECT_TRUE(main_menu->vb_class.isEmpty());
  EXPECT_EQ(PropertyOf(design.root, QStringLiteral("Menu")), QStringLiteral("MainMenu1_"));
  ASSERT_EQ(main_menu->children.size(), 2u);
  ASSERT_EQ(main_menu->children[0].children.size(), 2u);
  const FormControl& save = main_menu->children[0].children[0];
  EXPECT_EQ(save.delphi_class, QStringLiteral("TMenuItem"));
  EXPECT_EQ(PropertyOf(save, QStringLiteral("Caption")), QStringLiteral("'&Save'"));
  EXPECT_EQ(PropertyOf(save, QStringLiteral("ShortCut")), QStringLiteral("16467"));
  EXPECT_EQ(main_menu->children[0].children[1].name, QStringLiteral("mnuRecent_0"));
  EXPECT_EQ(PropertyOf(main_menu->children[1], QStringLiteral("Visible")), QStringLiteral("False"));
}

TEST(FormDesign, ContainersNestAndNumberTheirTabOrderFromZero) {
  const QString frame_children =
      Control(QStringLiteral("VB.TextBox"), QStringLiteral("Text1"), QStringLiteral("TabIndex = 7\r\n")) +
      Control(QStringLiteral("VB.CheckBox"), QStringLiteral("Check1"), QStringLiteral("TabIndex = 2\r\n"));
  const QString picture_children = Control(QStringLiteral("VB.Frame"), QStringLiteral("Frame1"),
                                           QStringLiteral("TabIndex = 5\r\n"), frame_children);
  const FormDesign design =
      ParseFormDesign(FormText(Control(QStringLiteral("VB.PictureBox"), QStringLiteral("Picture1"),
                                       QStringLiteral("TabIndex = 9\r\n"), picture_children) +
                               Control(QStringLiteral("VB.CommandButton"), QStringLiteral("Command1"),
                                       QStringLiteral("TabIndex = 4\r\n"))));
  EXPECT_EQ(design.vb_control_count, 5);
  EXPECT_EQ(CountComponents(design.root), 5);
  const FormControl* frame = FindComponent(design.root, QStringLiteral("Frame1"));
  ASSERT_NE(frame, nullptr);
  ASSERT_EQ(frame->children.size(), 2u);
  EXPECT_EQ(PropertyOf(*FindComponent(design.root, QStringLiteral("Picture1")), QStringLiteral("TabOrder")),
            QStringLiteral("1"));
  EXPECT_EQ(PropertyOf(*FindComponent(design.root, QStringLiteral("Command1")), QStringLiteral("TabOrder")),
            QStringLiteral("0"));
  EXPECT_EQ(PropertyOf(*frame, QStringLiteral("TabOrder")), QStringLiteral("0"));
  EXPECT_EQ(PropertyOf(frame->children[0], QStringLiteral("TabOrder")), QStringLiteral("1"));
  EXPECT_EQ(PropertyOf(frame->children[1], QStringLiteral("TabOrder")), QStringLiteral("0"));
}

TEST(FormDesign, PositionsFollowTheContainersScaleMode) {
  const struct {
    const char* form_lines;
    const char* control_lines;
    const char* left;
    const char* width;
  } cases[] = {
      // twips, the default
      {"", "Left = 300\r\nWidth = 1500\r\n", "20", "100"},
      // pixels, where the positions fit the form in pixels
      {"ScaleMode = 3 'Pixel\r\nScaleWidth = 312\r\nScaleHeight = 213\r\n", "Left = 20\r\nWidth = 100\r\n",
       "20", "100"},
      // pixels declared, but the positions only fit as twips
      {"ScaleMode = 3 'Pixel\r\nScaleWidth = 312\r\nScaleHeight = 213\r\n", "Left = 300\r\nWidth = 1500\r\n",
       "20", "100"},
      // points and centimetres
      {"ScaleMode = 2 'Point\r\n", "Left = 15\r\nWidth = 75\r\n", "20", "100"},
      {"ScaleMode = 7 'Centimeter\r\n", "Left = 1\r\nWidth = 2\r\n", "38", "76"},
      // a user scale of 0..100 across the 4680 twips client width, starting at 50
      {"ScaleMode = 0 'User\r\nScaleLeft = 50\r\nScaleWidth = 100\r\nScaleTop = 0\r\nScaleHeight = 100\r\n",
       "Left = 60\r\nWidth = 50\r\n", "31", "156"},
  };
  for (const auto& c : cases) {
    const FormDesign design =
        ParseFormDesign(FormText(Control(QStringLiteral("VB.CommandButton"), QStringLiteral("C1"),
                                         QString::fromLatin1(c.control_lines)),
                                 QString::fromLatin1(c.form_lines)));
    const FormControl* control = FindComponent(design.root, QStringLiteral("C1"));
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(PropertyOf(*control, QStringLiteral("Left")), QLatin1String(c.left))
        << c.form_lines << c.control_lines;
    EXPECT_EQ(PropertyOf(*control, QStringLiteral("Width")), QLatin1String(c.width))
        << c.form_lines << c.control_lines;
  }
}

TEST(FormDesign, PlaceholdersAreListedAndKeepTheirChildren) {
  const FormDesign design = ParseFormDesign(FormText(
      Control(QStringLiteral("TabDlg.SSTab"), QStringLiteral("SSTab1"),
              QStringLiteral(
                  "Left = 150\r\nTop = 150\r\nWidth = 3000\r\nHeight = 1500\r\nTabCaption(0) = \"One\"\r\n"),
              QStringLiteral("Begin VB.CommandButton Inside\r\nEnd\r\n"))));
  ASSERT_EQ(design.placeholders.size(), 1u);
  EXPECT_EQ(design.placeholders[0].control, QStringLiteral("SSTab1"));
  EXPECT_EQ(design.placeholders[0].vb_class, QStringLiteral("TabDlg.SSTab"));
  const FormControl* tab = FindComponent(design.root, QStringLiteral("SSTab1"));
  ASSERT_NE(tab, nullptr);
  EXPECT_TRUE(tab->placeholder);
  EXPECT_EQ(PropertyOf(*tab, QStringLiteral("Caption")), QStringLiteral("'TabDlg.SSTab'"));
  EXPECT_EQ(PropertyOf(*tab, QStringLiteral("Width")), QStringLiteral("200"));
  ASSERT_EQ(tab->children.size(), 1u);
  EXPECT_EQ(tab->children[0].delphi_class, QStringLiteral("TButton"));
}

TEST(FormDesign, UserControlsAndOddRootsStillGiveATree) {
  const FormDesign user_control = ParseFormDesign(
      QStringLiteral("Begin VB.UserControl Splitter \r\n   ClientHeight = 1500\r\n   ClientWidth = 3000\r\n"
                     "   Begin VB.Label L1\r\n   End\r\nEnd\r\n"));
  EXPECT_EQ(user_control.root.delphi_class, QStringLiteral("TFrame"));
  EXPECT_EQ(PropertyOf(user_control.root, QStringLiteral("Width")), QStringLiteral("200"));
  EXPECT_EQ(user_control.vb_control_count, 1);

  const FormDesign odd =
      ParseFormDesign(QStringLiteral("Begin VB.PropertyPage Page1\r\nCaption = \"P\"\r\nEnd\r\n"));
  EXPECT_EQ(odd.root.delphi_class, QStringLiteral("TForm"));
  EXPECT_FALSE(odd.problems.empty());

  const FormDesign none = ParseFormDesign(QStringLiteral("Attribute VB_Name = \"Module1\"\r\n"));
  EXPECT_FALSE(none.found);
  EXPECT_EQ(CountComponents(none.root), 0);
}

// How the LCL and the VCL read what VB showed: a row per rule.
TEST(FormDesign, ColoursFontsPasswordCharsAndLineBreaksAsBothLibrariesReadThem) {
  const QString font = QStringLiteral(
      "   BeginProperty Font \r\n      Name = \"Tahoma\"\r\n      Size = 9.75\r\n   EndProperty\r\n");
  const QString form = FormText(Control(QStringLiteral("VB.Label"), QStringLiteral("lblRed"),
                                        QStringLiteral("ForeColor = &H000000FF&\r\n")) +
                                    Control(QStringLiteral("VB.TextBox"), QStringLiteral("txtPass"),
                                            QStringLiteral("PasswordChar = \"\u2022\"\r\n")) +
                                    Control(QStringLiteral("VB.TextBox"), QStringLiteral("txtStar"),
                                            QStringLiteral("PasswordChar = \"*\"\r\n")),
                                QStringLiteral("ForeColor = &H00FF0000&\r\n") + font);
  const struct {
    const char* text_kind;
    QString text;
  } texts[] = {{"CR LF", form},
               {"CR only", QString(form).replace("\r\n", "\r")},
               {"LF only", QString(form).replace("\r\n", "\n")}};
  for (const auto& t : texts) {
    const FormDesign design = ParseFormDesign(t.text);
    ASSERT_TRUE(design.found) << t.text_kind;
    const struct {
      const char* component;
      const char* property;
      const char* value;  // nullptr: not written
    } rows[] = {
        {"Form1", "Font.Color", nullptr},     // the form's ForeColor colours drawing, not controls
        {"lblRed", "Font.Color", "clRed"},    // a control's own colour
        {"lblRed", "Font.Name", "'Tahoma'"},  // ... keeps the form's font
        {"lblRed", "Font.Height", "-13"},
        {"txtPass", "PasswordChar", "'*'"},  // beyond ASCII: the LCL cannot load it
        {"txtStar", "PasswordChar", "'*'"},
    };
    for (const auto& row : rows) {
      const FormControl* control = FindComponent(design.root, QLatin1String(row.component));
      ASSERT_NE(control, nullptr) << t.text_kind << " " << row.component;
      const QString value = PropertyOf(*control, QLatin1String(row.property));
      if (row.value)
        EXPECT_EQ(value, QLatin1String(row.value))
            << t.text_kind << " " << row.component << "." << row.property;
      else
        EXPECT_TRUE(value.isNull()) << t.text_kind << " " << row.component << "." << row.property;
    }
    bool substitution_reported = false;
    for (const FormProblem& problem : design.problems)
      substitution_reported |=
          problem.message.contains(QStringLiteral("PasswordChar \u2022 is written as *"));
    EXPECT_TRUE(substitution_reported) << t.text_kind;
  }
}

}  // namespace
}  // namespace veldrane::migration
