// One file or standard input to standard output or -o: conversion bytes, the trace, the
// partial-run diagnostics and the one-line errors.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "cli_test_support.h"

namespace veldrane::cli::testing {
namespace {

// A module the pipeline turns into the expected text by its line removals, replacements
// and statement terminators alone.
const QByteArray kModule = "Option Explicit\r\nx = a And b ' note\r\ny = \"s\" & z\r\n";
const QByteArray kModuleConverted = "x = a and b ; // note\r\ny = 's' + z;\r\n";

struct FilterCase {
  const char* name;
  QStringList arguments;
  QByteArray input;
  QByteArray expected;
};

TEST(SingleFile, ConvertsStandardInputToStandardOutput) {
  const FilterCase cases[] = {
      {"defaults", {}, kModule, kModuleConverted},
      {"first contract options", {"--encoding", "utf-8", "--eol", "keep"}, kModule, kModuleConverted},
      {"dash for standard input", {"-"}, kModule, kModuleConverted},
      {"empty input", {}, "", ""},
      {"empty input, utf-8 keep", {"--encoding", "utf-8", "--eol", "keep"}, "", ""},
      {"non-ASCII text",
       {},
       "s = \"\xE6\x97\xA5\xE6\x9C\xAC\" ' \xE3\x82\xB3\r\n",
       "s = '\xE6\x97\xA5\xE6\x9C\xAC' ; // \xE3\x82\xB3\r\n"},
      // A forced encoding hands the BOM to the pipeline as a character of the first line.
      {"BOM as text with utf-8", {"--encoding", "utf-8"}, "\xEF\xBB\xBFx = 1\r\n", "\xEF\xBB\xBFx = 1;\r\n"},
      {"BOM detected and kept", {}, "\xEF\xBB\xBFx = 1\r\n", "\xEF\xBB\xBFx = 1;\r\n"},
      // The pipeline knows only CR LF: kept LF breaks are ordinary characters to it.
      {"LF kept", {"--eol", "keep"}, "x = 1\ny = 2\n", "x = 1\ny = 2\n"},
      {"LF converted and restored", {}, "x = 1\ny = 2\n", "x = 1;\ny = 2;\n"},
      {"CR converted and restored", {"--eol", "auto"}, "x = 1\ry = 2\r", "x = 1;\ry = 2;\r"},
      {"no final line break", {}, "x = 1\r\ny = 2", "x = 1;\r\ny = 2"},
  };
  for (const FilterCase& c : cases) {
    SCOPED_TRACE(c.name);
    const ProcessResult result = RunConverter(c.arguments, c.input);
    EXPECT_EQ(result.exit_code, 0);
    EXPECT_EQ(result.out, c.expected);
    EXPECT_EQ(result.err, "");
  }
}

TEST(SingleFile, WritesToTheOutputFileOnly) {
  TempTree tree;
  tree.Write("Module1.bas", kModule);
  const ProcessResult result = RunConverter({"-o", tree.Path("out/Module1.pas"), tree.Path("Module1.bas")});
  EXPECT_EQ(result.exit_code, 0);
  EXPECT_EQ(result.out, "");
  EXPECT_EQ(tree.Read("out/Module1.pas"), kModuleConverted);
  EXPECT_EQ(tree.Read("Module1.bas"), kModule);
}

TEST(SingleFile, EmptyFileGivesEmptyOutputFile) {
  TempTree tree;
  tree.Write("empty.bas", "");
  const ProcessResult result = RunConverter({"-o", tree.Path("empty.pas"), tree.Path("empty.bas")});
  EXPECT_EQ(result.exit_code, 0);
  ASSERT_TRUE(tree.Exists("empty.pas"));
  EXPECT_EQ(tree.Read("empty.pas"), "");
}

TEST(SingleFile, TraceListsCaptionWritesAndYields) {
  TempTree tree;
  const QByteArray input = "Option Explicit\r\nx = 1\r\n";
  const ProcessResult result = RunConverter({"--trace", tree.Path("trace.txt")}, input);
  ASSERT_EQ(result.exit_code, 0);
  const QList<QByteArray> lines = tree.Read("trace.txt").split('\n');
  ASSERT_GE(lines.size(), 16);
  EXPECT_EQ(lines.back(), "");  // every line, the last included, ends in LF
  // The first steps are the line removals; each writes its caption and then the count of
  // the text as it found it (24 units before, 7 after the "Option Explicit" line went).
  const QByteArray expected_head[] = {
      "Label1\t\xE3\x80\x8COption Explicit\xE3\x80\x8D\xE3\x82\x92\xE5\x89\x8A\xE9\x99\xA4",
      "Label2\t\xE5\x85\xA8\xE6\x96\x87\xE5\xAD\x97\xE6\x95\xB0 24",
      "Label1\t\xE3\x80\x8C"
      "Attribute \xE3\x80\x8D\xE3\x82\x92\xE5\x89\x8A\xE9\x99\xA4",
      "Label2\t\xE5\x85\xA8\xE6\x96\x87\xE5\xAD\x97\xE6\x95\xB0 7",
  };
  for (int i = 0; i < 4; ++i) EXPECT_EQ(lines[i], expected_head[i]) << "line " << i;
  for (qsizetype i = 0; i + 2 < lines.size(); ++i) {
    EXPECT_TRUE(lines[i].startsWith("Label1\t") || lines[i].startsWith("Label2\t")) << lines[i].constData();
  }
  const QByteArray last = lines[lines.size() - 2];
  ASSERT_TRUE(last.startsWith("yields\t")) << last.constData();
  bool number = false;
  EXPECT_GT(last.mid(7).toLongLong(&number), 6);  // at least one per line removal step
  EXPECT_TRUE(number);
}

TEST(SingleFile, TraceOfEmptyInputHasOnlyTheYieldCount) {
  TempTree tree;
  const ProcessResult result = RunConverter({"--trace", tree.Path("trace.txt")}, "");
  EXPECT_EQ(result.exit_code, 0);
  EXPECT_EQ(tree.Read("trace.txt"), "yields\t0\n");
}

// Stop during the k-th yield: the iteration that yielded still makes its edit, every later
// loop returns at its first test. Yields 1 and 2 are the "Option Explicit" removal's two
// iterations, 3 the "Attribute " removal's only one, 4 the "Option Base" removal's first.
TEST(SingleFile, StopAtYieldKeepsTheTextAsFarAsConverted) {
  const QByteArray input = "Option Explicit\r\nOption Base 1\r\nx = 1 And 2\r\n";
  struct Case {
    const char* k;
    QByteArray expected;
  } cases[] = {
      {"1", "Option Base 1\r\nx = 1 And 2\r\n"},
      {"3", "Option Base 1\r\nx = 1 And 2\r\n"},
      {"4", "x = 1 And 2\r\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.k);
    TempTree tree;
    const ProcessResult result = RunConverter({"--stop-at-yield", c.k, "--trace", tree.Path("t.txt")}, input);
    EXPECT_EQ(result.exit_code, 0);
    EXPECT_EQ(result.out, c.expected);
    EXPECT_TRUE(tree.Read("t.txt").endsWith(QByteArray("\nyields\t") + c.k + "\n"));
  }
}

TEST(SingleFile, ClearAtYieldEmptiesTheText) {
  TempTree tree;
  const ProcessResult result =
      RunConverter({"--clear-at-yield", "1", "--trace", tree.Path("t.txt")}, "Option Explicit\r\nx = 1\r\n");
  EXPECT_EQ(result.exit_code, 0);
  EXPECT_EQ(result.out, "");
  // The second step finds the text empty.
  const QList<QByteArray> lines = tree.Read("t.txt").split('\n');
  ASSERT_GE(lines.size(), 4);
  EXPECT_EQ(lines[1], "Label2\t\xE5\x85\xA8\xE6\x96\x87\xE5\xAD\x97\xE6\x95\xB0 24");
  EXPECT_EQ(lines[3], "Label2\t\xE5\x85\xA8\xE6\x96\x87\xE5\xAD\x97\xE6\x95\xB0 0");
}

TEST(SingleFile, InvalidUtf8IsOneLineWithTheByteOffset) {
  struct Case {
    const char* name;
    QByteArray input;
    int offset;
  } cases[] = {
      {"lone continuation byte",
       "ab\x80"
       "cd",
       2},
      {"invalid lead byte", "x = 1\r\n\xFF", 7},
      {"overlong encoding", "\xC0\xAF", 0},
      {"encoded surrogate", "ok \xED\xA0\x80", 3},
      {"truncated at the end", "abc\xE6\x97", 3},
      {"after valid multi-byte text", "\xE6\x97\xA5\xE6\x9C", 3},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempTree tree;
    tree.Write("bad.bas", c.input);
    for (const QStringList& source : {QStringList{}, QStringList{tree.Path("bad.bas")}}) {
      const QString name = source.isEmpty() ? "(standard input)" : tree.Path("bad.bas");
      const ProcessResult result = RunConverter(
          QStringList{"--encoding", "utf-8", "--eol", "keep", "-o", tree.Path("out.pas")} + source,
          source.isEmpty() ? c.input : QByteArray());
      EXPECT_EQ(result.exit_code, 1);
      EXPECT_EQ(result.out, "");
      EXPECT_EQ(result.err, QString("veldrane-convert: %1: invalid UTF-8 at byte offset %2\n")
                                .arg(name)
                                .arg(c.offset)
                                .toUtf8());
      EXPECT_FALSE(tree.Exists("out.pas"));
    }
  }
}

TEST(SingleFile, MissingOrUnreadableFileIsOneLine) {
  TempTree tree;
  QFile::link(tree.Path("nowhere.bas"), tree.Path("dangling.bas"));
  struct Case {
    const char* file;
    const char* cause;
  } cases[] = {
      {"missing.bas", "cannot read: no such file"},
      {"dangling.bas", "cannot read: dangling symbolic link"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    const ProcessResult result = RunConverter({"-o", tree.Path("out.pas"), tree.Path(c.file)});
    EXPECT_EQ(result.exit_code, 1);
    EXPECT_EQ(result.err, QString("veldrane-convert: %1: %2\n").arg(tree.Path(c.file), c.cause).toUtf8());
    EXPECT_FALSE(tree.Exists("out.pas"));
  }
}

TEST(SingleFile, OutputNamingTheInputIsRefused) {
  TempTree tree;
  tree.Write("same.bas", kModule);
  const ProcessResult result = RunConverter({"--force", "-o", tree.Path("same.bas"), tree.Path("same.bas")});
  EXPECT_EQ(result.exit_code, 1);
  EXPECT_EQ(result.ErrLines().size(), 1);
  EXPECT_EQ(tree.Read("same.bas"), kModule);
}

}  // namespace
}  // namespace veldrane::cli::testing
