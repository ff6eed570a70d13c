// Reading project files and finding the files they list: backslashes, any case, "..", files
// outside the project folder mapped below one folder of the output.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

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

class MemberPaths : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(root_.isValid());
    for (const char* file :
         {"proj/Main.frm", "proj/Sub Dir/Mixed.BAS", "lib/Util.bas", "lib/deep/x/Far.cls"}) {
      const QString path = root_.filePath(file);
      ASSERT_TRUE(QDir().mkpath(QFileInfo(path).path()));
      QFile f(path);
      ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    ASSERT_TRUE(QDir().mkpath(root_.filePath("proj/folder.bas")));
  }
  QString Project() const { return root_.filePath("proj"); }
  QTemporaryDir root_;
};

TEST_F(MemberPaths, ResolvesBackslashesAnyCaseAndParentFolders) {
  const struct {
    const char* entry;
    const char* found;  // below the temporary root; empty: not found
  } cases[] = {
      {"Main.frm", "proj/Main.frm"},
      {"MAIN.FRM", "proj/Main.frm"},
      {"sub dir\\mixed.bas", "proj/Sub Dir/Mixed.BAS"},
      {".\\Sub Dir\\..\\main.frm", "proj/Main.frm"},
      {"..\\LIB\\util.bas", "lib/Util.bas"},
      {"../lib/Deep/X/far.cls", "lib/deep/x/Far.cls"},
      {"Gone.bas", ""},
      {"C:\\VB\\Main.frm", ""},
      {"folder.bas", ""},
      {"", ""},
  };
  for (const auto& c : cases) {
    const ResolvedPath resolved = ResolveMemberPath(Project(), c.entry);
    const QString expected = *c.found ? QDir::cleanPath(root_.filePath(c.found)) : QString();
    EXPECT_EQ(resolved.absolute_path, expected) << c.entry;
    EXPECT_EQ(resolved.problem.isEmpty(), *c.found != 0) << c.entry;
  }
}

TEST_F(MemberPaths, FilesOutsideTheProjectGoBelowTheExternalFolder) {
  const QString root = QDir::cleanPath(root_.path());
  const QStringList relative =
      OutputRelativePaths(root + "/proj", {root + "/proj/Main.frm", root + "/proj/Sub Dir/Mixed.BAS",
                                           root + "/lib/Util.bas", root + "/lib/deep/x/Far.cls"});
  EXPECT_EQ(relative, QStringList({"Main.frm", "Sub Dir/Mixed.BAS", "external/lib/Util.bas",
                                   "external/lib/deep/x/Far.cls"}));
  // With only a deeper outside folder, the common folder is still the project's parent.
  EXPECT_EQ(OutputRelativePaths(root + "/proj", {root + "/lib/deep/x/Far.cls"}),
            QStringList{"external/lib/deep/x/Far.cls"});
  EXPECT_EQ(OutputRelativePaths("/a/b/proj", {"/c/One.bas"}), QStringList{"external/c/One.bas"});
}

TEST(WithExtension, ReplacesTheExtensionAndOptionallyTheName) {
  EXPECT_EQ(WithExtension("Main.frm", ".pas"), "Main.pas");
  EXPECT_EQ(WithExtension("Sub Dir/Mixed.BAS", ".pas"), "Sub Dir/Mixed.pas");
  EXPECT_EQ(WithExtension("external/lib/Strings.Bas", ".pas", "MStrings"), "external/lib/MStrings.pas");
  EXPECT_EQ(WithExtension("a.b.frm", ".dfm"), "a.b.dfm");
}

}  // namespace
}  // namespace veldrane::migration
