// Trees of VB6 sources converted with --out-dir: encodings, line breaks, designer headers,
// bad inputs among good ones, existing outputs, and independence from -j.
#include <sys/stat.h>

#include "cli_test_support.h"

namespace veldrane::cli::testing {
namespace {

QByteArray Utf16LE(const QByteArray& ascii) {
  QByteArray wide;
  for (const char c : ascii) wide.append(c).append('\0');
  return wide;
}

struct TreeFile {
  const char* input;  // below the tree's root
  QByteArray bytes;
  const char* output;  // below the output directory; nullptr: none is written
  QByteArray expected;
};

const QByteArray kFormHeader =
    "VERSION 5.00\r\n"
    "Object = \"{831FDD16-0C5C-11D2-A9FC-0000F8754DA1}#2.0#0\"; \"MSCOMCTL.OCX\"\r\n"
    "Begin VB.Form Form1\r\n"
    "   Caption         =   \"Form1\"\r\n"
    "   BeginProperty Font\r\n"
    "      Name            =   \"MS UI Gothic\"\r\n"
    "   EndProperty\r\n"
    "   Begin VB.CommandButton Command1\r\n"
    "      Caption         =   \"OK\"\r\n"
    "   End\r\n"
    "End\r\n"
    "Attribute VB_Name = \"Form1\"\r\n"
    "Attribute VB_GlobalNameSpace = False\r\n"
    "Attribute VB_PredeclaredId = True\r\n";

const QByteArray kClassHeader =
    "VERSION 1.0 CLASS\n"
    "BEGIN\n"
    "  MultiUse = -1  'True\n"
    "END\n"
    "Attribute VB_Name = \"Class1\"\n"
    "Attribute VB_Exposed = False\n";

// The mixed tree: every file's expected result follows from the line removals, the
// replacements and the statement terminators.
const std::vector<TreeFile>& MixedTree() {
  static const std::vector<TreeFile> files = {
      {"src/modules/Utf8.bas", "Option Explicit\r\ns = \"\xE6\x97\xA5\xE6\x9C\xAC\" ' \xE3\x83\xA1\r\n",
       "modules/Utf8.pas", "s = '\xE6\x97\xA5\xE6\x9C\xAC' ; // \xE3\x83\xA1\r\n"},
      {"src/modules/Bom.BAS", "\xEF\xBB\xBFx = a And b\n' only a comment\n", "modules/Bom.pas",
       "\xEF\xBB\xBFx = a and b;\n// only a comment\n"},
      {"src/modules/Module1.bas", "Attribute VB_Name = \"Module1\"\r\nx = 1\r\n", "modules/Module1.pas",
       "x = 1;\r\n"},
      {"src/legacy/Latin.bas", "s = \"caf\xE9\" ' na\xEFve\r\n", "legacy/Latin.pas",
       "s = 'caf\xE9' ; // na\xEFve\r\n"},
      {"src/forms/Form1.frm", kFormHeader + "n = n And 1 ' count\r\n", "forms/Form1.pas",
       "n = n and 1 ; // count\r\n"},
      {"src/forms/Class1.cls", kClassHeader + "Set o = Nothing\n", "forms/Class1.pas", "o = nil;\n"},
      // Shaped like a form but without a VERSION line: no header, nothing left out.
      {"src/forms/Plain.FRM", "Begin = 1\r\n", "forms/Plain.pas", "Begin = 1;\r\n"},
      {"src/wide/Wide.ctl", "\xFF\xFE" + Utf16LE("x = 1\r\n"), "wide/Wide.pas",
       "\xFF\xFE" + Utf16LE("x = 1;\r\n")},
      {"src/notes.txt", "not a VB6 file\r\n", nullptr, {}},
  };
  return files;
}

void WriteTree(const TempTree& tree, const std::vector<TreeFile>& files) {
  for (const TreeFile& file : files) tree.Write(file.input, file.bytes);
}

void ExpectOutputs(const TempTree& tree, const QString& out_dir, const std::vector<TreeFile>& files) {
  QStringList expected_names;
  for (const TreeFile& file : files) {
    if (!file.output) continue;
    expected_names.append(file.output);
    SCOPED_TRACE(file.input);
    EXPECT_EQ(tree.Read(out_dir + '/' + file.output), file.expected);
  }
  expected_names.sort();
  EXPECT_EQ(tree.Files(out_dir), expected_names);
}

void ExpectInputsUnchanged(const TempTree& tree, const std::vector<TreeFile>& files) {
  for (const TreeFile& file : files) EXPECT_EQ(tree.Read(file.input), file.bytes) << file.input;
}

TEST(BatchTree, ConvertsMixedEncodingsLineBreaksAndHeaders) {
  TempTree tree;
  WriteTree(tree, MixedTree());
  const ProcessResult result = RunConverter({"-q", "--out-dir", tree.Path("out"), tree.Path("src")});
  EXPECT_EQ(result.exit_code, 0);
  EXPECT_EQ(result.err, "");
  ExpectOutputs(tree, "out", MixedTree());
  ExpectInputsUnchanged(tree, MixedTree());
}

TEST(BatchTree, ShiftJisSourcesWithTheLegacyEncodingOption) {
  TempTree tree;
  const std::vector<TreeFile> files = {
      // "日本語" and "コメント" in Shift_JIS; their trail bytes include ASCII letters.
      {"jp/Nihongo.bas", "s = \"\x93\xFA\x96\x7B\x8C\xEA\" ' \x83\x52\x83\x81\x83\x93\x83\x67\r\n",
       "Nihongo.pas", "s = '\x93\xFA\x96\x7B\x8C\xEA' ; // \x83\x52\x83\x81\x83\x93\x83\x67\r\n"},
      {"jp/Utf8.bas", "s = \"\xE6\x97\xA5\"\r\n", "Utf8.pas", "s = '\xE6\x97\xA5';\r\n"},
  };
  WriteTree(tree, files);
  const ProcessResult result =
      RunConverter({"-q", "--legacy-encoding", "shift_jis", "--out-dir", tree.Path("out"), tree.Path("jp")});
  EXPECT_EQ(result.exit_code, 0);
  EXPECT_EQ(result.err, "");
  ExpectOutputs(tree, "out", files);

  // The same file written as UTF-8 instead.
  const ProcessResult utf8 = RunConverter({"-q", "--legacy-encoding", "shift_jis", "--output-encoding",
                                           "utf-8", "-o", tree.Path("n.pas"), tree.Path("jp/Nihongo.bas")});
  EXPECT_EQ(utf8.exit_code, 0);
  EXPECT_EQ(
      tree.Read("n.pas"),
      "s = '\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E' ; // \xE3\x82\xB3\xE3\x83\xA1\xE3\x83\xB3\xE3\x83\x88\r\n");
}

TEST(BatchTree, WholeFileConvertsTheDesignerHeaderToo) {
  TempTree tree;
  tree.Write("Form1.frm",
             "VERSION 5.00\r\nBegin VB.Form Form1\r\n   Caption = \"F\"\r\nEnd\r\n"
             "Attribute VB_Name = \"Form1\"\r\nx = 1\r\n");
  const ProcessResult result = RunConverter({"--whole-file", tree.Path("Form1.frm")});
  EXPECT_EQ(result.exit_code, 0);
  EXPECT_EQ(result.out, "VERSION 5.00;\r\nBegin VB.Form Form1;\r\n   Caption = 'F';\r\nEnd;\r\nx = 1;\r\n");
}

TEST(BatchTree, BadFilesFailAloneAndTheOthersAreConverted) {
  TempTree tree;
  const std::vector<TreeFile> good = {
      {"src/a/Good1.bas", "x = 1\r\n", "a/Good1.pas", "x = 1;\r\n"},
      {"src/z/Good2.cls", "y = 2\r\n", "z/Good2.pas", "y = 2;\r\n"},
      {"src/m/Kanji.bas", "s = \"\xE6\x97\xA5\"\r\n", nullptr, {}},  // not representable in windows-1252
  };
  WriteTree(tree, good);
  tree.Write("src/m/Binary.bas", QByteArray("x = 1\r\n\0\x01\x02", 10));
  ASSERT_EQ(mkfifo(tree.Path("src/m/Pipe.frm").toLocal8Bit().constData(), 0600), 0);
  ASSERT_TRUE(QFile::link(tree.Path("src/m/gone.bas"), tree.Path("src/m/Dangling.bas")));
  tree.Write("empty/readme.txt", "no sources here");

  const ProcessResult result = RunConverter({"-q", "--output-encoding", "windows-1252", "--out-dir",
                                             tree.Path("out"), tree.Path("src"), tree.Path("empty")});
  EXPECT_EQ(result.exit_code, 1);
  const QString src = tree.Path("src");
  const QStringList expected_errors = {
      QString("veldrane-convert: %1/m/Binary.bas: binary file (NUL at byte offset 7)").arg(src),
      QString("veldrane-convert: %1/m/Dangling.bas: cannot read: dangling symbolic link").arg(src),
      QString(
          "veldrane-convert: %1/m/Kanji.bas: character U+65E5 on line 1 cannot be written in windows-1252")
          .arg(src),
      QString("veldrane-convert: %1/m/Pipe.frm: cannot read: not a regular file").arg(src),
      QString("veldrane-convert: %1: no VB6 files (.bas .cls .frm .ctl .dob .pag .dsr) found")
          .arg(tree.Path("empty")),
  };
  EXPECT_EQ(QString::fromUtf8(result.err), expected_errors.join('\n') + '\n');
  ExpectOutputs(tree, "out", good);
}

TEST(BatchTree, UnwritableOutputFailsThatFileOnly) {
  TempTree tree;
  tree.Write("src/sub/A.bas", "x = 1\r\n");
  tree.Write("src/B.bas", "y = 1\r\n");
  tree.Write("out/sub", "a file where the output directory should be");
  const ProcessResult result = RunConverter({"-q", "--out-dir", tree.Path("out"), tree.Path("src")});
  EXPECT_EQ(result.exit_code, 1);
  ASSERT_EQ(result.ErrLines().size(), 1);
  EXPECT_TRUE(result.ErrLines()[0].startsWith(
      ("veldrane-convert: " + tree.Path("src/sub/A.bas") + ": cannot write ").toUtf8()))
      << result.err.constData();
  EXPECT_EQ(tree.Read("out/B.pas"), "y = 1;\r\n");
  EXPECT_EQ(tree.Read("out/sub"), "a file where the output directory should be");
}

TEST(BatchTree, ExistingOutputsAreReplacedOnlyWithForce) {
  TempTree tree;
  WriteTree(tree, MixedTree());
  const QStringList arguments = {"-q", "--out-dir", tree.Path("out"), tree.Path("src")};
  ASSERT_EQ(RunConverter(arguments).exit_code, 0);
  tree.Write("out/forms/Form1.pas", "edited by hand");

  const ProcessResult again = RunConverter(arguments);
  EXPECT_EQ(again.exit_code, 1);
  EXPECT_EQ(again.ErrLines().size(), 8);  // one per output
  EXPECT_TRUE(again.err.contains(("veldrane-convert: " + tree.Path("src/forms/Form1.frm") + ": output " +
                                  tree.Path("out/forms/Form1.pas") + " exists (--force replaces it)\n")
                                     .toUtf8()));
  EXPECT_EQ(tree.Read("out/forms/Form1.pas"), "edited by hand");

  const ProcessResult forced = RunConverter(QStringList{"--force"} + arguments);
  EXPECT_EQ(forced.exit_code, 0);
  ExpectOutputs(tree, "out", MixedTree());
  ExpectInputsUnchanged(tree, MixedTree());
}

TEST(BatchTree, SameOutputForTwoInputsIsAnError) {
  TempTree tree;
  tree.Write("src/Form1.bas", "a = 1\r\n");
  tree.Write("src/Form1.frm", "b = 1\r\n");
  const ProcessResult result = RunConverter({"-q", "--out-dir", tree.Path("out"), tree.Path("src"),
                                             tree.Path("src/Form1.bas")});  // named again: converted once
  EXPECT_EQ(result.exit_code, 1);
  EXPECT_EQ(result.err,
            QString("veldrane-convert: %1: output %2 is also the output of %3\n")
                .arg(tree.Path("src/Form1.frm"), tree.Path("out/Form1.pas"), tree.Path("src/Form1.bas"))
                .toUtf8());
  EXPECT_EQ(tree.Read("out/Form1.pas"), "a = 1;\r\n");
}

TEST(BatchTree, ResultsAndMessagesDoNotDependOnJobs) {
  TempTree tree;
  WriteTree(tree, MixedTree());
  for (int i = 0; i < 40; ++i) {
    // Files of different sizes, so that they finish out of order on several threads.
    QByteArray text;
    for (int line = 0; line < (i % 7) * 300 + 1; ++line) text += "x = a And b ' c\r\n";
    tree.Write(QString("src/many/M%1.bas").arg(i, 2, 10, QChar('0')), text);
    if (i % 9 == 0) tree.Write(QString("src/many/B%1.bas").arg(i), QByteArray("\0", 1));
  }
  const ProcessResult one = RunConverter({"-q", "-j", "1", "--out-dir", tree.Path("out1"), tree.Path("src")});
  const ProcessResult four =
      RunConverter({"-q", "-j", "4", "--out-dir", tree.Path("out4"), tree.Path("src")});
  EXPECT_EQ(one.exit_code, 1);
  EXPECT_EQ(four.exit_code, 1);
  EXPECT_EQ(one.ErrLines().size(), 5);
  EXPECT_EQ(QString::fromUtf8(one.err).replace(tree.Path("out1"), "OUT"),
            QString::fromUtf8(four.err).replace(tree.Path("out4"), "OUT"));
  const QStringList files = tree.Files("out1");
  EXPECT_EQ(files, tree.Files("out4"));
  EXPECT_EQ(files.size(), 48);
  for (const QString& file : files)
    EXPECT_EQ(tree.Read("out1/" + file), tree.Read("out4/" + file)) << file.toStdString();
  EXPECT_EQ(tree.Read("out1/many/M01.pas").left(23), "x = a and b ; // c\r\nx =");
}

TEST(BatchTree, VerboseListsEachFileAndSummary) {
  TempTree tree;
  tree.Write("src/A.bas", "x = 1\r\n");
  tree.Write("src/B.bas", QByteArray("\0", 1));
  const ProcessResult result = RunConverter({"-v", "--out-dir", tree.Path("out"), tree.Path("src")});
  EXPECT_EQ(result.exit_code, 1);
  const QList<QByteArray> lines = result.ErrLines();
  ASSERT_EQ(lines.size(), 3);
  EXPECT_TRUE(lines[0].startsWith(("veldrane-convert: " + tree.Path("src/A.bas") + " -> " +
                                   tree.Path("out/A.pas") + " (UTF-8, 7 bytes read, 8 bytes written, ")
                                      .toUtf8()))
      << lines[0].constData();
  EXPECT_TRUE(lines[1].endsWith("B.bas: binary file (NUL at byte offset 0)")) << lines[1].constData();
  EXPECT_TRUE(lines[2].startsWith("veldrane-convert: 1 converted, 1 failed, ")) << lines[2].constData();
}

}  // namespace
}  // namespace veldrane::cli::testing
