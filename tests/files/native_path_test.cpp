// Names keep their bytes: the command line's codec gives back exactly what it was given,
// messages show every byte without letting one break the line, and inputs are read whatever
// their name and length.
#include "files/native_path.h"

#include <gtest/gtest.h>
#include <sys/sysmacros.h>

#include <thread>

#include "file_system_fixtures.h"
#include "files/input_reading.h"

namespace veldrane::files {
namespace {

TEST(NativePath, DisplayEscapesControlCharactersAndBytesThatAreNotUtf8) {
  struct Case {
    QByteArray path;
    QString shown;
  } cases[] = {
      {"src/Module1.bas", "src/Module1.bas"},
      {"\xE6\x97\xA5\xE6\x9C\xAC/Form1.frm", u"\u65e5\u672c/Form1.frm"_qs},
      {"caf\xE9/M.bas", "caf\\xE9/M.bas"},                    // Latin-1
      {"\x93\xFA\x96\x7B.bas", "\\x93\\xFA\\x96{.bas"},       // Shift_JIS
      {"line\nfake summary.bas", "line\\nfake summary.bas"},  // a newline cannot fake a line
      {"a\rb\tc\x1B[2Kd\x7F", "a\\rb\\tc\\x1B[2Kd\\x7F"},     // nor a CR or an escape sequence
      {"c1\xC2\x9B"
       "2K",
       "c1\\xC2\\x9B2K"},  // C1 control (CSI)
      {"cut\xE6\x97", "cut\\xE6\\x97"},
      {"rtl\xE2\x80\xAEsab.exe", "rtl\\u202Esab.exe"},         // a bidirectional override
      {"ls\xE2\x80\xA8ps\xE2\x80\xA9", "ls\\u2028ps\\u2029"},  // line and paragraph separators
      {"zw\xE2\x80\x8B\xEF\xBB\xBF", "zw\\u200B\\uFEFF"},      // zero-width, format (Cf)
      {"tag\xF3\xA0\x80\x81", "tag\\uE0001"},                  // a format character above U+FFFF
  };
  for (const Case& c : cases) EXPECT_EQ(DisplayPath(c.path), c.shown) << c.path.toHex().constData();
}

TEST(NativePath, CommandLineCodecGivesTheSameBytesBack) {
  const QByteArray names[] = {
      "plain.bas",    "caf\xE9.bas", "\x93\xFA\x96\x7B.bas", "\xE6\x97\xA5.bas",   "\xFF\xFE",
      "\xED\xA0\x80", "a\xC3",       "\xEF\xBB\xBF.bas",     QByteArray("\x80", 1)};
  for (const QByteArray& name : names) {
    const QString argument = ArgumentFromNative(name);
    EXPECT_EQ(NativeFromArgument(argument), name) << name.toHex().constData();
  }
  EXPECT_EQ(ArgumentFromNative("\xE6\x97\xA5"), u"\u65e5"_qs);  // UTF-8 reads as usual
}

TEST(NativePath, SplitIgnoresTrailingSlashes) {
  struct Case {
    QByteArray path, directory, name;
  } cases[] = {
      {"a.bas", ".", "a.bas"}, {"src/a.bas", "src", "a.bas"}, {"src/", ".", "src"}, {"/a.bas", "/", "a.bas"},
      {"/", "/", "."},         {"a//b//", "a/", "b"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path.constData());
    const auto [directory, name] = SplitPath(c.path);
    EXPECT_EQ(directory, c.directory);
    EXPECT_EQ(name, c.name);
  }
}

TEST(InputReading, NamedStreamsAreReadFilesFoundInAWalkMustBeRegular) {
  veldrane::testing::ScratchDir scratch;
  veldrane::testing::WriteBytesBelow(scratch.Path(), "caf\xE9.bas", "x = 1\r\n");
  ASSERT_EQ(::symlink("missing.bas", scratch.Path("dangling.bas").constData()), 0);
  ASSERT_EQ(::symlink("loop.bas", scratch.Path("loop.bas").constData()), 0);
  ASSERT_EQ(::mkfifo(scratch.Path("pipe.bas").constData(), 0600), 0);
  struct Case {
    const char* name;
    QByteArray file;
    InputSource source;
    std::optional<QString> error;
  } cases[] = {
      {"Latin-1 name", "caf\xE9.bas", InputSource::kFound, std::nullopt},
      {"missing", "missing.bas", InputSource::kNamed, "cannot read: no such file"},
      {"dangling link", "dangling.bas", InputSource::kNamed, "cannot read: dangling symbolic link"},
      {"link loop", "loop.bas", InputSource::kFound, "cannot read: symbolic link loop"},
      {"FIFO found in a walk", "pipe.bas", InputSource::kFound, "cannot read: not a regular file"},
      {"directory", "", InputSource::kNamed, "cannot read: is a directory"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const InputBytes input = ReadInputFile(scratch.Path(c.file), c.source);
    EXPECT_EQ(input.error, c.error);
    if (!c.error) {
      EXPECT_EQ(input.bytes, "x = 1\r\n");
    }
  }

  // A FIFO named by the user is read like the pipe of <(command).
  std::thread writer([&] { veldrane::testing::WriteBytesBelow(scratch.Path(), "pipe.bas", "y = 2\r\n"); });
  const InputBytes piped = ReadInputFile(scratch.Path("pipe.bas"), InputSource::kNamed);
  writer.join();
  EXPECT_FALSE(piped.error);
  EXPECT_EQ(piped.bytes, "y = 2\r\n");
}

TEST(InputReading, AStreamWithoutEndIsCutOffNotReadForever) {
  veldrane::testing::ScratchDir scratch;
  ASSERT_EQ(::mknod(scratch.Path("zero").constData(), S_IFCHR | 0666, makedev(1, 5)), 0)
      << "mknod needs root";
  const InputBytes input = ReadInputFile(scratch.Path("zero"), InputSource::kNamed);
  EXPECT_EQ(input.error, "cannot read: larger than 256 MiB");
  EXPECT_TRUE(input.bytes.isEmpty());
}

TEST(InputReading, ReadsBelowPathsLongerThanPathMax) {
  veldrane::testing::ScratchDir scratch;
  const QByteArray deep = veldrane::testing::MakeDeepDirectories(scratch.Path(), QByteArray(250, 'd'), 20);
  veldrane::testing::WriteBytesBelow(scratch.Path(), deep + "/Long.bas", "x = 1\r\n");
  const QByteArray path = scratch.Path(deep + "/Long.bas");
  ASSERT_GT(path.size(), 4096);
  const InputBytes input = ReadInputFile(path, InputSource::kFound);
  EXPECT_FALSE(input.error) << input.error->toStdString();
  EXPECT_EQ(input.bytes, "x = 1\r\n");
}

}  // namespace
}  // namespace veldrane::files
