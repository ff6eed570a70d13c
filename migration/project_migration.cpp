#include "migration/project_migration.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <algorithm>
#include <atomic>
#include <thread>

#include "files/input_reading.h"
#include "files/native_path.h"
#include "migration/converted_file.h"
#include "migration/delphi_names.h"
#include "migration/dfm_writer.h"
#include "migration/dialog_classes.h"
#include "migration/dpr_writer.h"
#include "migration/form_unit.h"
#include "migration/frx_resources.h"
#include "migration/lpi_writer.h"
#include "migration/migration_report.h"
#include "migration/project_code_page.h"
#include "migration/project_paths.h"

namespace veldrane::migration {
namespace {

// A project file is a short list of entries; one that is larger is not read.
constexpr qsizetype kMaxProjectFileBytes = qsizetype(16) << 20;

// Only regular files are read: a FIFO or device named by a project would block or stream.
files::InputBytes ReadRegularFile(const QString& lossless_path, qsizetype max_bytes = files::kMaxInputBytes) {
  return files::ReadInputFile(files::NativeFromArgument(lossless_path), files::InputSource::kFound,
                              max_bytes);
}

QString EntryText(const VbpMember& member) {
  static const char* const kKeys[] = {"Form", "Module", "Class", "UserControl"};
  const QString key = kKeys[int(member.kind)];
  return member.declared_name.isEmpty() ? QString("%1=%2").arg(key, member.path)
                                        : QString("%1=%2; %3").arg(key, member.declared_name, member.path);
}

bool IsFormLike(MemberKind kind) { return kind == MemberKind::kForm || kind == MemberKind::kUserControl; }

// One member on its way through the migration.
struct Member {
  VbpMember entry;
  QString source_path;  // the project root joined with the path below it, lossless
  QString relative;     // below the output directory, the source's extension kept
  QString source_text;
  QString converted_text;
  files::FileOutcome conversion;
  ConvertedFile converted;
  QString unit_name;
  QString form_name;             // forms and user controls: the form's variable and class name without T
  QString vb_name;               // Attribute VB_Name, else the project file's name for it, else the file's
  std::size_t report_index = 0;  // its entry in ProjectReport::files
  QString error;                 // why it could not be read, converted, encoded or written
  QByteArray unit_bytes, dfm_bytes;
  QByteArray bytes;  // the file's, read before the project's code page is chosen
  QString read_as;   // "GBK (project code page)", "UTF-8"
};

// Unit names must be unique in a project whatever their case; a later duplicate gets "_2"...
QString UniqueName(const QString& wanted, QSet<QString>* taken) {
  QString name = wanted;
  for (int n = 2; taken->contains(name.toLower()); ++n) name = QString("%1_%2").arg(wanted).arg(n);
  taken->insert(name.toLower());
  return name;
}

// A name another unit of the project may use: a type (class, form, user type, enum) or a constant.
struct ProjectType {
  QString pascal, unit;
  bool is_class = false;
  QString value;  // a constant's, in Pascal
};

class ProjectMigration {
 public:
  ProjectMigration(const QString& vbp_path, const QString& project_root,
                   const files::ConversionSettings& settings, int jobs, const OutputWriter& write)
      : vbp_path_(vbp_path),
        project_root_(files::NativeFromArgument(project_root)),
        settings_(settings),
        jobs_(jobs),
        write_(write) {
    settings_.whole_file = false;
    report_.vbp_name = QFileInfo(vbp_path).fileName();
  }

  ProjectOutcome Run() {
    if (!ReadProject()) return outcome_;
    ResolveMembers();
    ReadMembers();
    ChooseCodePage();
    NoteProjectClasses();
    ConvertMembers();
    ScanMembers();
    NameUnits();
    WriteUnits();
    WriteProjectFiles();
    return outcome_;
  }

 private:
  FileReport& Report(const Member& member) { return report_.files[member.report_index]; }
  const FileReport& Report(const Member& member) const { return report_.files[member.report_index]; }

  void Problem(const QString& where, const QString& cause) { outcome_.problems.append(where + ": " + cause); }

