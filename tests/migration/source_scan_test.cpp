// What project mode reads from a VB source (routines, hand-work constructs) and how it finds
// and rewrites the conversion's routine headers.

#include <gtest/gtest.h>

#include "migration/routine_headers.h"
#include "migration/vb_source_scan.h"

namespace veldrane::migration {
namespace {

std::vector<int> LinesOf(const VbSourceInfo& info, const QString& construct) {
  for (const HandWork& work : info.hand_work)
    if (work.construct == construct) return work.lines;
  return {};
}

TEST(ScanVbSource, FindsEachHandWorkConstructOutsideCommentsAndStrings) {
  const QString text =
      "Attribute VB_Name = \"M\"\r\n"                    // 1
      "On Error Resume Next\r\n"                         // 2
      "On Error GoTo Fail\r\n"                           // 3
      "If x Then GoTo Done\r\n"                          // 4
      "GoSub Inner\r\n"                                  // 5
      "Dim v As Variant\r\n"                             // 6
      "Open f For Input As #1\r\n"                       // 7
      "Print #1, \"x\"\r\n"                              // 8
      "Line Input #1, s\r\n"                             // 9
      "Set o = CreateObject(\"Excel.Application\")\r\n"  // 10
      "Set c = New Collection\r\n"                       // 11
      "Set s = New Stack\r\n"                            // 12 (a project class)
      "' On Error GoTo in a comment, Variant\r\n"        // 13
      "MsgBox \"GoTo Variant Open x\" ' GoSub\r\n"       // 14
      "Rem On Error\r\n"                                 // 15
      "Dim OpenFile As Long: Printer.Print \"#\"\r\n";   // 16
  const VbSourceInfo info = ScanVbSource(text, {"stack"});
  EXPECT_EQ(info.vb_name, "M");
  EXPECT_EQ(LinesOf(info, "On Error"), (std::vector<int>{2, 3}));
  EXPECT_EQ(LinesOf(info, "GoTo"), (std::vector<int>{4}));
  EXPECT_EQ(LinesOf(info, "GoSub"), (std::vector<int>{5}));
  EXPECT_EQ(LinesOf(info, "Variant"), (std::vector<int>{6}));
  EXPECT_EQ(LinesOf(info, "Open/Print # file I/O"), (std::vector<int>{7, 8, 9}));
  EXPECT_EQ(LinesOf(info, "Set/New of COM objects"), (std::vector<int>{10, 11}));
  EXPECT_EQ(info.total_lines, 16);
}

TEST(ScanVbSource, RoutinesWithVisibilityParametersAndEnds) {
  const QString text =
      "VERSION 5.00\nBegin VB.Form F\nEnd\nAttribute VB_Name = \"F\"\n"            // 1-4: designer
      "Private Sub Form_Load()\nEnd Sub\n"                                         // 5-6
      "Public Function Add(ByVal a As Long, b() As Byte) As Long\nEnd Function\n"  // 7-8
      "Sub Plain()\nEnd Sub\n"                                                     // 9-10
      "Friend Static Sub Counted(x As Integer)\nEnd Sub\n"                         // 11-12
      "Public Property Get Value() As Long\nEnd Property\n"                        // 13-14
      "Private Declare Sub Sleep Lib \"kernel32\" (ByVal ms As Long)\n"            // 15
      "' Sub InComment()\n"                                                        // 16
      u"Public Sub Café()\nEnd Sub\n"                                              // 17-18
      u"Sub 初期化2(ByVal n As Long)\nEnd Sub\n"                                   // 19-20
      u"Function ตั้งค่า()\nEnd Function\n"_qs;                                       // 21-22: marks
  const VbSourceInfo info = ScanVbSource(text, {});
  EXPECT_EQ(info.designer_lines, 4);
  const struct {
    const char* name;
    SourceRoutine::Kind kind;
    bool is_public;
    int line, end_line;
    const char* parameters;
  } expected[] = {{"Form_Load", SourceRoutine::Kind::kSub, false, 5, 6, ""},
                  {"Add", SourceRoutine::Kind::kFunction, true, 7, 8, "ByVal a As Long, b() As Byte"},
                  {"Plain", SourceRoutine::Kind::kSub, true, 9, 10, ""},
                  {"Counted", SourceRoutine::Kind::kSub, true, 11, 12, "x As Integer"},
                  {"Value", SourceRoutine::Kind::kProperty, true, 13, 14, ""},
                  {"Café", SourceRoutine::Kind::kSub, true, 17, 18, ""},
                  {"初期化2", SourceRoutine::Kind::kSub, true, 19, 20, "ByVal n As Long"},
                  {"ตั้งค่า", SourceRoutine::Kind::kFunction, true, 21, 22, ""}};
  ASSERT_EQ(info.routines.size(), std::size(expected));
  for (std::size_t i = 0; i < std::size(expected); ++i) {
    const SourceRoutine& r = info.routines[i];
    EXPECT_EQ(r.name, QString::fromUtf8(expected[i].name));
    EXPECT_EQ(r.kind, expected[i].kind) << expected[i].name;
    EXPECT_EQ(r.is_public, expected[i].is_public) << expected[i].name;
    EXPECT_EQ(r.line, expected[i].line) << expected[i].name;
    EXPECT_EQ(r.end_line, expected[i].end_line) << expected[i].name;
    EXPECT_EQ(r.parameters, expected[i].parameters) << expected[i].name;
  }
  const QStringList lines = text.split(u'\n');
  EXPECT_EQ(RoutineBody(lines, info.routines[1]),
            "Public Function Add(ByVal a As Long, b() As Byte) As Long\nEnd Function");
  SourceRoutine unended = info.routines[2];
  unended.end_line = 0;
  EXPECT_EQ(RoutineBody(lines, unended), "Sub Plain()") << "a routine without End gives its header alone";
}

TEST(LineCount, CountsEveryKindOfBreakOnce) {
  EXPECT_EQ(LineCount(""), 0);
  EXPECT_EQ(LineCount("a"), 1);
  EXPECT_EQ(LineCount("a\r\nb\r\n"), 2);
  EXPECT_EQ(LineCount("a\nb\rc"), 3);
  EXPECT_EQ(LineCount("\r\n\r\n"), 2);
}

TEST(RoutineHeaders, LocatesAndRewritesConvertedHeaders) {
  std::vector<SourceRoutine> routines(5);
  routines[0] = {"Send", SourceRoutine::Kind::kSub, true, 1, 0, {}};
  routines[1] = {"Twice", SourceRoutine::Kind::kFunction, false, 2, 0, {}};
  routines[2] = {"Split", SourceRoutine::Kind::kSub, true, 3, 0, {}};
  routines[3] = {"Value", SourceRoutine::Kind::kProperty, true, 4, 0, {}};
  routines[4] = {"Later", SourceRoutine::Kind::kSub, true, 5, 0, {}};
  const std::vector<TextLine> lines = SplitLines(
      "// procedure Send(x) in a comment\r\n"
      "procedure Send(a : Integer; data() : Byte); // a, b\r\n"
      "begin\r\n"
      "    function Twice(n : Integer) : Integer;\r\n"
      "Friend procedure Split(a : Integer; \r\n"
      "Property Get Value() : Integer;\r\n"
      "procedure Later ();\r\n");
  const std::vector<ConvertedHeader> headers = LocateHeaders(lines, routines);
  ASSERT_EQ(headers.size(), 2u) << "continued, Property and altered headers are not located";
  EXPECT_EQ(headers[0].line, 1);
  EXPECT_EQ(headers[0].tail, ";");
  EXPECT_EQ(headers[1].line, 3);
  EXPECT_EQ(headers[1].tail, " : Integer;");

  const MethodHeader send = PlainMethod(lines[1], headers[0], "Send");
  EXPECT_EQ(Declaration(send), "procedure Send(a : Integer; data() : Byte);");
  EXPECT_EQ(RewrittenHeaderLine(lines[1].text, headers[0], "TForm1", send),
            "procedure TForm1.Send(a : Integer; data() : Byte); // a, b");
  const MethodHeader event{"procedure", "Command1Click", "(Sender: TObject)", ";", ""};
  EXPECT_EQ(RewrittenHeaderLine(lines[3].text, headers[1], "TForm1", event),
            "    procedure TForm1.Command1Click(Sender: TObject);");
  EXPECT_EQ(Declaration({"destructor", "Destroy", "", ";", " override;"}), "destructor Destroy; override;");
}

}  // namespace
}  // namespace veldrane::migration
