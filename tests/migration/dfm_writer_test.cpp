#include "migration/dfm_writer.h"

#include <gtest/gtest.h>

#include "form_test_support.h"

namespace veldrane::migration {
namespace {

using testing::Control;
using testing::FormText;

TEST(DfmWriter, NestsObjectsWritesEventsAndStaysAscii) {
  const FormDesign design = ParseFormDesign(FormText(
      Control(
          QStringLiteral("VB.Frame"), QStringLiteral("Frame1"),
          QStringLiteral("Caption = \"Gr\xfc\xdf\x65\"\r\nLeft = 150\r\nTop = 150\r\nWidth = 1500\r\nHeight "
                         "= 1500\r\nTabIndex = 0\r\n"),
          QStringLiteral("Begin VB.CommandButton Command1\r\nCaption = \"OK\"\r\nTabIndex = 1\r\nEnd\r\n")),
      QStringLiteral("StartUpPosition = 2\r\n")));
  const EventResolution events =
      ResolveEvents(design, QStringList{QStringLiteral("Form_Load"), QStringLiteral("Command1_Click")});
  const QByteArray dfm = WriteDfm(design, events.wired, QStringLiteral("TForm1"));
  EXPECT_EQ(dfm,
            "object Form1: TForm1\r\n"
            "  Left = 4\r\n"
            "  Top = 23\r\n"
            "  ClientWidth = 312\r\n"
            "  ClientHeight = 213\r\n"
            "  Caption = 'Form1'\r\n"
            "  Position = poScreenCenter\r\n"
            "  OnCreate = Form_Load\r\n"
            "  object Frame1: TGroupBox\r\n"
            "    Left = 10\r\n"
            "    Top = 10\r\n"
            "    Width = 100\r\n"
            "    Height = 100\r\n"
            "    Caption = 'Gr'#252#223'e'\r\n"
            "    TabOrder = 0\r\n"
            "    object Command1: TButton\r\n"
            "      Caption = 'OK'\r\n"
            "      TabOrder = 0\r\n"
            "      OnClick = Command1_Click\r\n"
            "    end\r\n"
            "  end\r\n"
            "end\r\n");
}

}  // namespace
}  // namespace veldrane::migration
