#include "cli/options.h"

#include <QCommandLineParser>
#include <thread>

#include "build_info.h"
#include "cli/option_table.h"
#include "files/native_path.h"

namespace veldrane::cli {
namespace {

struct UsageError {
  QString message;
};

QCommandLineOption ParserOption(const OptionDeclaration& option) {
  QStringList names;
  if (option.short_name) names << option.short_name;
  names << option.long_name;
  return QCommandLineOption(names, QString(option.help), option.value_name ? option.value_name : QString(),
                            option.default_value ? option.default_value : QString());
}

files::TextEncoding RequireEncoding(const QString& option, const QString& name) {
  if (auto encoding = files::EncodingFromName(name)) return *encoding;
  if (name.compare("utf-16", Qt::CaseInsensitive) == 0 || name.compare("utf16", Qt::CaseInsensitive) == 0)
    throw UsageError{QString("--%1 utf-16 needs a byte order: name utf-16le or utf-16be").arg(option)};
  throw UsageError{QString("unknown encoding '%1' for --%2").arg(files::DisplayPath(name.toUtf8()), option)};
}

int64_t RequirePositive(const QString& option, const QString& value, int64_t max) {
  bool ok = false;
  const qlonglong n = value.toLongLong(&ok);
  if (!ok || n < 1 || n > max)
    throw UsageError{
        max < INT64_MAX
            ? QString("--%1 needs a whole number from 1 to %2, not '%3'").arg(option).arg(max).arg(value)
            : QString("--%1 needs a whole number from 1, not '%2'").arg(option, value)};
  return n;
}

QByteArray PathValue(const QCommandLineParser& parser, const char* option) {
  return files::NativeFromArgument(parser.value(option));
}

Options ReadOptions(const QCommandLineParser& parser) {
  Options o;
  for (const QString& input : parser.positionalArguments()) o.inputs.append(files::NativeFromArgument(input));
  o.output_file = PathValue(parser, "output");
  o.out_dir = PathValue(parser, "out-dir");
  o.force = parser.isSet("force");
  o.translate = parser.isSet("translate");
  o.quiet = parser.isSet("quiet");
  o.verbose = parser.isSet("verbose");
  o.trace_file = PathValue(parser, "trace");
  o.project_root = PathValue(parser, "project-root");
  if (parser.isSet("project-root") && o.project_root.isEmpty())
    throw UsageError{"--project-root needs a directory name"};
  const bool batch = parser.isSet("out-dir");
  if (o.quiet && o.verbose) throw UsageError{"-q and -v exclude each other"};
  if (parser.isSet("output") && batch) throw UsageError{"-o and --out-dir exclude each other"};
  if (parser.isSet("output") && o.output_file.isEmpty()) throw UsageError{"-o needs a file name"};
  if (batch && o.out_dir.isEmpty()) throw UsageError{"--out-dir needs a directory name"};
  if (parser.isSet("trace") && o.trace_file.isEmpty()) throw UsageError{"--trace needs a file name"};
  if (!batch && o.inputs.size() > 1) throw UsageError{"several inputs need --out-dir"};
  if (batch && (o.inputs.isEmpty() || o.inputs.contains("-")))
    throw UsageError{"--out-dir needs named input files or directories, not standard input"};
  for (const char* single : {"trace", "stop-at-yield", "clear-at-yield"}) {
    if (batch && parser.isSet(single))
      throw UsageError{QString("--%1 takes a single input without --out-dir").arg(single)};
  }
  // "-" and /dev/stdout name standard output; the link /dev/stdout is never written through.
  if (o.output_file == "-" || o.output_file == "/dev/stdout") o.output_file.clear();
  if (o.trace_file == "/dev/stdout") o.trace_file = "-";
  if (o.trace_file == "-" && o.output_file.isEmpty() && !batch)
    throw UsageError{"--trace - needs -o FILE: the result goes to standard output"};

  files::ConversionSettings& s = o.settings;
  const QString encoding = parser.value("encoding");
  if (encoding.compare("auto", Qt::CaseInsensitive) != 0)
    s.input_encoding = RequireEncoding("encoding", encoding);
  const QString legacy = parser.value("legacy-encoding");
  if (legacy.compare("auto", Qt::CaseInsensitive) != 0)
    s.legacy_encoding = RequireEncoding("legacy-encoding", legacy);
  if (parser.isSet("output-encoding"))
    s.output_encoding = RequireEncoding("output-encoding", parser.value("output-encoding"));
  const QString eol = parser.value("eol");
  if (eol == "auto") {
    s.eol = files::EolMode::kAuto;
  } else if (eol == "keep") {
    s.eol = files::EolMode::kKeep;
  } else {
    throw UsageError{QString("--eol takes auto or keep, not '%1'").arg(eol)};
  }
  s.whole_file = parser.isSet("whole-file");
  s.run.record_captions = !o.trace_file.isEmpty();
  if (parser.isSet("stop-at-yield"))
    s.run.stop_at_yield = RequirePositive("stop-at-yield", parser.value("stop-at-yield"), INT64_MAX);
  if (parser.isSet("clear-at-yield"))
    s.run.clear_at_yield = RequirePositive("clear-at-yield", parser.value("clear-at-yield"), INT64_MAX);
  o.jobs = parser.isSet("jobs") ? int(RequirePositive("jobs", parser.value("jobs"), kMaxJobs))
                                : int(std::max(1u, std::thread::hardware_concurrency()));
  return o;
}

}  // namespace

ParsedArguments ParseArguments(const QStringList& arguments) {
  QCommandLineParser parser;
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsCompactedShortOptions);
  for (const OptionDeclaration& option : OptionTable()) parser.addOption(ParserOption(option));
  ParsedArguments parsed;
  if (!parser.parse(QStringList{kProgramName} + arguments)) {
    parsed.action = ParsedArguments::Action::kUsageError;
    parsed.message = files::DisplayPath(files::NativeFromArgument(parser.errorText()));
    return parsed;
  }
  if (parser.isSet("help")) {
    parsed.action = ParsedArguments::Action::kHelp;
    parsed.message = HelpText();
    return parsed;
  }
  if (parser.isSet("version")) {
    parsed.action = ParsedArguments::Action::kVersion;
    parsed.message = QString("%1 %2 (commit %3)\n").arg(kProgramName, VELDRANE_VERSION, VELDRANE_COMMIT);
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