  bool ReadProject() {
    const files::InputBytes read = ReadRegularFile(vbp_path_, kMaxProjectFileBytes);
    if (read.error) {
      Problem(vbp_path_, *read.error);
      return false;
    }
    if (auto problem = LocateProjectFolder(files::NativeFromArgument(vbp_path_), project_root_, &folder_)) {
      Problem(vbp_path_, *problem);
      return false;
    }
    vbp_bytes_ = read.bytes;
    // The code page the project's names are written in: the one its project file reads in
    // (the whole project's code page is chosen once the members are read).
    files::DecodedText decoded = files::DecodeInput(read.bytes, settings_);
    code_page_ = decoded.encoding;
    if (decoded.error) {
      Problem(vbp_path_,
              QString("%1 at byte offset %2").arg(decoded.error->cause).arg(decoded.error->byte_offset));
      return false;
    }
    report_.project = ParseVbp(decoded.text);
    return true;
  }

  // The members' bytes, read on up to jobs_ threads.
  void ReadMembers() {
    ForEachMember([](Member& member) {
      files::InputBytes read = ReadRegularFile(member.source_path);
      member.bytes = std::move(read.bytes);
      member.error = read.error.value_or(QString());
    });
  }

  // One code page for the whole project, from all of its bytes; the .vbp's texts (project
  // name, title, member names) are read again in it.
  void ChooseCodePage() {
    if (settings_.input_encoding) return;  // every file is read in the encoding given
    QList<QByteArray> all{vbp_bytes_};
    for (const Member& member : members_) all.append(member.bytes);
    const ProjectCodePage chosen = ChooseProjectCodePage(all, settings_.legacy_encoding);
    settings_.legacy_encoding = code_page_ = chosen.encoding;
    report_.code_page = outcome_.code_page = chosen.Described();
    const files::DecodedText decoded = files::DecodeInput(vbp_bytes_, settings_);
    if (decoded.error) return;  // the chosen page was checked on these bytes; the first reading stands
    VbpProject project = ParseVbp(decoded.text);
    QHash<int, VbpMember> by_line;
    for (const VbpMember& entry : project.members) by_line.insert(entry.line, entry);
    for (Member& member : members_) {
      member.entry = by_line.value(member.entry.line, member.entry);
      Report(member).entry = EntryText(member.entry);
    }
    report_.project = std::move(project);
  }

  void ResolveMembers() {
    QList<QByteArray> found_paths;
    QSet<QByteArray> seen;
    for (const VbpMember& entry : report_.project.members) {
      FileReport file;
      file.entry = EntryText(entry);
      file.kind = entry.kind;
      const ResolvedPath resolved = ResolveMemberPath(folder_, entry.path, code_page_);
      const QString where = QString("%1 (line %2) %3").arg(report_.vbp_name).arg(entry.line).arg(file.entry);
      if (resolved.relative.isEmpty()) {
        file.error = resolved.problem;
        Problem(where, resolved.problem);
        report_.files.push_back(file);
        continue;
      }
      if (seen.contains(resolved.relative)) {
        report_.notes.append(
            QString("%1 is listed again on line %2; migrated once").arg(file.entry).arg(entry.line));
        continue;
      }
      seen.insert(resolved.relative);
      found_paths.append(resolved.relative);
      file.source = QDir(files::ArgumentFromNative("/" + folder_.project_dir))
                        .relativeFilePath(files::ArgumentFromNative("/" + resolved.relative));
      const QString source_path = files::ArgumentFromNative(files::JoinPath(folder_.root, resolved.relative));
      members_.push_back(Member{
          entry, source_path, {}, {}, {}, {}, {}, {}, {}, {}, report_.files.size(), {}, {}, {}, {}, {}});
      report_.files.push_back(file);
    }
    const QList<QByteArray> relative = OutputRelativePaths(folder_.project_dir, found_paths);
    for (std::size_t i = 0; i < members_.size(); ++i)
      members_[i].relative = files::ArgumentFromNative(relative[qsizetype(i)]);
  }

  void NoteProjectClasses() {
    for (const Member& member : members_)
      if (member.entry.kind == MemberKind::kClass)
        project_classes_.insert(member.entry.declared_name.toLower());
  }

  // The members' conversions are independent of each other: up to jobs_ run at once.
  void ConvertMembers() {
    ForEachMember([this](Member& member) { ConvertMember(member); });
    for (const Member& member : members_) {
      Report(member).read_as = member.read_as;
      if (!member.read_as.isEmpty())
        outcome_.files_read.append(QString("%1: %2").arg(Report(member).source, member.read_as));
      if (member.error.isEmpty()) continue;
      Report(member).error = member.error;
      Problem(member.source_path, member.error);
    }
  }

