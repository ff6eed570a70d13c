// The skeleton a migration writes compiles: every unit of a migrated project with its converted
// statement bodies left out (each routine an empty `begin end;`), and the program, built with
// Free Pascal in Delphi mode against the LCL. Set VELDRANE_EXTRA_PROJECTS to .vbp paths
// (separated by ':') to try other projects the same way, VELDRANE_EXTRA_PROJECTS_ROOT to their
// --project-root.

#include <gtest/gtest.h>

#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "files/safe_output.h"
#include "migration/project_migration.h"
#include "param_name.h"

namespace veldrane::migration {
namespace {

const QString kData = QStringLiteral(VELDRANE_PROJECTS_DATA_DIR);

// The unit with every routine's body after `implementation` reduced to `begin end;`: what
// stands between one routine header and the next is left out, and so are routines whose
// header the conversion left as it was (not declared, so nothing misses them).
QString WithoutBodies(const QString& unit) {
  static const QRegularExpression kHeader(
      R"(^\s*(procedure|function|constructor|destructor)\s+[\w.]+\s*(\([^)]*\))?\s*(:\s*[\w ]+)?;\s*(//.*)?$)",
      QRegularExpression::CaseInsensitiveOption);
  static const QRegularExpression kRoutineStart(
      R"(^\s*(?:(?:Public|Private|Friend|Static)\s+)*(?:procedure|function|Property\s+(?:Get|Let|Set))\b)",
      QRegularExpression::CaseInsensitiveOption);
  QStringList out;
  bool implementation = false, in_routine = false;
  for (const QString& line : unit.split(QRegularExpression("\r\n|\r|\n"))) {
    if (!implementation) {
      out << line;
      implementation = line.trimmed() == "implementation";
    } else if (line.trimmed() == "end.") {
      out << "end.";
      break;
    } else if (line.startsWith("{$")) {
      out << line;  // conditional compilation stays
    } else if (kHeader.match(line).hasMatch()) {
      out << line << "begin"
          << "end;";
      in_routine = true;
    } else if (kRoutineStart.match(line).hasMatch()) {
      in_routine = true;  // a header left as the conversion wrote it, with its body
    } else if (!in_routine) {
      out << line;
    }
  }
  return out.join("\n");
}

struct Compiled {
  bool migrated = false;
  int exit_code = -1;
  QString output;
};

Compiled MigrateAndCompile(const QString& vbp, const QString& project_root) {
  Compiled compiled;
  QTemporaryDir out;
  if (!out.isValid()) return compiled;
  const files::OutputDirectory directory(QFile::encodeName(out.path()), files::OutputRules{});
  const OutputWriter write = [&](const QString& relative, const QByteArray& bytes) {
    return directory.Write(QFile::encodeName(relative), bytes);
  };
  const ProjectOutcome outcome = MigrateProject(vbp, files::ConversionSettings{}, 1, write, project_root);
  compiled.migrated = outcome.dpr_written;
  for (QDirIterator it(out.path(), {"*.pas"}, QDir::Files, QDirIterator::Subdirectories); it.hasNext();) {
    QFile unit(it.next());
    if (!unit.open(QIODevice::ReadOnly)) return compiled;
    // Latin-1 keeps every byte as it is, whatever the unit's encoding.
    const QByteArray skeleton = WithoutBodies(QString::fromLatin1(unit.readAll())).toLatin1();
    unit.close();
    if (!unit.open(QIODevice::WriteOnly | QIODevice::Truncate) || unit.write(skeleton) != skeleton.size())
      return compiled;
  }
  // LCL: as Lazarus defines it for the programs that use the LCL.
  QStringList arguments{"-Mdelphi", "-dLCL", "-Cn", "-l-", "-vew", "-FU" + out.filePath("units")};
  for (const QString& dir : QStringLiteral(VELDRANE_LCL_UNIT_DIRS).split(u'|')) arguments << "-Fu" + dir;
  QDir(out.path()).mkdir("units");
  arguments << outcome.dpr_path;
  QProcess fpc;
  fpc.setWorkingDirectory(out.path());  // as one compiles a program: in its folder
  fpc.setProcessChannelMode(QProcess::MergedChannels);
  fpc.start(VELDRANE_FPC, arguments);
  fpc.waitForFinished(300000);
  compiled.exit_code = fpc.exitStatus() == QProcess::NormalExit ? fpc.exitCode() : -1;
  compiled.output = QString::fromLocal8Bit(fpc.readAll());
  return compiled;
}

class SkeletonCompiles : public ::testing::TestWithParam<const char*> {};

TEST_P(SkeletonCompiles, WithFreePascalInDelphiModeAgainstTheLcl) {
  const Compiled compiled = MigrateAndCompile(kData + u'/' + GetParam(), kData);
  ASSERT_TRUE(compiled.migrated);
  EXPECT_EQ(compiled.exit_code, 0) << compiled.output.toStdString();
}

INSTANTIATE_TEST_SUITE_P(FixtureProjects, SkeletonCompiles,
                         ::testing::Values("app/App.vbp", "submain/Tool.vbp", "clash/Clash.vbp",
                                           "skeleton/Store.vbp"),
                         [](const auto& info) { return ParamName(info.param); });

TEST(SkeletonCompiles, ProjectsNamedByTheEnvironment) {
  const QString projects = qEnvironmentVariable("VELDRANE_EXTRA_PROJECTS");
  if (projects.isEmpty()) GTEST_SKIP() << "VELDRANE_EXTRA_PROJECTS names no project";
  int compiled = 0, total = 0;
  for (const QString& vbp : projects.split(u':', Qt::SkipEmptyParts)) {
    ++total;
    const Compiled result = MigrateAndCompile(vbp, qEnvironmentVariable("VELDRANE_EXTRA_PROJECTS_ROOT"));
    if (result.migrated && result.exit_code == 0) {
      ++compiled;
      continue;
    }
    ADD_FAILURE() << vbp.toStdString() << "\n" << result.output.right(3000).toStdString();
  }
  std::cout << compiled << " of " << total << " skeletons compile\n";
}

}  // namespace
}  // namespace veldrane::migration
