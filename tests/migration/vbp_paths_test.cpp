// Reading project files and finding the files they list: backslashes, any case, "..", names
// in the project's code page, only below the project root; files outside the project folder
// mapped below one folder of the output; unit names in ASCII.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstring>

#include "file_system_fixtures.h"
#include "files/native_path.h"
#include "migration/form_design.h"
#include "migration/project_paths.h"
#include "migration/vbp_file.h"

namespace veldrane::migration {
namespace {

TEST(ParseVbp, ReadsMembersNamesAndStartupUntilTheFirstSection) {
  const VbpProject project = ParseVbp(
      "Type=Exe\r\nform=Main.frm\r\nModule=Util; ..\\lib\\Util.bas\r\nCLASS=Stack ;Stack.cls \r\n"
      "UserControl=Ctl\\Box.ctl\r\nPropertyPage=P.pag\r\nStartup=\"Sub Main\"\r\nTitle=\"My \"\"App\"\"\"\r\n"
      "Name=\"Proj\"\r\nModule=Empty;\r\n[MS Transaction Server]\r\nForm=After.frm\r\n");
  ASSERT_EQ(project.members.size(), 4u);
  const struct {
    MemberKind kind;
    const char* name;
    const char* path;
    int line;
  } expected[] = {{MemberKind::kForm, "", "Main.frm", 2},
                  {MemberKind::kModule, "Util", "..\\lib\\Util.bas", 3},
                  {MemberKind::kClass, "Stack", "Stack.cls", 4},
                  {MemberKind::kUserControl, "", "Ctl\\Box.ctl", 5}};
  for (std::size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(project.members[i].kind, expected[i].kind) << i;
    EXPECT_EQ(project.members[i].declared_name, expected[i].name) << i;
    EXPECT_EQ(project.members[i].path, expected[i].path) << i;
    EXPECT_EQ(project.members[i].line, expected[i].line) << i;
  }
  EXPECT_TRUE(IsSubMainStartup(project.startup));
  EXPECT_EQ(project.name, "Proj");
  EXPECT_EQ(project.title, "My \"\"App\"\"");
  EXPECT_EQ(project.not_migrated, QStringList{"PropertyPage=P.pag (line 6)"});
}

// A project tree below `tree`, the project in tree/proj, and files and links around it that
// a hostile project could try to read: a member may be read only below the project root.
class MemberPaths : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(root_.isValid());
    for (const QByteArray file :
         {"tree/proj/Main.frm", "tree/proj/Sub Dir/Mixed.BAS", "tree/lib/Util.bas", "tree/lib/deep/x/Far.cls",
          "tree/proj/caf\xE9.bas", "tree/proj/\x93\xFA\x96\x7B.bas", "tree/proj/\xC3\x9Cn.bas",
          "outside/secret.bas"}) {
      const QByteArray path = Native(file);
      ASSERT_TRUE(QDir().mkpath(QFileInfo(files::ArgumentFromNative(path)).path()));
      const int fd = ::open(path.constData(), O_WRONLY | O_CREAT, 0644);
      ASSERT_GE(fd, 0) << file.constData();
      ::close(fd);
    }
    ASSERT_TRUE(QDir().mkpath(root_.filePath("tree/proj/folder.bas")));
    for (const auto& [target, link] : std::initializer_list<std::pair<QByteArray, const char*>>{
             {"../lib/Util.bas", "LinkIn.bas"},
             {"../../outside/secret.bas", "LinkOut.bas"},
             {Native("outside/secret.bas"), "AbsOut.bas"},
             {"../../outside", "dirout"},
             {"Loop.bas", "Loop.bas"}})
      ASSERT_EQ(::symlink(target.constData(), Native(QByteArray("tree/proj/") + link).constData()), 0);
  }
  QByteArray Native(const QByteArray& relative) const {
    return QFile::encodeName(root_.path()) + '/' + relative;
  }
  ProjectFolder Folder() const { return {Native("tree"), "proj"}; }
  QTemporaryDir root_;
  const testing::ContentsRemover remover_{QFile::encodeName(root_.path())};
};