  // Runs on a worker thread: touches only `member`.
  void ConvertMember(Member& member) {
    if (!member.error.isEmpty()) return;  // not read
    const QByteArray bytes = std::move(member.bytes);
    member.conversion = files::ConvertBytes(bytes, settings_);
    if (member.conversion.error) {
      member.error = *member.conversion.error;
      return;
    }
    member.read_as = member.conversion.input_encoding;
    if (!settings_.input_encoding && !member.conversion.source_encoding.IsUnicode())
      member.read_as += " (project code page)";
    member.source_text = files::DecodeAs(bytes, member.conversion.source_encoding).text;
    member.converted_text = files::DecodeAs(member.conversion.output, member.conversion.encoding).text;
    member.conversion.output.clear();
  }

  // On the calling thread, after the conversions (the patterns of the scan are shared).
  void ScanMembers() {
    for (Member& member : members_) {
      if (!member.error.isEmpty()) continue;
      member.converted = MakeConvertedFile(ScanVbSource(member.source_text, project_classes_),
                                           member.source_text, member.converted_text);
      member.converted_text.clear();
    }
  }

  void NameUnits() {
    // The units the program itself uses keep their names.
    QSet<QString> taken{"forms",   "interfaces", "sysutils", "classes", "graphics", "controls",
                        "dialogs", "stdctrls",   "extctrls", "menus",   "variants"};
    std::vector<Member*> named;
    std::vector<MemberNameRequest> requests;
    for (Member& member : members_) {
      if (!Report(member).error.isEmpty()) continue;
      const VbSourceInfo& info = member.converted.info;
      const QString base = ReadableBaseName(member.relative);
      member.vb_name = !info.vb_name.isEmpty()                 ? info.vb_name
                       : !member.entry.declared_name.isEmpty() ? member.entry.declared_name
                                                               : base;
      named.push_back(&member);
      requests.push_back({member.entry.kind, member.vb_name, base});
      // A unit named like a public routine of a module (Main.frm beside Sub Main) would hide it.
      if (member.entry.kind == MemberKind::kModule)
        for (const SourceRoutine& routine : info.routines)
          if (routine.is_public) taken.insert(DelphiIdentifier(routine.name).toLower());
    }
    const std::vector<MemberNames> names = NameMembers(requests, taken, &report_.notes);
    for (std::size_t i = 0; i < named.size(); ++i) {
      Member& member = *named[i];
      member.unit_name = names[i].unit;
      member.form_name = DelphiIdentifier(member.vb_name);
      taken.insert(member.unit_name.toLower());
      taken.insert(names[i].type.toLower());
      taken.insert(names[i].variable.toLower());
      Report(member).unit_name = member.unit_name;
      Report(member).unit_path = WithExtension(member.relative, ".pas", member.unit_name);
      if (IsFormLike(member.entry.kind))
        Report(member).dfm_path = WithExtension(member.relative, ".dfm", member.unit_name);
    }
    // The program yields when a unit, type or form has its name.
    const QString program = DelphiIdentifier(ReadableBaseName(vbp_path_));
    program_name_ = taken.contains(program.toLower()) ? UniqueName(program + "Project", &taken) : program;
    if (program_name_ != program)
      report_.notes.append(QString("program %1 named %2: a unit has its name").arg(program, program_name_));
  }

  QStringList OtherUnits(const Member& self) const {
    QStringList names;
    for (const Member& member : members_)
      if (&member != &self && !member.unit_name.isEmpty()) names.append(member.unit_name);
    return names;
  }

  std::vector<VbRoutine> FormRoutines(const Member& member) const {
    const QStringList source_lines = member.source_text.split(QRegularExpression("\r\n|\r|\n"));
    std::vector<VbRoutine> routines;
    for (const ConvertedHeader& header : member.converted.headers) {
      const SourceRoutine& routine = member.converted.info.routines[header.routine];
      if (routine.kind != SourceRoutine::Kind::kSub) continue;
      routines.push_back({routine.name, routine.parameters, RoutineBody(source_lines, routine)});
    }
    return routines;
  }

