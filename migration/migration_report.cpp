#include "migration/migration_report.h"

#include <QMap>
#include <QSet>
#include <functional>

#include "files/native_path.h"

namespace veldrane::migration {
namespace {

// Markdown treats these as markup; names from VB code and file names may hold them, and
// control and invisible format characters, shown escaped as in the converter's messages.
QString Md(const QString& raw) {
  QString text = files::DisplayText(raw);
  for (const QChar c : QStringLiteral("\\`*_[]<>|#")) text.replace(c, QString("\\") + c);
  return text;
}

// A name or path as a code span, escaped like Md.
QString Code(const QString& raw) { return '`' + files::DisplayText(raw).replace(u'`', u'\'') + '`'; }

QString LineList(const std::vector<int>& lines) {
  QStringList parts;
  for (int line : lines) parts.append(QString::number(line));
  return parts.join(", ");
}

int CountUnique(const std::vector<EventBinding>& wired) {
  QSet<QString> methods;
  for (const EventBinding& binding : wired) methods.insert(binding.method);
  return int(methods.size());
}

struct Totals {
  QMap<MemberKind, int> migrated;
  int missing = 0, lines = 0, controls = 0, components = 0, placeholders = 0, dropped = 0, unwired = 0,
      frx = 0, wired = 0, left = 0;
  QMap<QString, int> hand_work;
};

Totals Sum(const ProjectReport& report) {
  Totals t;
  for (const FileReport& file : report.files) {
    if (!file.error.isEmpty()) {
      ++t.missing;
      continue;
    }
    ++t.migrated[file.kind];
    t.lines += file.total_lines;
    t.left += int(file.left_as_converted.size());
    for (const HandWork& work : file.hand_work) t.hand_work[work.construct] += int(work.lines.size());
    if (!file.design) continue;
    t.controls += file.design->vb_control_count;
    t.components += CountComponents(file.design->root);
    t.placeholders += int(file.design->placeholders.size());
    t.dropped += int(file.design->dropped_properties.size());
    t.frx += int(file.design->frx_resources.size());
    t.unwired += int(file.events.unwired.size() + file.handlers_left.size());
    t.wired += CountUnique(file.events.wired);
  }
  return t;
}

void AddTotals(const ProjectReport& report, QStringList* out) {
  const Totals t = Sum(report);
  int migrated = 0;
  QStringList kinds;
  for (auto it = t.migrated.cbegin(); it != t.migrated.cend(); ++it) {
    migrated += it.value();
    const QString kind = MemberKindName(it.key());
    kinds.append(QString("%1 %2")
                     .arg(it.value())
                     .arg(it.value() == 1   ? kind
                          : kind == "class" ? "classes"
                                            : kind + 's'));
  }
  *out << "## Totals"
       << ""
       << "| | |"
       << "|---|---|";
  *out << QString("| Files listed in the project | %1 |").arg(report.files.size());
  *out << QString("| Migrated | %1 (%2) |").arg(migrated).arg(kinds.isEmpty() ? "none" : kinds.join(", "));
  *out << QString("| Not migrated (missing or unreadable) | %1 |").arg(t.missing);
  *out << QString("| Source lines | %1 |").arg(t.lines);
  *out << QString("| VB controls / .dfm components | %1 / %2 |").arg(t.controls).arg(t.components);
  *out << QString("| Controls without counterpart (placeholders) | %1 |").arg(t.placeholders);
  *out << QString("| Dropped properties | %1 |").arg(t.dropped);
  *out << QString("| .frx resources not carried | %1 |").arg(t.frx);
  *out << QString("| Event handlers wired / not wired | %1 / %2 |").arg(t.wired).arg(t.unwired);
  *out << QString("| Routine headers left as converted | %1 |").arg(t.left);
  for (const QString& construct : HandWorkConstructs())
    *out << QString("| Hand work: %1 | %2 |").arg(Md(construct)).arg(t.hand_work.value(construct));
  *out << "";
}

void AddFormDetails(const FileReport& file, const QStringList& user_controls, QStringList* out) {
  const FormDesign& design = *file.design;
  *out << QString("- Controls: %1 in the VB form, %2 components in the .dfm; caption %3")
              .arg(design.vb_control_count)
              .arg(CountComponents(design.root))
              .arg(Md(design.caption.isEmpty() ? QString("(none)") : "\"" + design.caption + "\""));
  *out << QString("- Event handlers wired: %1").arg(CountUnique(file.events.wired));
  auto list = [&](const QString& title, const QStringList& items) {
    *out << QString("- %1: %2")
                .arg(title)
                .arg(items.isEmpty() ? QString("none") : QString::number(items.size()));
    for (const QString& item : items) *out << "  - " + item;
  };
  QStringList placeholders, own_controls, dropped, frx, left_parameters, problems;
  for (const Placeholder& p : design.placeholders)
    (user_controls.contains(p.vb_class.section(u'.', -1), Qt::CaseInsensitive) ? own_controls : placeholders)
        << QString("%1 (%2, line %3)").arg(Md(p.control), Md(p.vb_class)).arg(p.line);
  // Delphi has no control arrays: the code's `Name(i)` does not reach `Name_N`.
  QMap<QString, QStringList> arrays;
  std::function<void(const FormControl&)> collect = [&](const FormControl& control) {
    for (const FormControl& child : control.children) {
      if (child.vb_index >= 0) arrays[child.vb_name] << Md(child.name);
      collect(child);
    }
  };
  collect(design.root);
  QStringList array_lines;
  for (auto it = arrays.cbegin(); it != arrays.cend(); ++it)
    array_lines << QString("%1(i) in the code: the components %2").arg(Md(it.key()), it.value().join(", "));
  for (const DroppedProperty& p : design.dropped_properties)
    dropped << QString("%1.%2 (line %3)").arg(Md(p.control), Md(p.property)).arg(p.line);
  for (const FrxResource& r : design.frx_resources)
    frx << QString("%1.%2 = %3 (line %4): %5")
               .arg(Md(r.control), Md(r.property), Md(r.reference))
               .arg(r.line)
               .arg(Md(r.reason));
  QSet<QString> seen;
  for (const EventBinding& binding : file.events.wired) {
    if (binding.vb_parameters_left.isEmpty() || seen.contains(binding.vb_routine)) continue;
    seen.insert(binding.vb_routine);
    left_parameters << QString("%1: %2").arg(Md(binding.vb_routine),
                                             Md(binding.vb_parameters_left.join(", ")));
  }
  for (const FormProblem& p : design.problems)
    problems << QString("line %1: %2").arg(p.line).arg(Md(p.message));
  QStringList unwired;
  for (const QString& name : file.events.unwired) unwired << Md(name);
  list("Controls without counterpart (TPanel placeholders)", placeholders);
  list("The project's own user controls (their units are written; placed as TPanel placeholders)",
       own_controls);
  list("Control arrays (hand work where the code indexes them)", array_lines);
  list("Dropped properties", dropped);
  list(".frx resources not carried", frx);
  list("Events not wired (no Delphi counterpart)", unwired);
  QStringList handlers_left;
  for (const QString& name : file.handlers_left) handlers_left << Md(name);
  list("Event handlers not wired (their header stayed as converted: the control does nothing)",
       handlers_left);
  list("VB parameters the handler body still uses", left_parameters);
  if (!problems.isEmpty()) list("Designer problems", problems);
}

void AddFile(const FileReport& file, const QStringList& user_controls, QStringList* out) {
  *out << QString("### %1").arg(Md(file.source.isEmpty() ? file.entry : file.source)) << "";
  *out << QString("- Entry: %1").arg(Code(file.entry));
  *out << QString("- Kind: %1").arg(MemberKindName(file.kind));
  if (!file.read_as.isEmpty()) *out << "- Read as: " + Md(file.read_as);
  if (!file.error.isEmpty()) {
    *out << QString("- **Not migrated**: %1").arg(Md(file.error)) << "";
    return;
  }
  const int code_lines = file.total_lines - file.designer_lines;
  *out << QString("- Lines: %1 (%2 designer, %3 code)")
              .arg(file.total_lines)
              .arg(file.designer_lines)
              .arg(code_lines);
  QString outputs = QString("%1 (unit %2)").arg(Code(file.unit_path), file.unit_name);
  if (!file.dfm_path.isEmpty()) outputs += QString(", %1").arg(Code(file.dfm_path));
  *out << "- Written: " + outputs;
  *out << QString("- Migrated: the code through the exact conversion; %1 routine(s) declared or made methods")
              .arg(file.methods);
  if (file.design) AddFormDetails(file, user_controls, out);
  *out << QString("- Routine headers left as converted: %1")
              .arg(file.left_as_converted.isEmpty() ? QString("none")
                                                    : Md(file.left_as_converted.join(", ")));
  *out << QString("- Declarations not carried into the skeleton: %1")
              .arg(file.not_carried.isEmpty() ? QString("none") : QString::number(file.not_carried.size()));
  for (const QString& item : file.not_carried) *out << "  - " + Md(item);
  if (file.hand_work.empty()) {
    *out << "- Hand work: none found"
         << "";
    return;
  }
  *out << "- Hand work:"
       << ""
       << "  | Construct | Count | Lines |"
       << "  |---|---|---|";
  for (const HandWork& work : file.hand_work)
    *out << QString("  | %1 | %2 | %3 |")
                .arg(Md(work.construct))
                .arg(work.lines.size())
                .arg(LineList(work.lines));
  *out << "";
}

}  // namespace

QString ReportMarkdown(const ProjectReport& report) {
  QStringList out;
  out << QString("# Migration of %1").arg(Md(report.vbp_name)) << "";
  out << QString("- Project name: %1")
             .arg(Md(report.project.name.isEmpty() ? "(none)" : report.project.name));
  out << QString("- Title: %1").arg(Md(report.project.title.isEmpty() ? "(none)" : report.project.title));
  out << QString("- Startup: %1")
             .arg(Md(report.project.startup.isEmpty() ? "(none)" : report.project.startup));
  out << QString("- Delphi project: %1").arg(Code(report.dpr_path));
  if (!report.code_page.isEmpty()) out << "- Code page: " + Md(report.code_page);
  for (const QString& note : report.notes) out << "- " + Md(note);
  for (const QString& entry : report.project.not_migrated)
    out << "- Not migrated (not a form, module or class): " + Md(entry);
  out << "";
  AddTotals(report, &out);
  out << "Line numbers are those of the VB source file (its designer section included)."
      << "Hand work counts the source lines holding each construct; the conversion leaves these for a person"
      << "to port. Routine headers left as converted (Property procedures, headers continued over lines)"
      << "are not declared in the unit's interface or class."
      << "";
  out << "## Files"
      << "";
  for (const FileReport& file : report.files) AddFile(file, report.user_controls, &out);
  return out.join(u'\n');
}

}  // namespace veldrane::migration