TEST_F(MemberPaths, FindsMembersByNameOnlyBelowTheProjectRoot) {
  const files::TextEncoding cp1252 = *files::EncodingFromName("windows-1252");
  const files::TextEncoding shift_jis = *files::EncodingFromName("shift_jis");
  const struct {
    QString entry;
    files::TextEncoding code_page;
    QByteArray found;  // below the root; empty: refused, with `problem` starting the message
    const char* problem;
  } cases[] = {
      {"Main.frm", cp1252, "proj/Main.frm", ""},
      {"MAIN.FRM", cp1252, "proj/Main.frm", ""},
      {"sub dir\\mixed.bas", cp1252, "proj/Sub Dir/Mixed.BAS", ""},
      {".\\Sub Dir\\..\\main.frm", cp1252, "proj/Main.frm", ""},
      {"..\\LIB\\util.bas", cp1252, "lib/Util.bas", ""},
      {"../lib/Deep/X/far.cls", cp1252, "lib/deep/x/Far.cls", ""},
      {"LinkIn.bas", cp1252, "lib/Util.bas", ""},                            // a link inside the root
      {u"caf\u00e9.bas"_qs, cp1252, "proj/caf\xE9.bas", ""},                 // bytes in the code page
      {u"CAF\u00c9.BAS"_qs, cp1252, "proj/caf\xE9.bas", ""},                 // decoded, any case
      {u"\u65e5\u672c.bas"_qs, shift_jis, "proj/\x93\xFA\x96\x7B.bas", ""},  // Shift_JIS names on disk
      {u"\u00dcn.bas"_qs, cp1252, "proj/\xC3\x9Cn.bas", ""},                 // UTF-8 names on disk
      {"Gone.bas", cp1252, {}, "not found: "},
      {"folder.bas", cp1252, {}, "not a regular file: "},
      {"", cp1252, {}, "no file name"},
      {"C:\\VB\\Main.frm", cp1252, {}, "absolute Windows path"},
      {"/etc/passwd", cp1252, {}, "refused: an absolute path"},
      {"..\\..\\outside\\secret.bas", cp1252, {}, "refused: climbs above the project root"},
      {"..\\..\\..\\..\\..\\..\\..\\etc\\hostname", cp1252, {}, "refused: climbs above the project root"},
      {"LinkOut.bas", cp1252, {}, "refused: a symbolic link leads outside the project root"},
      {"AbsOut.bas", cp1252, {}, "refused: a symbolic link leads outside the project root"},
      {"dirout\\secret.bas", cp1252, {}, "refused: a symbolic link leads outside the project root"},
      {"Loop.bas", cp1252, {}, "cannot read: symbolic link loop"},
  };
  for (const auto& c : cases) {
    const ResolvedPath resolved = ResolveMemberPath(Folder(), c.entry, c.code_page);
    EXPECT_EQ(resolved.relative, c.found) << c.entry.toStdString();
    EXPECT_EQ(resolved.problem.left(qsizetype(std::strlen(c.problem))), c.problem) << c.entry.toStdString();
  }
}

TEST_F(MemberPaths, TheRootMustHoldTheProject) {
  ProjectFolder folder;
  EXPECT_FALSE(LocateProjectFolder(Native("tree/proj/P.vbp"), {}, &folder));
  EXPECT_EQ(folder.root, Native("tree/proj"));
  EXPECT_EQ(folder.project_dir, "");
  EXPECT_FALSE(LocateProjectFolder(Native("tree/proj/P.vbp"), Native("tree"), &folder));
  EXPECT_EQ(folder.project_dir, "proj");
  const auto problem = LocateProjectFolder(Native("tree/proj/P.vbp"), Native("outside"), &folder);
  ASSERT_TRUE(problem);
  EXPECT_TRUE(problem->endsWith("does not hold the project")) << problem->toStdString();
}

TEST(OutputRelativePaths, FilesOutsideTheProjectGoBelowTheExternalFolder) {
  EXPECT_EQ(OutputRelativePaths(
                "proj", {"proj/Main.frm", "proj/Sub Dir/Mixed.BAS", "lib/Util.bas", "lib/deep/x/Far.cls"}),
            QList<QByteArray>(
                {"Main.frm", "Sub Dir/Mixed.BAS", "external/lib/Util.bas", "external/lib/deep/x/Far.cls"}));
  // With only a deeper outside folder, the common folder is still the project's parent.
  EXPECT_EQ(OutputRelativePaths("a/proj", {"a/lib/deep/Far.cls"}),
            QList<QByteArray>{"external/lib/deep/Far.cls"});
  EXPECT_EQ(OutputRelativePaths("a/b/proj", {"c/One.bas"}), QList<QByteArray>{"external/c/One.bas"});
  EXPECT_EQ(OutputRelativePaths("", {"caf\xE9/M.bas"}), QList<QByteArray>{"caf\xE9/M.bas"});
}

TEST(UnitNames, LettersOtherThanAsciiAreTransliterated) {
  const struct {
    QString vb_name;
    const char* identifier;
  } cases[] = {
      {u"Caf\u00e9"_qs, "Cafe"},
      {u"\u00c5ngstr\u00f6m"_qs, "Angstrom"},
      {u"Stra\u00dfe"_qs, "Strasse"},
      {u"\u0141\u00f3d\u017a"_qs, "Lodz"},
      {u"\u521d\u671f\u5316"_qs, "U521DU671FU5316"},
      {u"\U0002000B"_qs, "U2000B"},
      {u"a\u2013b"_qs, "a_b"},
      {u"1st"_qs, "C1st"},
  };
  for (const auto& c : cases) EXPECT_EQ(DelphiIdentifier(c.vb_name), c.identifier) << c.vb_name.toStdString();
}

TEST(WithExtension, ReplacesTheExtensionAndOptionallyTheName) {
  EXPECT_EQ(WithExtension("Main.frm", ".pas"), "Main.pas");
  EXPECT_EQ(WithExtension("Sub Dir/Mixed.BAS", ".pas"), "Sub Dir/Mixed.pas");
  EXPECT_EQ(WithExtension("external/lib/Strings.Bas", ".pas", "MStrings"), "external/lib/MStrings.pas");
  EXPECT_EQ(WithExtension("a.b.frm", ".dfm"), "a.b.dfm");
}

}  // namespace
}  // namespace veldrane::migration