  // The types other units may name: classes, forms and user controls by their VB names, and
  // the public user types and enums of every member.
  void NoteProjectTypes() {
    for (const Member& member : members_) {
      if (member.unit_name.isEmpty()) continue;
      if (member.entry.kind != MemberKind::kModule)
        project_types_.insert(member.vb_name.toLower(),
                              {DelphiTypeName(member.vb_name), member.unit_name, true, {}});
      const PascalDeclarations declarations = FileDeclarations(member.converted, {});
      for (const QString& name : declarations.public_type_names)
        project_types_.insert(name.toLower(), {name, member.unit_name, false, {}});
      for (qsizetype i = 0; i < declarations.public_constant_names.size(); ++i) {
        const QString& name = declarations.public_constant_names[i];
        project_constants_.insert(name.toLower(),
                                  {name, member.unit_name, false, declarations.public_constant_values[i]});
      }
    }
  }

  // Whether `from` reaches `to` through the interface uses noted so far.
  bool InterfaceReaches(const QString& from, const QString& to) const {
    QSet<QString> seen;
    QStringList pending{from};
    while (!pending.isEmpty()) {
      const QString unit = pending.takeLast();
      if (unit == to) return true;
      if (seen.contains(unit)) continue;
      seen.insert(unit);
      pending << interface_uses_.value(unit);
    }
    return false;
  }

  // A project type named by `member`'s declarations: its unit joins the member's interface
  // uses unless that would make the interfaces use each other in a circle (Pascal forbids it);
  // then a class stays TObject and anything else Variant, and the report says so.
  NameResolver ResolverFor(const Member& member, QStringList* not_carried) {
    return [this, &member, not_carried](const QString& vb_name, bool constant) -> QString {
      const QHash<QString, ProjectType>& names = constant ? project_constants_ : project_types_;
      const auto it = names.constFind(vb_name.toLower());
      if (it == names.constEnd()) return {};
      if (it->unit == member.unit_name || interface_uses_.value(member.unit_name).contains(it->unit))
        return it->pascal;
      if (!InterfaceReaches(it->unit, member.unit_name)) {
        interface_uses_[member.unit_name].append(it->unit);
        return it->pascal;
      }
      if (constant) {
        not_carried->append(
            QString("%1 of %2, which uses this unit, written as its value").arg(it->pascal, it->unit));
        return ConstantValue(*it, 0);
      }
      const QString stand_in = it->is_class ? "TObject" : "Variant";
      not_carried->append(
          QString("%1 declared as %2: its unit %3 uses this one").arg(it->pascal, stand_in, it->unit));
      return stand_in;
    };
  }

  // A project constant's value with the project constants it names replaced by theirs.
  QString ConstantValue(const ProjectType& constant, int depth) const {
    static const QRegularExpression kName(R"(\b[A-Za-z_]\w*\b)");
    // Parenthesised only when it is an expression: `array[(1)..` would open an enumeration.
    static const QRegularExpression kSimple(R"(^-?[\w$.#']+$)");
    QString value = constant.value;
    if (depth < 64) {  // enum members count on from each other
      QString expanded;
      qsizetype done = 0;
      for (auto it = kName.globalMatch(value); it.hasNext();) {
        const auto m = it.next();
        const auto named = project_constants_.constFind(m.captured().toLower());
        if (named == project_constants_.constEnd()) continue;
        expanded += value.mid(done, m.capturedStart() - done) + ConstantValue(*named, depth + 1);
        done = m.capturedEnd();
      }
      value = expanded + value.mid(done);
    }
    return kSimple.match(value).hasMatch() ? value : '(' + value + ')';
  }

