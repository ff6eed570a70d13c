// --translate through the converter: the report of what was not translated, and the output
// rules it shares with the conversion.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "cli_test_support.h"

namespace veldrane::cli::testing {
namespace {

void WriteText(const QString& path, const QByteArray& text) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(text);
}

QByteArray ReadText(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(Translate, ReportsWhatIsNotTranslatedWithTotalsFirstAndKeepsItVisible) {
  QTemporaryDir dir;
  WriteText(dir.filePath("M.bas"), "Sub Main()\r\n  x = \r\n  Debug.Print 1\r\nEnd Sub\r\n");
  const ProcessResult result = RunConverter({"--translate", "-o", "M.pas", "M.bas"}, {}, dir.path());
  EXPECT_EQ(result.exit_code, 0);
  const QList<QByteArray> lines = result.ErrLines();
  ASSERT_EQ(lines.size(), 2) << result.err.toStdString();
  EXPECT_TRUE(lines[0].contains("1 constructs not translated in 1 files"));
  EXPECT_TRUE(lines[1].startsWith("veldrane-convert: M.bas:2: does not parse"));
  const QByteArray pascal = ReadText(dir.filePath("M.pas"));
  const qsizetype kept = pascal.indexOf("// VB: x =");
  ASSERT_GE(kept, 0) << pascal.toStdString();
  EXPECT_EQ(pascal.indexOf("VbNotTranslated('M', 2, 'does not parse"),
            pascal.indexOf('\n', kept) + 3);
  EXPECT_TRUE(pascal.contains("VbDebugPrint([SmallInt(1)], ' ');"));
}

TEST(Translate, LeavesAnExistingOutputAsItWasWithoutForce) {
  QTemporaryDir dir;
  WriteText(dir.filePath("M.bas"), "Sub Main()\r\nEnd Sub\r\n");
  WriteText(dir.filePath("M.pas"), "mine");
  const ProcessResult result = RunConverter({"--translate", "-o", "M.pas", "M.bas"}, {}, dir.path());
  EXPECT_EQ(result.exit_code, 1);
  EXPECT_EQ(ReadText(dir.filePath("M.pas")), "mine");
}

TEST(Translate, OutDirHoldsTheUnitsTheSharedUnitAndTheRuntime) {
  QTemporaryDir dir;
  QDir(dir.path()).mkpath("src/sub");
  WriteText(dir.filePath("src/A.bas"), "Public Type T\r\n  X As Long\r\nEnd Type\r\n");
  WriteText(dir.filePath("src/sub/B.bas"), "Sub Main()\r\n  Dim v As T\r\nEnd Sub\r\n");
  const ProcessResult result = RunConverter({"--translate", "--out-dir", "out", "src"}, {}, dir.path());
  EXPECT_EQ(result.exit_code, 0) << result.err.toStdString();
  for (const char* file : {"out/A.pas", "out/sub/B.pas", "out/ProjectTypes.pas", "out/VrErrors.pas"})
    EXPECT_TRUE(QFile::exists(dir.filePath(file))) << file;
  EXPECT_TRUE(ReadText(dir.filePath("out/ProjectTypes.pas")).contains("T = record"));
}

TEST(Translate, ProjectFormsGetTheirUnitAndDfmAndAFileInTheWayIsKept) {
  QTemporaryDir dir;
  WriteText(dir.filePath("P.vbp"), "Type=Exe\r\nForm=F.frm\r\nForm=Bad.frm\r\nStartup=\"F\"\r\n");
  WriteText(dir.filePath("F.frm"),
            "VERSION 5.00\r\nBegin VB.Form F\r\n   Caption = \"F\"\r\nEnd\r\nAttribute VB_Name = \"F\"\r\n"
            "Private Sub Form_Load()\r\n  Caption = \"x\"\r\nEnd Sub\r\n");
  WriteText(dir.filePath("Bad.frm"), "Attribute VB_Name = \"Bad\"\r\nSub S()\r\nEnd Sub\r\n");
  QDir(dir.path()).mkpath("out");
  WriteText(dir.filePath("out/FUnit.dfm"), "mine");
  const ProcessResult result = RunConverter({"--translate", "--out-dir", "out", "P.vbp"}, {}, dir.path());
  EXPECT_EQ(result.exit_code, 1);
  EXPECT_TRUE(result.err.contains("Bad.frm: no designer section")) << result.err.toStdString();
  EXPECT_TRUE(result.err.contains("FUnit.dfm")) << result.err.toStdString();
  EXPECT_EQ(ReadText(dir.filePath("out/FUnit.dfm")), "mine");
  EXPECT_TRUE(ReadText(dir.filePath("out/FUnit.pas")).contains("TF = class(TForm)"));
  EXPECT_TRUE(ReadText(dir.filePath("out/P.dpr")).contains("FUnit in 'FUnit.pas' {F}"));
}

// Pascal names a unit as its file: a file name that is no identifier gives both another name.
TEST(Translate, ProjectUnitsFromFileNamesThatAreNoIdentifiers) {
  QTemporaryDir dir;
  WriteText(dir.filePath("P.vbp"), "Type=Exe\r\nModule=M; My Module.bas\r\nStartup=\"Sub Main\"\r\n");
  WriteText(dir.filePath("My Module.bas"), "Attribute VB_Name = \"M\"\r\nSub Main()\r\nEnd Sub\r\n");
  const ProcessResult result = RunConverter({"--translate", "--out-dir", "out", "P.vbp"}, {}, dir.path());
  EXPECT_EQ(result.exit_code, 0) << result.err.toStdString();
  EXPECT_TRUE(ReadText(dir.filePath("out/My_Module.pas")).startsWith("{$IFDEF FPC}"));
  EXPECT_TRUE(ReadText(dir.filePath("out/P.dpr")).contains("My_Module in 'My_Module.pas'"));
}

}  // namespace
}  // namespace veldrane::cli::testing
