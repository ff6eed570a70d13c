#include "cli/options.h"

#include <QCommandLineParser>
#include <thread>

namespace veldrane::cli {
namespace {

const QCommandLineOption kOutput({"o", "output"}, "", "FILE");
const QCommandLineOption kOutDir("out-dir", "", "DIR");
const QCommandLineOption kForce({"f", "force"}, "");
const QCommandLineOption kEncoding("encoding", "", "NAME", "auto");
const QCommandLineOption kLegacyEncoding("legacy-encoding", "", "NAME", "windows-1252");
const QCommandLineOption kOutputEncoding("output-encoding", "", "NAME");
const QCommandLineOption kEol("eol", "", "MODE", "auto");
const QCommandLineOption kWholeFile("whole-file", "");
const QCommandLineOption kJobs({"j", "jobs"}, "", "N");
const QCommandLineOption kQuiet({"q", "quiet"}, "");
const QCommandLineOption kVerbose({"v", "verbose"}, "");
const QCommandLineOption kTrace("trace", "", "FILE");
const QCommandLineOption kStopAtYield("stop-at-yield", "", "K");
const QCommandLineOption kClearAtYield("clear-at-yield", "", "K");
const QCommandLineOption kHelp({"h", "help"}, "");
const QCommandLineOption kVersion("version", "");

struct UsageError {
  QString message;
};

files::TextEncoding RequireEncoding(const QString& option, const QString& name) {
  if (auto encoding = files::EncodingFromName(name)) return *encoding;
  throw UsageError{QString("unknown encoding '%1' for --%2").arg(name, option)};
}

int64_t RequirePositive(const QString& option, const QString& value, int64_t max) {
  bool ok = false;
  const qlonglong n = value.toLongLong(&ok);
  if (!ok || n < 1 || n > max)
    throw UsageError{QString("--%1 needs a whole number from 1, not '%2'").arg(option, value)};
  return n;
}

Options ReadOptions(const QCommandLineParser& parser) {
  Options o;
  o.inputs = parser.positionalArguments();
  o.output_file = parser.value(kOutput);
  o.out_dir = parser.value(kOutDir);
  o.force = parser.isSet(kForce);
  o.quiet = parser.isSet(kQuiet);
  o.verbose = parser.isSet(kVerbose);
  o.trace_file = parser.value(kTrace);
  if (o.quiet && o.verbose) throw UsageError{"-q and -v exclude each other"};
  if (parser.isSet(kOutput) && parser.isSet(kOutDir)) throw UsageError{"-o and --out-dir exclude each other"};
  if (parser.isSet(kOutput) && o.output_file.isEmpty()) throw UsageError{"-o needs a file name"};
  if (parser.isSet(kOutDir) && o.out_dir.isEmpty()) throw UsageError{"--out-dir needs a directory name"};
  if (parser.isSet(kTrace) && o.trace_file.isEmpty()) throw UsageError{"--trace needs a file name"};
  if (o.out_dir.isEmpty() && o.inputs.size() > 1) throw UsageError{"several inputs need --out-dir"};
  if (!o.out_dir.isEmpty() && (o.inputs.isEmpty() || o.inputs.contains("-")))
    throw UsageError{"--out-dir needs named input files or directories, not standard input"};
  if (!o.out_dir.isEmpty() && parser.isSet(kTrace))
    throw UsageError{"--trace takes a single input without --out-dir"};

  files::ConversionSettings& s = o.settings;
  const QString encoding = parser.value(kEncoding);
  if (encoding.compare("auto", Qt::CaseInsensitive) != 0)
    s.input_encoding = RequireEncoding("encoding", encoding);
  s.legacy_encoding = RequireEncoding("legacy-encoding", parser.value(kLegacyEncoding));
  if (parser.isSet(kOutputEncoding))
    s.output_encoding = RequireEncoding("output-encoding", parser.value(kOutputEncoding));
  const QString eol = parser.value(kEol);
  if (eol == "auto") {
    s.eol = files::EolMode::kAuto;
  } else if (eol == "keep") {
    s.eol = files::EolMode::kKeep;
  } else {
    throw UsageError{QString("--eol takes auto or keep, not '%1'").arg(eol)};
  }
  s.whole_file = parser.isSet(kWholeFile);
  s.run.record_captions = !o.trace_file.isEmpty();
  if (parser.isSet(kStopAtYield))
    s.run.stop_at_yield = RequirePositive("stop-at-yield", parser.value(kStopAtYield), INT64_MAX);
  if (parser.isSet(kClearAtYield))
    s.run.clear_at_yield = RequirePositive("clear-at-yield", parser.value(kClearAtYield), INT64_MAX);
  o.jobs = parser.isSet(kJobs) ? int(RequirePositive("jobs", parser.value(kJobs), 1024))
                               : int(std::max(1u, std::thread::hardware_concurrency()));
  return o;
}

}  // namespace

ParsedArguments ParseArguments(const QStringList& arguments) {
  QCommandLineParser parser;
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsCompactedShortOptions);
  parser.addOptions({kOutput, kOutDir, kForce, kEncoding, kLegacyEncoding, kOutputEncoding, kEol, kWholeFile,
                     kJobs, kQuiet, kVerbose, kTrace, kStopAtYield, kClearAtYield, kHelp, kVersion});
  ParsedArguments parsed;
  if (!parser.parse(QStringList{kProgramName} + arguments)) {
    parsed.action = ParsedArguments::Action::kUsageError;
    parsed.message = parser.errorText();
    return parsed;
  }
  if (parser.isSet(kHelp)) {
    parsed.action = ParsedArguments::Action::kHelp;
    parsed.message = HelpText();
    return parsed;
  }
  if (parser.isSet(kVersion)) {
    parsed.action = ParsedArguments::Action::kVersion;
    parsed.message = QString("%1 %2\n").arg(kProgramName, VELDRANE_VERSION);
    return parsed;
  }
  try {
    parsed.options = ReadOptions(parser);
  } catch (const UsageError& error) {
    parsed.action = ParsedArguments::Action::kUsageError;
    parsed.message = error.message;
  }
  return parsed;
}

}  // namespace veldrane::cli
