// Module-level declarations and routine headers as Pascal declarations: a row per rule.

#include "migration/vb_declarations.h"

#include <gtest/gtest.h>

namespace veldrane::migration {
namespace {

TEST(VbDeclarations, DeclarationsGoToTheirSectionsAsPascal) {
  const struct {
    const char* vb;  // lines separated by '\n'
    QStringList PascalDeclarations::*list;
    QStringList expected;
  } rows[] = {
      {"Public gCount As Integer, gTotal As Long",
       &PascalDeclarations::public_variables,
       {"  gCount: SmallInt;", "  gTotal: Integer;"}},
      {"Dim a(1 To 5, 10) As Double\nPrivate b() As Byte, c",
       &PascalDeclarations::private_variables,
       {"  a: array[1..5, 0..10] of Double;", "  b: array of Byte;", "  c: Variant;"}},
      {"Private Const S = \"it's // here\" & vbTab ' a comment",
       &PascalDeclarations::private_constants,
       {"  S = 'it''s // here' + #9;"}},
      {"Public Const MASK As Long = &HFF& And Not vbTextCompare",
       &PascalDeclarations::public_constants,
       {"  MASK = $FF and not 1;"}},
      {"Enum Colour\n  cRed = 1\n  cGreen\nEnd Enum",
       &PascalDeclarations::public_constants,
       {"  cRed = 1;", "  cGreen = cRed + 1;"}},
      {"Private Type TLine\n  Code As String * 8\n  Qty As Long\nEnd Type",
       &PascalDeclarations::private_types,
       {"  TLine = record", "    Code: string[8];", "    Qty: Integer;", "  end;"}},
      {"Public x As _\n    Date", &PascalDeclarations::public_variables, {"  x: TDateTime;"}},
      {"#If WIN64 Then\nPublic h As Long\n#Else\nPublic h As Integer\n#End If",
       &PascalDeclarations::public_variables,
       {"  h: Integer;"}},
      {"Private Declare Function Tick Lib \"k32\" () As Long\nPublic Event Done()",
       &PascalDeclarations::not_carried,
       {"Declare Tick (line 1)", "Event Done (line 2)"}},
      {"Public f As frmMain, r As ADODB.Recordset",
       &PascalDeclarations::public_variables,
       {"  f: TfrmMain;", "  r: Variant;"}},
  };
  const NameResolver resolve = [](const QString& name, bool constant) {
    return !constant && name == "frmMain" ? QString("TfrmMain") : QString();
  };
  for (const auto& row : rows) {
    const QStringList lines = QString::fromUtf8(row.vb).split(u'\n');
    const PascalDeclarations declarations = ReadDeclarations(lines, 0, int(lines.size()), resolve);
    EXPECT_EQ(declarations.*row.list, row.expected) << row.vb;
  }
}

TEST(VbDeclarations, ParametersAsPascalDeclaresThem) {
  const struct {
    const char* vb;
    const char* pascal;
    QStringList no_default;
  } rows[] = {
      {"ByVal n As Integer, values, names() As String",
       "(n: SmallInt; var values: Variant; var names: array of string)",
       {}},
      {"Optional start As Long = 1, Optional ByVal ok As Boolean",
       "(start: Integer = 1; ok: Boolean = False)",
       {}},
      // A Variant has no default in Pascal, nor may one with a default come before it.
      {"Optional s As String = \"x\", Optional e", "(s: string; e: Variant)", {"s", "e"}},
      {"ByVal sep As String, ParamArray items()", "(sep: string; const items: array of Variant)", {}},
      {"Result As Long", "(var Result_: Integer)", {}},  // a function declares Result itself
      {"", "", {}},
  };
  for (const auto& row : rows) {
    QStringList no_default;
    EXPECT_EQ(PascalParameters(QString::fromUtf8(row.vb), {}, &no_default), QString::fromUtf8(row.pascal))
        << row.vb;
    EXPECT_EQ(no_default, row.no_default) << row.vb;
  }
  EXPECT_EQ(FunctionResultType("Function F(a As Long) As String"), "String");
  EXPECT_EQ(FunctionResultType("Function F(a As Long)"), "");
}

}  // namespace
}  // namespace veldrane::migration