  BuiltUnit BuildUnit(Member& member, QByteArray* dfm) {
    const ConvertedFile& file = member.converted;
    QStringList resolved_notes;
    UnitContext context{OtherUnits(member), ResolverFor(member, &resolved_notes),
                        &interface_uses_[member.unit_name]};
    BuiltUnit unit;
    switch (member.entry.kind) {
      case MemberKind::kModule:
        unit = BuildModuleUnit(member.unit_name, file, context);
        break;
      case MemberKind::kClass:
        unit = BuildClassUnit(member.unit_name, DelphiTypeName(member.vb_name), file, context);
        break;
      case MemberKind::kForm:
      case MemberKind::kUserControl: {
        const FrxSource frx = FrxBeside(member.source_path);
        FormDesign design = ParseFormDesign(file.info.designer, &frx);
        ChooseDialogClasses(design, member.source_text);
        if (design.found) {
          member.form_name = design.root.name;
        } else {
          // No designer section: an empty form of the VB name, which loads, stands in for it.
          design.root.name = member.form_name;
          design.root.delphi_class = member.entry.kind == MemberKind::kForm ? "TForm" : "TFrame";
          design.problems.push_back(
              {1, "no designer section (Begin VB.Form ... End): written as an empty form"});
          Problem(member.source_path, "no designer section: its .dfm is an empty form");
        }
        EventResolution events = ResolveEvents(design, FormRoutines(member));
        // Handlers whose header the conversion left as it was cannot be wired: say which.
        QStringList subs;
        for (const SourceRoutine& routine : file.info.routines)
          if (routine.kind == SourceRoutine::Kind::kSub) subs.append(routine.name);
        for (const EventBinding& binding : ResolveEvents(design, subs).wired)
          if (std::none_of(
                  events.wired.begin(), events.wired.end(),
                  [&](const EventBinding& wired) { return wired.vb_routine == binding.vb_routine; }) &&
              !Report(member).handlers_left.contains(binding.vb_routine))
            Report(member).handlers_left.append(binding.vb_routine);
        unit = BuildFormUnit(member.unit_name, member.form_name, design, events, file, context);
        *dfm = WriteDfm(design, events.wired, "T" + member.form_name);
        Report(member).design = std::move(design);
        Report(member).events = std::move(events);
        break;
      }
    }
    unit.not_carried << resolved_notes;
    return unit;
  }

  FrxSource FrxBeside(const QString& form_path) const { return FrxBesideForm(form_path, code_page_); }

  // The unit's (and form's) bytes, ready to write; a unit the encoding cannot hold fails.
  void BuildOutputs(Member& member) {
    if (!Report(member).error.isEmpty()) return;
    const BuiltUnit unit = BuildUnit(member, &member.dfm_bytes);
    FileReport& file = Report(member);
    file.total_lines = member.converted.info.total_lines;
    file.designer_lines = member.converted.info.designer_lines;
    file.methods = unit.methods;
    file.left_as_converted = unit.left_as_converted;
    file.not_carried = unit.not_carried;
    file.hand_work = member.converted.info.hand_work;
    files::EncodedText encoded = files::Encode(unit.unit.text, member.conversion.encoding);
    if (encoded.error) member.error = encoded.error->cause;
    member.unit_bytes = std::move(encoded.bytes);
    member.source_text.clear();
    member.converted = ConvertedFile();
  }

  // Runs on a worker thread: the writer is safe to call from several at once.
  void WriteOutputs(Member& member) {
    if (!member.error.isEmpty() || member.unit_name.isEmpty()) return;
    const FileReport& file = Report(member);
    std::optional<QString> error = write_(file.unit_path, member.unit_bytes);
    if (!error && !file.dfm_path.isEmpty()) error = write_(file.dfm_path, member.dfm_bytes);
    member.error = error.value_or(QString());
    member.unit_bytes.clear();
    member.dfm_bytes.clear();
  }

  void WriteUnits() {
    NoteProjectTypes();
    for (const Member& member : members_)
      if (member.entry.kind == MemberKind::kUserControl && !member.unit_name.isEmpty())
        report_.user_controls.append(member.vb_name);
    for (Member& member : members_) BuildOutputs(member);
    ForEachMember([this](Member& member) { WriteOutputs(member); });
    for (const Member& member : members_) {
      if (member.unit_name.isEmpty() || !Report(member).error.isEmpty()) continue;
      if (member.error.isEmpty()) {
        ++outcome_.units;
        continue;
      }
      Report(member).error = member.error;
      Problem(member.source_path, member.error);
    }
  }

  // Calls `task` once for each member, on up to jobs_ threads.
  void ForEachMember(const std::function<void(Member&)>& task) {
    std::atomic<std::size_t> next{0};
    auto work = [&] {
      for (std::size_t i = next++; i < members_.size(); i = next++) task(members_[i]);
    };
    std::vector<std::thread> workers;
    const int count = std::clamp(jobs_, 1, std::max(int(members_.size()), 1));
    for (int i = 1; i < count; ++i) workers.emplace_back(work);
    work();
    for (std::thread& worker : workers) worker.join();
  }

