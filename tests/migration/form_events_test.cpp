#include "migration/form_events.h"

#include <gtest/gtest.h>

#include "form_test_support.h"

namespace veldrane::migration {
namespace {

using testing::Control;
using testing::FormText;

FormDesign EventForm() {
  return ParseFormDesign(FormText(
      Control(QStringLiteral("VB.CommandButton"), QStringLiteral("Command1"), QString()) +
      Control(QStringLiteral("VB.CommandButton"), QStringLiteral("cmdArr"), QStringLiteral("Index = 0\r\n")) +
      Control(QStringLiteral("VB.CommandButton"), QStringLiteral("cmdArr"), QStringLiteral("Index = 1\r\n")) +
      Control(QStringLiteral("VB.TextBox"), QStringLiteral("Text1"), QString()) +
      Control(QStringLiteral("VB.ListBox"), QStringLiteral("List1"), QString()) +
      Control(QStringLiteral("VB.Label"), QStringLiteral("Label1"), QString()) +
      Control(QStringLiteral("VB.Timer"), QStringLiteral("Timer1"), QString()) +
      Control(QStringLiteral("VB.HScrollBar"), QStringLiteral("HScroll1"), QString()) +
      Control(QStringLiteral("VB.ComboBox"), QStringLiteral("Combo1"), QString()) +
      Control(QStringLiteral("MSCommLib.MSComm"), QStringLiteral("Com"), QString()) +
      Control(QStringLiteral("VB.Menu"), QStringLiteral("mnu_File"), QString())));
}

TEST(FormEvents, HandlersAreWiredWithTheDelphiSignature) {
  const struct {
    const char* routine;
    const char* component;
    const char* event;
    const char* parameters;
    const char* left;
  } cases[] = {
      {"Command1_Click", "Command1", "OnClick", "(Sender: TObject)", ""},
      {"command1_click", "Command1", "OnClick", "(Sender: TObject)", ""},
      {"Form_Load", "", "OnCreate", "(Sender: TObject)", ""},
      {"Form_Unload", "", "OnClose", "(Sender: TObject; var Action: TCloseAction)", "Cancel"},
      {"Form_QueryUnload", "", "OnCloseQuery", "(Sender: TObject; var CanClose: Boolean)",
       "Cancel,UnloadMode"},
      {"Form_Resize", "", "OnResize", "(Sender: TObject)", ""},
      {"Form_MouseDown", "", "OnMouseDown",
       "(Sender: TObject; Button: TMouseButton; Shift: TShiftState; X, Y: Integer)", "Button,Shift"},
      {"Timer1_Timer", "Timer1", "OnTimer", "(Sender: TObject)", ""},
      {"Text1_Change", "Text1", "OnChange", "(Sender: TObject)", ""},
      {"Text1_KeyPress", "Text1", "OnKeyPress", "(Sender: TObject; var Key: Char)", "KeyAscii"},
      {"Text1_KeyDown", "Text1", "OnKeyDown", "(Sender: TObject; var Key: Word; Shift: TShiftState)",
       "KeyCode,Shift"},
      {"Text1_GotFocus", "Text1", "OnEnter", "(Sender: TObject)", ""},
      {"Text1_LostFocus", "Text1", "OnExit", "(Sender: TObject)", ""},
      {"List1_DblClick", "List1", "OnDblClick", "(Sender: TObject)", ""},
      {"Label1_MouseMove", "Label1", "OnMouseMove", "(Sender: TObject; Shift: TShiftState; X, Y: Integer)",
       "Button,Shift"},
      {"HScroll1_Scroll", "HScroll1", "OnScroll",
       "(Sender: TObject; ScrollCode: TScrollCode; var ScrollPos: Integer)", ""},
      {"Combo1_DropDown", "Combo1", "OnDropDown", "(Sender: TObject)", ""},
      {"mnu_File_Click", "mnu_File", "OnClick", "(Sender: TObject)", ""},
  };
  for (const auto& c : cases) {
    const EventResolution resolution =
        ResolveEvents(EventForm(), QStringList{QString::fromLatin1(c.routine)});
    ASSERT_EQ(resolution.wired.size(), 1u) << c.routine;
    const EventBinding& binding = resolution.wired[0];
    EXPECT_EQ(binding.vb_routine, QLatin1String(c.routine));
    EXPECT_EQ(binding.component, QLatin1String(c.component)) << c.routine;
    EXPECT_EQ(binding.delphi_event, QLatin1String(c.event)) << c.routine;
    EXPECT_EQ(binding.method, QLatin1String(c.routine)) << "a handler keeps its VB name";
    EXPECT_EQ(binding.parameters, QLatin1String(c.parameters)) << c.routine;
    EXPECT_EQ(binding.vb_parameters_left.join(u','), QLatin1String(c.left)) << c.routine;
    EXPECT_TRUE(resolution.unwired.isEmpty()) << c.routine;
  }
}

TEST(FormEvents, AControlArrayHandlerIsWiredToEveryElement) {
  const EventResolution resolution = ResolveEvents(EventForm(), QStringList{QStringLiteral("cmdArr_Click")});
  ASSERT_EQ(resolution.wired.size(), 2u);
  EXPECT_EQ(resolution.wired[0].component, QStringLiteral("cmdArr_0"));
  EXPECT_EQ(resolution.wired[1].component, QStringLiteral("cmdArr_1"));
  for (const EventBinding& binding : resolution.wired) {
    EXPECT_EQ(binding.method, QStringLiteral("cmdArr_Click"));
    EXPECT_EQ(binding.vb_parameters_left, QStringList{QStringLiteral("Index")});
  }
}

TEST(FormEvents, EventsWithoutCounterpartAreListedAndOrdinaryRoutinesIgnored) {
  const EventResolution resolution = ResolveEvents(
      EventForm(),
      QStringList{QStringLiteral("Text1_Validate"), QStringLiteral("Label1_Change"),
                  QStringLiteral("Command1_DblClick"), QStringLiteral("Com_OnComm"),
                  QStringLiteral("Com_Click"), QStringLiteral("Form_Initialize"), QStringLiteral("DoWork"),
                  QStringLiteral("Helper_Click"), QStringLiteral("_Click")});
  EXPECT_TRUE(resolution.wired.empty());
  EXPECT_EQ(resolution.unwired,
            (QStringList{QStringLiteral("Text1_Validate"), QStringLiteral("Label1_Change"),
                         QStringLiteral("Command1_DblClick"), QStringLiteral("Com_OnComm"),
                         QStringLiteral("Com_Click"), QStringLiteral("Form_Initialize")}));
}

TEST(FormEvents, ParametersLeftFollowTheHeaderAndTheBody) {
  const struct {
    const char* routine;
    const char* parameters;
    const char* body;
    const char* left;
  } cases[] = {
      {"Text1_KeyPress", "KeyAscii As Integer", "  If KeyAscii = 13 Then KeyAscii = 0\r\n", "KeyAscii"},
      {"Text1_KeyPress", "KeyAscii As Integer", "  Beep ' KeyAscii is ignored\r\n  MsgBox \"KeyAscii\"\r\n",
       ""},
      {"Text1_KeyPress", "k As Integer", "  k = 0\r\n", "k"},
      {"cmdArr_Click", "ByVal Index As Integer", "  Select Case index\r\n", "Index"},
      {"Form_MouseDown", "Button As Integer, Shift As Integer, X As Single, Y As Single",
       "  Print X, Y, Button\r\n", "Button"},
      {"Form_MouseDown", "Button As Integer, Shift As Integer, PosX As Single, Y As Single",
       "  Print PosX\r\n", "PosX"},
      {"Form_MouseDown", "Button As Integer, Shift As Integer, X As Single, Y As Single", "", "Button,Shift"},
  };
  for (const auto& c : cases) {
    const EventResolution resolution = ResolveEvents(
        EventForm(),
        std::vector<VbRoutine>{{QString::fromLatin1(c.routine), QString::fromLatin1(c.parameters),
                                QString::fromLatin1(c.body)}});
    ASSERT_FALSE(resolution.wired.empty()) << c.routine;
    EXPECT_EQ(resolution.wired[0].vb_parameters_left.join(u','), QLatin1String(c.left))
        << c.parameters << " / " << c.body;
  }
}

}  // namespace
}  // namespace veldrane::migration
