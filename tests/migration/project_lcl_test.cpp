// Whole migrated projects in Lazarus's LCL: every .dfm of a fixture project loads with no
// error, every event it names is a method its unit declares, it holds at least the VB form's
// controls and its caption is the VB form's.

#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QHash>
#include <QProcess>
#include <QTemporaryDir>

#include "files/safe_output.h"
#include "migration/form_design.h"
#include "migration/project_migration.h"
#include "param_name.h"

namespace veldrane::migration {
namespace {

const QString kData = QStringLiteral(VELDRANE_PROJECTS_DATA_DIR);

struct FormCase {
  const char* project;
  const char* form_source;  // below the data folder
  const char* dfm;          // below the output directory
  bool frame = false;       // a user control: the .dfm's root is a frame
};

class ProjectFormsInLcl : public ::testing::TestWithParam<FormCase> {};

TEST_P(ProjectFormsInLcl, DfmLoadsAndItsEventsAreMethodsOfTheUnit) {
  const FormCase& c = GetParam();
  QTemporaryDir out;
  ASSERT_TRUE(out.isValid());
  const files::OutputDirectory directory(QFile::encodeName(out.path()), files::OutputRules{});
  const OutputWriter write = [&](const QString& relative, const QByteArray& bytes) {
    return directory.Write(QFile::encodeName(relative), bytes);
  };
  MigrateProject(kData + u'/' + c.project, files::ConversionSettings{}, 1, write, kData);
  const QString dfm = out.filePath(c.dfm);
  const QString pas = QString(dfm).replace(".dfm", ".pas");
  ASSERT_TRUE(QFile::exists(dfm) && QFile::exists(pas)) << c.dfm;

  QProcess checker;
  checker.setProcessChannelMode(QProcess::MergedChannels);
  QStringList arguments{"-a", VELDRANE_LCL_FORM_CHECK, dfm, "--unit", pas};
  if (c.frame) arguments << "--frame";
  checker.start(VELDRANE_XVFB_RUN, arguments);
  ASSERT_TRUE(checker.waitForFinished(60000));
  const QString output = QString::fromUtf8(checker.readAll());
  EXPECT_EQ(checker.exitCode(), 0) << output.toStdString();
  EXPECT_FALSE(output.contains("error:")) << output.toStdString();

  QFile source(kData + u'/' + c.form_source);
  ASSERT_TRUE(source.open(QIODevice::ReadOnly));
  const FormDesign design = ParseFormDesign(QString::fromLatin1(source.readAll()));
  int components = -1;
  QString caption;
  for (const QString& line : output.split(u'\n')) {
    if (line.startsWith("components: ")) components = line.mid(12).trimmed().toInt();
    if (line.startsWith("caption: ")) caption = line.mid(9);
  }
  EXPECT_GE(components, design.vb_control_count) << output.toStdString();
  if (!c.frame) {
    EXPECT_EQ(caption, design.caption);
  }
}

INSTANTIATE_TEST_SUITE_P(
    FixtureProjects, ProjectFormsInLcl,
    ::testing::Values(FormCase{"app/App.vbp", "app/Main.frm", "Main.dfm"},
                      FormCase{"app/App.vbp", "app/About.frm", "About.dfm"},
                      FormCase{"app/App.vbp", "app/Controls/Gauge.ctl", "Controls/Gauge.dfm", true},
                      FormCase{"submain/Tool.vbp", "submain/Status.frm", "Status.dfm"},
                      FormCase{"skeleton/Store.vbp", "skeleton/frmStore.frm", "frmStoreUnit.dfm"},
                      FormCase{"skeleton/Store.vbp", "skeleton/Login.frm", "LoginUnit.dfm"},
                      FormCase{"skeleton/Store.vbp", "skeleton/OldMac.frm", "OldMacUnit.dfm"}),
    [](const auto& info) { return ParamName(info.param.dfm); });

// Where the LCL shows what VB showed: the form rendered under Xvfb as its unit shows it
// (--vb-layout), each control measured on the screen from the client area's corner, against
// the VB form's own numbers (twips / 15). A row per control.
TEST(ProjectFormsInLcl, ControlsStandWhereVbShowedThem) {
  QTemporaryDir out;
  ASSERT_TRUE(out.isValid());
  const files::OutputDirectory directory(QFile::encodeName(out.path()), files::OutputRules{});
  MigrateProject(kData + "/skeleton/Store.vbp", files::ConversionSettings{}, 1,
                 [&](const QString& relative, const QByteArray& bytes) {
                   return directory.Write(QFile::encodeName(relative), bytes);
                 });
  const struct {
    const char* dfm;
    const char* line;  // "client: W H" or "position: NAME X Y"
  } rows[] = {
      {"frmStoreUnit.dfm", "client: 300 200"},             // a main menu does not take the client height
      {"frmStoreUnit.dfm", "position: fraOptions 20 20"},  // a group box
      {"frmStoreUnit.dfm", "position: optA 28 44"},        // ... its controls from its corner
      {"frmStoreUnit.dfm", "position: txtQty 28 76"},
      {"frmStoreUnit.dfm", "position: lblNote 20 160"},  // a fore colour of its own
      {"LoginUnit.dfm", "position: txtPassword 8 8"},    // a password field
      {"OldMacUnit.dfm", "position: cmdGo 8 8"},         // CR-only designer section
  };
  QHash<QString, QString> measured;
  for (const auto& row : rows) {
    const QString dfm = out.filePath(row.dfm);
    if (!measured.contains(dfm)) {
      QProcess checker;
      checker.setProcessChannelMode(QProcess::MergedChannels);
      checker.start(VELDRANE_XVFB_RUN, {"-a", VELDRANE_LCL_FORM_CHECK, dfm, "--unit",
                                        QString(dfm).replace(".dfm", ".pas"), "--positions", "--vb-layout"});
      ASSERT_TRUE(checker.waitForFinished(60000));
      measured.insert(dfm, QString::fromUtf8(checker.readAll()));
    }
    bool found = false;
    for (const QString& line : measured.value(dfm).split(u'\n'))
      found |= (line + u' ').startsWith(QLatin1String(row.line) + u' ');
    EXPECT_TRUE(found) << row.dfm << ": " << row.line << "\n" << measured.value(dfm).toStdString();
  }
}

}  // namespace
}  // namespace veldrane::migration
