// Every fixture form, migrated to a .dfm, loads in Lazarus's LCL (the checker program, run under
// Xvfb) with no unknown class, property or event method; it holds at least as many components as
// the VB form has controls and its caption is the VB form's.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <algorithm>
#include <functional>
#include <ostream>

#include "migration/dfm_writer.h"
#include "migration/dialog_classes.h"
#include "migration/form_design.h"
#include "migration/form_events.h"
#include "migration/frx_resources.h"

namespace veldrane::migration {
namespace {

struct CheckResult {
  int exit_code = -1;
  QString output;
  int components = -1;
  QString caption;
  int pictures = -1;
  bool icon = false;
  QStringList classes;
};

CheckResult RunChecker(const QString& dfm_path, const QStringList& checker_arguments) {
  const QStringList arguments =
      QStringList{QStringLiteral("-a"), QStringLiteral(VELDRANE_LCL_FORM_CHECK), dfm_path} +
      checker_arguments;
  QProcess process;
  process.setProcessChannelMode(QProcess::MergedChannels);
  process.start(QStringLiteral(VELDRANE_XVFB_RUN), arguments);
  CheckResult result;
  if (!process.waitForFinished(60000)) return result;
  result.exit_code = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
  result.output = QString::fromUtf8(process.readAll());
  for (const QString& line : result.output.split(u'\n')) {
    if (line.startsWith(QLatin1String("components: "))) result.components = line.mid(12).trimmed().toInt();
    if (line.startsWith(QLatin1String("caption: "))) result.caption = line.mid(9);
    if (line.startsWith(QLatin1String("pictures: "))) result.pictures = line.mid(10).trimmed().toInt();
    if (line.startsWith(QLatin1String("icon: "))) result.icon = true;
    if (line.startsWith(QLatin1String("class: "))) result.classes << line.mid(7).trimmed();
  }
  return result;
}

// The Sub headers of the form's code: the event handlers among them are wired.
std::vector<VbRoutine> RoutinesOf(const QString& text) {
  static const QRegularExpression kHeader(
      QStringLiteral("^[ \\t]*(?:(?:Private|Public|Friend)[ \\t]+)?(?:Static[ \\t]+)?Sub[ \\t]+(\\w+)[ "
                     "\\t]*\\(([^)\\r\\n]*)\\)"),
      QRegularExpression::MultilineOption | QRegularExpression::CaseInsensitiveOption);
  std::vector<VbRoutine> routines;
  for (auto match = kHeader.globalMatch(text); match.hasNext();) {
    const QRegularExpressionMatch header = match.next();
    routines.push_back({header.captured(1), header.captured(2), QString()});
  }
  return routines;
}

struct Fixture {
  const char* file;
  const char* encoding;
  bool frame;
  const char* frx_left = "";  // the .frx values that stay behind: "control.property ..."
  const char* classes = "";   // classes the loaded form must hold: "TListView TTreeView"
};

void PrintTo(const Fixture& fixture, std::ostream* out) { *out << fixture.file; }

class LclLoad : public ::testing::TestWithParam<Fixture> {};

TEST_P(LclLoad, MigratedFormLoadsWithNoError) {
  const Fixture& fixture = GetParam();
  QFile file(QStringLiteral(VELDRANE_FORMS_DATA_DIR "/") + QLatin1String(fixture.file));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << fixture.file;
  QStringDecoder decoder(fixture.encoding);
  ASSERT_TRUE(decoder.isValid()) << fixture.encoding;
  const QString text = decoder(file.readAll());
  ASSERT_FALSE(decoder.hasError()) << fixture.file;

  FrxSource frx;
  frx.read = [](const QString& name) -> std::optional<QByteArray> {
    QFile resources(QStringLiteral(VELDRANE_FORMS_DATA_DIR "/") + name);
    if (!resources.open(QIODevice::ReadOnly)) return std::nullopt;
    return resources.readAll();
  };
  frx.decode = [&fixture](const QByteArray& bytes) {
    QStringDecoder frx_decoder(fixture.encoding);
    return QString(frx_decoder.decode(bytes));
  };
  FormDesign design = ParseFormDesign(text, &frx);
  ChooseDialogClasses(design, text);
  ASSERT_TRUE(design.found);
  QStringList frx_left;
  for (const FrxResource& resource : design.frx_resources)
    frx_left << resource.control + u'.' + resource.property;
  EXPECT_EQ(frx_left.join(u' ').toStdString(), fixture.frx_left);
  EXPECT_TRUE(design.problems.empty()) << design.problems.front().message.toStdString();
  const EventResolution events = ResolveEvents(design, RoutinesOf(text));
  QTemporaryDir directory;
  ASSERT_TRUE(directory.isValid());
  const QString dfm_path = directory.filePath(QStringLiteral("form.dfm"));
  QFile dfm(dfm_path);
  ASSERT_TRUE(dfm.open(QIODevice::WriteOnly));
  dfm.write(WriteDfm(design, events.wired, u'T' + design.root.name));
  dfm.close();
  QStringList methods;
  for (const EventBinding& binding : events.wired) methods << binding.method;
  methods.removeDuplicates();

  QStringList arguments{QStringLiteral("--methods"), methods.join(u',')};
  if (fixture.frame) arguments << QStringLiteral("--frame");
  const CheckResult result = RunChecker(dfm_path, arguments);
  EXPECT_EQ(result.exit_code, 0) << result.output.toStdString();
  EXPECT_FALSE(result.output.contains(QLatin1String("error:"))) << result.output.toStdString();
  EXPECT_GE(result.components, design.vb_control_count) << result.output.toStdString();
  EXPECT_GT(design.vb_control_count, 0);
  if (!fixture.frame) {
    EXPECT_EQ(result.caption, design.caption);
  }
  for (const QString& name : QString::fromLatin1(fixture.classes).split(u' ', Qt::SkipEmptyParts))
    EXPECT_TRUE(result.classes.contains(name)) << name.toStdString() << " not loaded";
  // Every picture and icon carried from the .frx is there once loaded.
  std::function<int(const FormControl&)> pictures = [&pictures](const FormControl& control) {
    int count = 0;
    for (const FormControl& child : control.children)
      count += pictures(child) +
               int(std::count_if(child.properties.begin(), child.properties.end(),
                                 [](const DfmProperty& p) { return p.name == u"Picture.Data"; }));
    return count;
  };
  EXPECT_EQ(result.pictures, pictures(design.root)) << result.output.toStdString();
  EXPECT_EQ(result.icon, std::any_of(design.root.properties.begin(), design.root.properties.end(),
                                     [](const DfmProperty& p) { return p.name == u"Icon.Data"; }));
}

INSTANTIATE_TEST_SUITE_P(
    Fixtures, LclLoad,
    ::testing::Values(
        Fixture{"intrinsic_controls.frm", "windows-1252", false, "List1.ItemData List1.List Image1.Picture"},
        Fixture{"nested_containers.frm", "windows-1252", false}, Fixture{"menus.frm", "windows-1252", false},
        Fixture{"control_arrays.frm", "windows-1252", false},
        Fixture{"fonts_and_colours.frm", "windows-1252", false},
        Fixture{"pixel_scale.frm", "windows-1252", false},
        Fixture{"shift_jis_captions.frm", "Shift_JIS", false}, Fixture{"gbk_captions.frm", "GBK", false},
        Fixture{"ocx_controls.frm", "windows-1252", false, "tabPages.TabPicture(0)"},
        Fixture{"frx_resources.frm", "windows-1252", false, "imgMetafile.Picture lstColours.ItemData"},
        Fixture{
            "common_ocx_controls.frm", "windows-1252", false, "",
            "TListView TTreeView TStatusBar TProgressBar TToolBar TImageList TTabControl TTrackBar TUpDown "
            "TStringGrid TOpenDialog"},
        Fixture{"dialogs.frm", "windows-1252", false, "", "TSaveDialog TColorDialog"},
        Fixture{"mdi_form.frm", "windows-1252", false}, Fixture{"user_control.ctl", "windows-1252", true}),
    [](const ::testing::TestParamInfo<Fixture>& info) {
      return QString::fromLatin1(info.param.file).section(u'.', 0, 0).toStdString();
    });

// The check can fail: a class, a property and a method the LCL or the unit lack are each reported.
TEST(LclChecker, ReportsUnknownClassesPropertiesAndMissingMethods) {
  QTemporaryDir directory;
  ASSERT_TRUE(directory.isValid());
  const QString dfm_path = directory.filePath(QStringLiteral("bad.dfm"));
  QFile dfm(dfm_path);
  ASSERT_TRUE(dfm.open(QIODevice::WriteOnly));
  dfm.write(
      "object Form1: TForm1\r\n  Caption = 'x'\r\n  OnCreate = FormCreate\r\n"
      "  object A: TNoSuchControl\r\n  end\r\n"
      "  object B: TButton\r\n    NoSuchProperty = 1\r\n    OnClick = BClick\r\n  end\r\nend\r\n");
  dfm.close();
  const CheckResult result =
      RunChecker(dfm_path, {QStringLiteral("--methods"), QStringLiteral("FormCreate")});
  EXPECT_EQ(result.exit_code, 1);
  EXPECT_TRUE(result.output.contains(QLatin1String("error: unknown class: TNoSuchControl")))
      << result.output.toStdString();
  EXPECT_TRUE(result.output.contains(QLatin1String("error: unknown property: TButton.NoSuchProperty")))
      << result.output.toStdString();
  EXPECT_TRUE(result.output.contains(QLatin1String("error: method not declared by the unit: BClick")))
      << result.output.toStdString();
  EXPECT_FALSE(result.output.contains(QLatin1String("FormCreate"))) << result.output.toStdString();
}

// With a unit instead of a list, the methods are those its procedures declare.
TEST(LclChecker, TakesTheMethodsFromAUnit) {
  QTemporaryDir directory;
  ASSERT_TRUE(directory.isValid());
  const QString dfm_path = directory.filePath(QStringLiteral("Form1.dfm"));
  const QString unit_path = directory.filePath(QStringLiteral("Form1.pas"));
  QFile dfm(dfm_path), unit(unit_path);
  ASSERT_TRUE(dfm.open(QIODevice::WriteOnly) && unit.open(QIODevice::WriteOnly));
  dfm.write(
      "object Form1: TForm1\r\n  OnCreate = FormCreate\r\n"
      "  object B: TButton\r\n    OnClick = BClick\r\n  end\r\n"
      "  object C: TButton\r\n    OnClick = CClick\r\n  end\r\nend\r\n");
  unit.write(
      "unit Form1;\r\ninterface\r\ntype\r\n  TForm1 = class(TForm)\r\n"
      "    procedure FormCreate(Sender: TObject);\r\n    procedure BClick(Sender: TObject);\r\n  end;\r\n"
      "implementation\r\nprocedure TForm1.FormCreate(Sender: TObject);\r\nbegin\r\nend;\r\nend.\r\n");
  dfm.close();
  unit.close();
  const CheckResult result = RunChecker(dfm_path, {QStringLiteral("--unit"), unit_path});
  EXPECT_EQ(result.exit_code, 1);
  EXPECT_EQ(result.output.count(QLatin1String("error:")), 1) << result.output.toStdString();
  EXPECT_TRUE(result.output.contains(QLatin1String("error: method not declared by the unit: CClick")))
      << result.output.toStdString();
}

}  // namespace
}  // namespace veldrane::migration