  DprProject MakeDpr() const {
    DprProject dpr;
    dpr.program_name = program_name_;
    dpr.title = report_.project.title;
    dpr.sub_main = IsSubMainStartup(report_.project.startup);
    for (const Member& member : members_) {
      if (member.unit_name.isEmpty()) continue;  // not converted
      const bool form = member.entry.kind == MemberKind::kForm;
      dpr.units.push_back({member.unit_name, Report(member).unit_path,
                           IsFormLike(member.entry.kind) ? member.form_name : QString(), form});
      if (form && member.vb_name.compare(report_.project.startup, Qt::CaseInsensitive) == 0)
        dpr.startup_form = member.form_name;
    }
    return dpr;
  }

  void WriteProjectFiles() {
    const QString base = QFileInfo(vbp_path_).completeBaseName();
    const DprProject dpr = MakeDpr();
    outcome_.dpr_path = base + ".dpr";
    report_.dpr_path = outcome_.dpr_path;
    if (dpr.sub_main)
      report_.notes.append("the program calls Main; each form is created when the code first names it");
    const QString dpr_text = DprText(dpr);
    bool ascii = std::all_of(dpr_text.cbegin(), dpr_text.cend(), [](QChar c) { return c.unicode() < 0x80; });
    // Delphi and Free Pascal both read a UTF-8 file that starts with a byte order mark.
    const QByteArray dpr_bytes = ascii ? dpr_text.toLatin1() : "\xEF\xBB\xBF" + dpr_text.toUtf8();
    const auto dpr_error = write_(outcome_.dpr_path, dpr_bytes);
    if (dpr_error) Problem(outcome_.dpr_path, *dpr_error);
    const QString lpi_path = base + ".lpi";
    if (const auto lpi_error = write_(lpi_path, LpiText(dpr, outcome_.dpr_path).toUtf8()))
      Problem(lpi_path, *lpi_error);
    outcome_.report_path = base + ".migration.md";
    const auto report_error = write_(outcome_.report_path, ReportMarkdown(report_).toUtf8());
    if (report_error) Problem(outcome_.report_path, *report_error);
    outcome_.dpr_written = !dpr_error;
    outcome_.report_written = !report_error;
  }

  // A file's name without its extension (`path` lossless) as text: a name that is not UTF-8
  // is read in the project's code page.
  QString ReadableBaseName(const QString& path) const {
    const QString base = QFileInfo(path).completeBaseName();
    const QByteArray bytes = files::NativeFromArgument(base);
    if (files::FirstInvalidUtf8Offset(bytes) < 0) return base;
    const files::DecodedText decoded = files::DecodeAs(bytes, code_page_);
    return decoded.error ? base : decoded.text;
  }

  QString vbp_path_;  // lossless (files::ArgumentFromNative)
  QByteArray vbp_bytes_;
  QByteArray project_root_;
  ProjectFolder folder_;
  files::TextEncoding code_page_;
  files::ConversionSettings settings_;
  int jobs_;
  const OutputWriter& write_;
  std::vector<Member> members_;
  QString program_name_;
  QSet<QString> project_classes_;
  QHash<QString, ProjectType> project_types_,
      project_constants_;                       // lower-case VB name -> its Pascal type and unit
  QHash<QString, QStringList> interface_uses_;  // unit -> the project units its interface uses
  ProjectReport report_;
  ProjectOutcome outcome_;
};

}  // namespace

FrxSource FrxBesideForm(const QString& form_path, const files::TextEncoding& code_page) {
  const QString folder = QFileInfo(form_path).path();
  FrxSource source;
  source.read = [folder](const QString& name) -> std::optional<QByteArray> {
    QString found = name;
    if (!QFileInfo::exists(folder + u'/' + name)) {
      const QStringList matches = QDir(folder).entryList({name}, QDir::Files);
      if (matches.size() != 1) return std::nullopt;
      found = matches.front();
    }
    files::InputBytes read = ReadRegularFile(folder + u'/' + found);
    if (read.error) return std::nullopt;
    return std::move(read.bytes);
  };
  source.decode = [code_page](const QByteArray& bytes) { return files::DecodeAs(bytes, code_page).text; };
  return source;
}

ProjectOutcome MigrateProject(const QString& vbp_path, const files::ConversionSettings& settings, int jobs,
                              const OutputWriter& write, const QString& project_root) {
  return ProjectMigration(vbp_path, project_root, settings, jobs, write).Run();
}

}  // namespace veldrane::migration
