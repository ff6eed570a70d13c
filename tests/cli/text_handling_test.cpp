// What the converter does with the text of a file and tells about it: mixed line breaks,
// results that come out empty, code pages found without being named, and encoding errors
// that point at the input's line.
#include <QStringEncoder>

#include "cli_test_support.h"

namespace veldrane::cli::testing {
namespace {

struct TextCase {
  const char* name;
  QStringList options;
  QByteArray input;
  QByteArray output;
  const char* warning;  // the one line on standard error, "" for none
};

TEST(TextHandling, LineBreaksAndEmptyResultsAreHandledAndTold) {
  const TextCase cases[] = {
      // One stray CR LF in an LF file: the "Attribute " line goes alone, the code stays.
      {"stray CR LF in an LF file",
       {},
       "Attribute VB_Name = \"M\"\nx = 1\r\ny = 2\nz = 3\n",
       "x = 1;\ny = 2;\nz = 3;\n",
       "warning: mixed line breaks (1 CR LF, 3 LF, 0 CR): converted with CR LF, written with LF"},
      {"lone CR among CR LF",
       {},
       "a = 1\r\nb = 2\rc = 3\r\n",
       "a = 1;\r\nb = 2;\r\nc = 3;\r\n",
       "warning: mixed line breaks (2 CR LF, 0 LF, 1 CR): converted with CR LF, written with CR LF"},
      {"CR file with one LF",
       {},
       "a = 1\rb = 2\rc = 3\n",
       "a = 1;\rb = 2;\rc = 3;\r",
       "warning: mixed line breaks (0 CR LF, 1 LF, 2 CR): converted with CR LF, written with CR"},
      {"keep hands the text over exactly", {"--eol", "keep"}, "x = 1\r\ny = 2\n", "x = 1;\r\ny = 2\n", ""},
      {"nothing left of the code", {}, "Option Explicit\r\n", "", "warning: the result is empty"},
      {"only a designer header",
       {},
       "VERSION 5.00\r\nBegin VB.Form Form1\r\nEnd\r\nAttribute VB_Name = \"Form1\"\r\n",
       "",
       "warning: the result is empty: the file holds only a designer header"},
      {"quiet leaves warnings out", {"-q"}, "Option Explicit\r\n", "", ""},
      {"an empty input is no surprise", {}, "", "", ""},
  };
  for (const TextCase& c : cases) {
    SCOPED_TRACE(c.name);
    TempTree tree;
    tree.Write("M.bas", c.input);
    const ProcessResult result = RunConverter(c.options + QStringList{"M.bas"}, {}, tree.Path());
    EXPECT_EQ(result.exit_code, 0);
    EXPECT_EQ(result.out, c.output);
    const QByteArray warning = *c.warning ? QByteArray("veldrane-convert: M.bas: ") + c.warning + '\n' : "";
    EXPECT_EQ(result.err, warning);
  }
}

QByteArray EncodedIn(const QString& text, const char* code_page) {
  QStringEncoder encoder(code_page);
  const QByteArray bytes = encoder.encode(text);
  EXPECT_FALSE(encoder.hasError()) << code_page;
  return bytes;
}

TEST(TextHandling, CodePagesAreFoundWithoutBeingNamed) {
  struct Case {
    const char* code_page;
    const char* shown;  // as -v names it
    QString text;
  } cases[] = {
      {"Shift_JIS", "Shift_JIS (detected)",
       u"Option Explicit\r\n' 日本語のコメントです\r\nPrivate Sub Form_Load()\r\n    Label1.Caption = "
       u"\"こんにちは\" & "
       u"Chr(13)\r\n    MsgBox \"ファイルを保存しました\" ' 保存\r\nEnd Sub\r\n"_qs},
      {"GBK", "GBK (detected)",
       u"Option Explicit\r\n' 这是一个测试模块，用于显示中文字符串\r\nPrivate Sub Form_Load()\r\n    "
       u"Label1.Caption = "
       u"\"你好，世界\" & Chr(13)\r\n    MsgBox \"文件已保存\" ' 保存\r\nEnd Sub\r\n"_qs},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.code_page);
    TempTree tree;
    tree.Write("legacy.bas", EncodedIn(c.text, c.code_page));
    tree.Write("utf8.bas", c.text.toUtf8());
    // The conversion of the correctly decoded text, written in the code page.
    const ProcessResult reference =
        RunConverter({"--output-encoding", c.code_page, "utf8.bas"}, {}, tree.Path());
    ASSERT_EQ(reference.exit_code, 0) << reference.err.constData();
    ASSERT_NE(reference.out, EncodedIn(c.text, c.code_page));  // the conversion did change it

    const ProcessResult detected = RunConverter({"-v", "legacy.bas"}, {}, tree.Path());
    EXPECT_EQ(detected.exit_code, 0);
    EXPECT_EQ(detected.out, reference.out);
    EXPECT_TRUE(detected.err.contains(QByteArray("legacy.bas -> (standard output) (") + c.shown + ", "))
        << detected.err.constData();

    const ProcessResult as_utf8 = RunConverter({"--output-encoding", "utf-8", "legacy.bas"}, {}, tree.Path());
    const ProcessResult utf8_reference = RunConverter({"utf8.bas"}, {}, tree.Path());
    EXPECT_EQ(as_utf8.out, utf8_reference.out);
  }
}

TEST(TextHandling, EncodingErrorsNameTheLineOfTheInput) {
  TempTree tree;
  // Lines 1 and 2 are removed by the conversion; the character sits on line 5 of the input.
  tree.Write("M.bas",
             "Attribute VB_Name = \"M\"\r\nOption Explicit\r\n' a\r\n' b\r\ns = \"\xE6\x97\xA5\"\r\n");
  const ProcessResult result = RunConverter({"--output-encoding", "windows-1252", "M.bas"}, {}, tree.Path());
  EXPECT_EQ(result.exit_code, 1);
  EXPECT_EQ(result.err,
            "veldrane-convert: M.bas: character U+65E5 on line 5 cannot be written in windows-1252\n");
}

}  // namespace
}  // namespace veldrane::cli::testing
