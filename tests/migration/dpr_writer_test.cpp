// The program file: every unit in the uses clause, only the startup object created, Sub Main.

#include "migration/dpr_writer.h"

#include <gtest/gtest.h>

namespace veldrane::migration {
namespace {

DprProject Sample() {
  DprProject p;
  p.program_name = "Demo";
  p.title = "It's \u00e9";
  p.units = {{"Util", "lib/Util.pas", "", false},
             {"Main", "Main.pas", "frmMain", true},
             {"Box", "ctl/Box.pas", "Box", false},
             {"Start", "Start.pas", "frmStart", true}};
  p.startup_form = "frmStart";
  return p;
}

TEST(DprText, ListsUnitsAndCreatesOnlyTheStartupForm) {
  EXPECT_EQ(DprText(Sample()),
            "program Demo;\r\n\r\n{$IFDEF FPC}{$MODE Delphi}{$ENDIF}\r\n{$IFDEF FPC}{$UNITPATH "
            "lib}{$ENDIF}\r\n{$IFDEF FPC}{$UNITPATH ctl}{$ENDIF}\r\n\r\nuses\r\n"
            "  {$IFDEF FPC}Interfaces,{$ENDIF}\r\n  Forms,\r\n"
            "  Util in 'lib\\Util.pas',\r\n  Main in 'Main.pas' {frmMain},\r\n  Box in 'ctl\\Box.pas' {Box: "
            "TFrame},\r\n"
            "  Start in 'Start.pas' {frmStart};\r\n\r\nbegin\r\n  Application.Initialize;\r\n"
            "  Application.Title := 'It''s '#233;\r\n"
            "  frmStart; // the startup form\r\n  Application.Run;\r\nend.\r\n");
}

TEST(DprText, SubMainCreatesNoFormAndWithoutFormsNoRunLoop) {
  DprProject p = Sample();
  p.sub_main = true;
  p.title.clear();
  const QString with_forms = DprText(p);
  EXPECT_TRUE(
      with_forms.contains("  Application.Initialize;\r\n  Main;\r\n  if Application.MainForm <> nil then "
                          "Application.Run;\r\nend."))
      << with_forms.toStdString();
  p.units.erase(p.units.begin() + 1);
  p.units.pop_back();
  const QString without_forms = DprText(p);
  EXPECT_TRUE(without_forms.contains("  Application.Initialize;\r\n  Main;\r\nend."))
      << without_forms.toStdString();
}

}  // namespace
}  // namespace veldrane::migration
