// Migrating the fixture projects: each unit is the exact conversion of its file, line for line,
// wrapped in a unit skeleton; only routine header lines differ, and only by becoming the
// header of the same routine as a method, and the declarations section, whose lines become
// comments (the skeleton declares what they declared). The .dpr lists every unit; nothing lands outside
// the output directory; a missing file is reported while the rest migrate.

#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <map>
#include <mutex>

#include "files/file_conversion.h"
#include "migration/project_migration.h"
#include "migration/text_lines.h"
#include "param_name.h"

namespace veldrane::migration {
namespace {

const QString kData = QStringLiteral(VELDRANE_PROJECTS_DATA_DIR);

QByteArray ReadFixture(const QString& relative) {
  QFile file(kData + u'/' + relative);
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << relative.toStdString();
  return file.readAll();
}

struct Migrated {
  ProjectOutcome outcome;
  std::map<QString, QByteArray> outputs;
};

Migrated Migrate(const QString& vbp, const files::ConversionSettings& settings = {}) {
  Migrated migrated;
  std::mutex outputs;  // the writer is called from the conversion threads
  const OutputWriter capture = [&](const QString& path, const QByteArray& bytes) -> std::optional<QString> {
    const std::lock_guard lock(outputs);
    EXPECT_EQ(migrated.outputs.count(path), 0u) << "written twice: " << path.toStdString();
    migrated.outputs[path] = bytes;
    return std::nullopt;
  };
  // The data folder is the root: App.vbp takes a module from ../shared.
  migrated.outcome = MigrateProject(kData + u'/' + vbp, settings, 2, capture, kData);
  return migrated;
}

struct UnitCase {
  const char* project;
  const char* source;     // below the data folder
  const char* unit_path;  // below the output directory
  int rewritten_headers;  // header lines the unit rewrites as methods
};

const UnitCase kUnits[] = {
    {"app/App.vbp", "app/Main.frm", "Main.pas", 6},
    {"app/App.vbp", "app/About.frm", "About.pas", 1},
    {"app/App.vbp", "app/Utils/utils.bas", "Utils/Utils.pas", 3},
    {"app/App.vbp", "app/Counter.cls", "Counter.pas", 4},
    {"app/App.vbp", "shared/Shared.bas", "external/shared/Shared.pas", 1},
    {"app/App.vbp", "app/Controls/Gauge.ctl", "Controls/Gauge.pas", 2},
    {"submain/Tool.vbp", "submain/Startup.bas", "Startup.pas", 1},
    {"submain/Tool.vbp", "submain/Status.frm", "Status.pas", 1},
    {"submain/Tool.vbp", "submain/Texts.bas", "Texts.pas", 1},
};

// A converted routine header and the method header that replaces it.
const QRegularExpression kConvertedHeader(R"(^(\s*)(?:Friend |Static )?(procedure|function) (\w+)\()");
const QRegularExpression kMethodHeader(
    R"(^(\s*)(procedure|function|constructor|destructor) (\w+\.)?(\w+)[(;:])");

class UnitIsTheConversion : public ::testing::TestWithParam<UnitCase> {};

TEST_P(UnitIsTheConversion, CodePartEqualsTheExactConversionLineForLine) {
  const UnitCase& c = GetParam();
  const Migrated migrated = Migrate(c.project);
  ASSERT_EQ(migrated.outputs.count(c.unit_path), 1u) << c.unit_path;

  const files::FileOutcome conversion =
      files::ConvertBytes(ReadFixture(c.source), files::ConversionSettings{});
  ASSERT_FALSE(conversion.error.has_value());
  const std::vector<TextLine> expected =
      SplitLines(files::DecodeAs(conversion.output, conversion.encoding).text);
  const files::DecodedText unit_text = files::DecodeAs(migrated.outputs.at(c.unit_path), conversion.encoding);
  ASSERT_FALSE(unit_text.error.has_value());
  const std::vector<TextLine> unit = SplitLines(unit_text.text);

  const QString base = QString(c.unit_path).section(u'/', -1).section(u'.', 0, 0);
  ASSERT_FALSE(unit.empty());
  EXPECT_EQ(unit.front().text, "unit " + base + u';');
  EXPECT_EQ(unit.back().text, "end.");
  // The converted code stands directly before the closing "end.".
  const int first = int(unit.size()) - 1 - int(expected.size());
  ASSERT_GT(first, 0);
  EXPECT_EQ(unit.front().eol, DominantLineBreak(expected)) << "skeleton lines take the file's line breaks";

  int rewritten = 0;
  for (int i = 0; i < int(expected.size()); ++i) {
    const TextLine& want = expected[i];
    const TextLine& got = unit[first + i];
    if (i + 1 < int(expected.size()) || !want.eol.isEmpty()) {
      EXPECT_EQ(got.eol, want.eol) << "line " << i + 1;
    }
    if (got.text == want.text) continue;
    if (got.text == "// " + want.text) {
      EXPECT_FALSE(kConvertedHeader.match(want.text).hasMatch()) << "only declarations become comments";
      continue;
    }
    const auto converted = kConvertedHeader.match(want.text);
    const auto method = kMethodHeader.match(got.text);
    ASSERT_TRUE(converted.hasMatch() && method.hasMatch())
        << c.unit_path << " line " << i + 1 << ": '" << got.text.toStdString()
        << "' is not the conversion's '" << want.text.toStdString() << "'";
    EXPECT_EQ(method.captured(1), converted.captured(1)) << "indentation kept";
    ++rewritten;
  }
  EXPECT_EQ(rewritten, c.rewritten_headers) << c.unit_path;
}

INSTANTIATE_TEST_SUITE_P(FixtureProjects, UnitIsTheConversion, ::testing::ValuesIn(kUnits),
                         [](const auto& info) { return ParamName(info.param.unit_path); });

TEST(ProjectMigration, ModuleUnitHoldsTheConversionBytesUnchanged) {
  // Behind the rewritten header the conversion's bytes (Shift_JIS here, LF breaks) stand in the
  // unit as they are.
  const Migrated migrated = Migrate("submain/Tool.vbp");
  const files::FileOutcome conversion =
      files::ConvertBytes(ReadFixture("submain/Texts.bas"), files::ConversionSettings{});
  ASSERT_TRUE(migrated.outputs.count("Texts.pas"));
  const QByteArray body = conversion.output.mid(conversion.output.indexOf("\nbegin"));
  EXPECT_TRUE(migrated.outputs.at("Texts.pas").contains(body));
  EXPECT_TRUE(migrated.outputs.at("Texts.pas").contains("\nfunction Title: string;\n"));
  EXPECT_FALSE(migrated.outputs.at("Texts.pas").contains("\r\n"));
}

TEST(ProjectMigration, DprListsEveryUnitWrittenAndStaysInsideTheOutput) {
  for (const char* project : {"app/App.vbp", "submain/Tool.vbp"}) {
    const Migrated migrated = Migrate(project);
    const QString dpr_name = QString(project).section(u'/', -1).replace(".vbp", ".dpr");
    ASSERT_EQ(migrated.outputs.count(dpr_name), 1u) << project;
    const QString dpr = QString::fromUtf8(migrated.outputs.at(dpr_name));
    int units = 0;
    for (const auto& [path, bytes] : migrated.outputs) {
      EXPECT_FALSE(path.startsWith(u'/') || path.split(u'/').contains("..")) << path.toStdString();
      if (!path.endsWith(".pas")) continue;
      ++units;
      const QString name = path.section(u'/', -1).section(u'.', 0, 0);
      const QString listed = QString("  %1 in '%2'").arg(name, QString(path).replace(u'/', u'\\'));
      EXPECT_TRUE(dpr.contains(listed)) << project << ": " << listed.toStdString();
    }
    EXPECT_EQ(units, migrated.outcome.units) << project;
  }
}

TEST(ProjectMigration, MissingFileIsReportedAndTheRestMigrate) {
  const Migrated migrated = Migrate("app/App.vbp");
  ASSERT_EQ(migrated.outcome.problems.size(), 1);
  EXPECT_TRUE(migrated.outcome.problems.front().contains("Missing.bas"));
  EXPECT_EQ(migrated.outcome.units, 6);
  const QString report = QString::fromUtf8(migrated.outputs.at("App.migration.md"));
  EXPECT_TRUE(report.contains("**Not migrated**: not found:")) << report.toStdString();
  EXPECT_TRUE(report.contains("PropertyPage=Page1.pag")) << "the entry that is not migrated is named";
  EXPECT_FALSE(report.contains("NotAMember")) << "entries after a [section] are not members";
  for (const char* dfm : {"Main.dfm", "About.dfm", "Controls/Gauge.dfm"})
    EXPECT_EQ(migrated.outputs.count(dfm), 1u);
  const QString dpr = QString::fromUtf8(migrated.outputs.at("App.dpr"));
  EXPECT_TRUE(dpr.contains("  Gauge in 'Controls\\Gauge.pas' {Gauge: TFrame}")) << dpr.toStdString();
  EXPECT_FALSE(dpr.contains("CreateForm(TGauge")) << "a user control is not created as a form";
}

TEST(ProjectMigration, ProgramCreatesOnlyTheStartupObject) {
  const QString app = QString::fromUtf8(Migrate("app/App.vbp").outputs.at("App.dpr"));
  EXPECT_TRUE(app.contains("  Application.Title := 'Caf'#233' Tool';\r\n")) << app.toStdString();
  EXPECT_TRUE(app.contains("  frmMain; // the startup form\r\n  Application.Run;\r\n")) << app.toStdString();
  EXPECT_TRUE(app.contains("  Main in 'Main.pas' {frmMain},\r\n")) << app.toStdString();
  EXPECT_FALSE(app.contains("frmAbout;"));
  const Migrated tool = Migrate("submain/Tool.vbp");
  const QString dpr = QString::fromUtf8(tool.outputs.at("Tool.dpr"));
  // The project file is Shift_JIS, found by the code page detection.
  EXPECT_TRUE(dpr.contains("  Application.Title := #22793#25563#12484#12540#12523#12398"))
      << dpr.toStdString();
  EXPECT_TRUE(dpr.contains("  Main;\r\n  if Application.MainForm <> nil then Application.Run;"))
      << dpr.toStdString();
  EXPECT_FALSE(dpr.contains("frmStatus;"));
  EXPECT_TRUE(tool.outputs.at("Startup.pas")
                  .contains("interface\n\nuses\n  SysUtils, Classes, Variants;\n\nprocedure Main;"))
      << "Main is declared";
}

TEST(ProjectMigration, UnitNamesAreUniqueAndFilesAreNamedAfterTheirUnits) {
  const Migrated migrated = Migrate("clash/Clash.vbp");
  EXPECT_TRUE(migrated.outcome.problems.isEmpty()) << migrated.outcome.problems.join("; ").toStdString();
  const struct {
    const char* path;
    const char* unit_line;
  } units[] = {{"ClashUnit.pas", "unit ClashUnit;"},             // the form's instance is Clash
               {"MStrings.pas", "unit MStrings;"},               // a module takes its VB name
               {"other/FormsUnit.pas", "unit FormsUnit;"},       // "Forms" is the program's own unit
               {"other/ClashUnit_2.pas", "unit ClashUnit_2;"}};  // two forms in files of one name
  for (const auto& unit : units) {
    ASSERT_EQ(migrated.outputs.count(unit.path), 1u) << unit.path;
    EXPECT_TRUE(migrated.outputs.at(unit.path).startsWith(QByteArray(unit.unit_line) + "\r\n")) << unit.path;
  }
  EXPECT_EQ(migrated.outputs.count("other/ClashUnit_2.dfm"), 1u);
  const QString dpr = QString::fromUtf8(migrated.outputs.at("Clash.dpr"));
  EXPECT_TRUE(dpr.startsWith("program ClashProject;")) << "the program yields its name to the unit";
  EXPECT_EQ(dpr.count("ClashUnit in "), 1) << "Clash.frm listed twice is migrated once";
  const QString report = QString::fromUtf8(migrated.outputs.at("Clash.migration.md"));
  EXPECT_TRUE(report.contains("listed again on line 6")) << report.toStdString();
}

TEST(ProjectMigration, ReportCountsHandWorkWithLineNumbers) {
  const QString report = QString::fromUtf8(Migrate("app/App.vbp").outputs.at("App.migration.md"));
  for (const char* row :
       {"| Hand work: On Error | 1 |", "| Hand work: GoSub | 1 |", "| Hand work: Variant | 1 |",
        "| Hand work: Open/Print \\# file I/O | 3 |", "| Hand work: Set/New of COM objects | 1 |",
        "  | Open/Print \\# file I/O | 3 | 13, 14, 15 |", "  | On Error | 1 | 58 |",
        "| Not migrated (missing or unreadable) | 1 |",
        "- Routine headers left as converted: Value (line 31)"}) {
    EXPECT_TRUE(report.contains(row)) << row << "\n" << report.toStdString();
  }
}

// What the skeleton cannot carry is in the report: a row per rule.
TEST(ProjectMigration, ReportNamesWhatTheSkeletonLeavesToHandWork) {
  const Migrated migrated = Migrate("skeleton/Store.vbp");
  EXPECT_EQ(migrated.outcome.problems.size(), 1) << migrated.outcome.problems.join('\n').toStdString();
  EXPECT_TRUE(migrated.outcome.problems.value(0).contains("Bare.frm: no designer section"));
  const QString report = QString::fromUtf8(migrated.outputs.at("Store.migration.md"));
  for (const char* row : {
           "Line numbers are those of the VB source file",
           "  - Declare GetTickCount (line 20)",                             // removed by the conversion
           "  - Optional extra of Pick (line 24)",                           // a Variant has no default
           "  - Event Changed (line 10)",                                    // class events
           "  - TItem declared as TObject: its unit Item uses this one",     // no circle of interfaces
           "  - Spinner1 (Store.Spinner, line 73)",                          // the project's own control
           "  - chkIn(i) in the code: the components chkIn\\_0, chkIn\\_1",  // control arrays
           "- Event handlers not wired (their header stayed as converted: the control does nothing): 1",
           "| Event handlers wired / not wired | 3 / 1 |",
           "  - chkIn\\_Click",
           "  - frmStore.ForeColor (line 8)",  // for drawing, not the controls' colour
           "- line 1: no designer section (Begin VB.Form ... End): written as an empty form",
       })
    EXPECT_TRUE(report.contains(QLatin1String(row))) << row << "\n" << report.toStdString();
  EXPECT_FALSE(report.contains("TabIndex")) << "labels' tab indexes are not listed";
  EXPECT_TRUE(migrated.outputs.at("BareUnit.dfm").startsWith("object Bare: TBare\r\n"));
}

}  // namespace
}  // namespace veldrane::migration
