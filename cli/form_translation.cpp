#include "cli/form_translation.h"

#include <QHash>
#include <QRegularExpression>
#include <functional>

#include "migration/dfm_writer.h"
#include "migration/dialog_classes.h"
#include "migration/form_events.h"
#include "migration/frx_resources.h"
#include "migration/ocx_controls.h"
#include "migration/project_migration.h"
#include "migration/vb_source_scan.h"

namespace veldrane::cli {

namespace {

// Twips in a unit of each VB ScaleMode: twips, points, pixels, characters (taken as twips),
// inches, millimetres, centimetres. A user scale (0) is taken as twips too.
double TwipsPerUnit(int scale_mode) {
  static const double kTwips[] = {1, 1, 20, 15, 1, 1440, 1440 / 25.4, 1440 / 2.54};
  return scale_mode >= 0 && scale_mode < 8 ? kTwips[scale_mode] : 1;
}

// The ScaleMode each block of the designer text sets, by the line of its Begin (1-based).
QHash<int, int> ScaleModes(const QString& designer) {
  static const QRegularExpression kScaleMode(R"(^\s*ScaleMode\s*=\s*(\d+))");
  QHash<int, int> modes;
  std::vector<int> open;
  const QStringList lines = designer.split(QRegularExpression("\r\n|\r|\n"));
  for (qsizetype i = 0; i < lines.size(); ++i) {
    const QString line = lines[i].trimmed();
    if (line.startsWith("Begin ", Qt::CaseInsensitive)) {
      open.push_back(int(i) + 1);
    } else if (line.compare("End", Qt::CaseInsensitive) == 0 && !open.empty()) {
      open.pop_back();
    } else if (const auto m = kScaleMode.match(lines[i]); m.hasMatch() && !open.empty()) {
      modes.insert(open.back(), m.captured(1).toInt());
    }
  }
  return modes;
}

}  // namespace

std::optional<QString> ReadFormToTranslate(const QString& path, const QString& text,
                                           const files::TextEncoding& code_page, FormToTranslate* form) {
  const migration::VbSourceInfo info = migration::ScanVbSource(text, {});
  const migration::FrxSource frx = migration::FrxBesideForm(path, code_page);
  form->design = migration::ParseFormDesign(info.designer, &frx);
  if (!form->design.found) return QString("no designer section (Begin VB.Form ... End)");
  migration::ChooseDialogClasses(form->design, text);
  form->vb_name = info.vb_name.isEmpty() ? form->design.root.vb_name : info.vb_name;
  form->form_name = form->design.root.name;
  translation::FormDescription& d = form->description;
  d.class_name = "T" + form->form_name.toStdString();
  d.instance_name = form->form_name.toStdString();
  d.base_class = form->design.root.delphi_class.toStdString();
  for (const QString& unit : migration::OcxUnitsFor(form->design.root)) d.units.push_back(unit.toStdString());
  d.uses_suffix = migration::DelphiPictureUnits(form->design.root).toStdString();
  const QHash<int, int> scale_modes = ScaleModes(info.designer);
  d.twips_per_unit = TwipsPerUnit(scale_modes.value(form->design.root.line, 1));
  std::function<void(const migration::FormControl&)> add = [&](const migration::FormControl& parent) {
    for (const migration::FormControl& c : parent.children) {
      d.components.push_back({c.vb_name.toStdU16String(), c.name.toStdString(), c.vb_class.toStdString(),
                              c.delphi_class.toStdString(), c.vb_index,
                              TwipsPerUnit(scale_modes.value(c.line, 1))});
      add(c);
    }
  };
  add(form->design.root);
  QStringList subs;
  for (const migration::SourceRoutine& routine : info.routines)
    if (routine.kind == migration::SourceRoutine::Kind::kSub) subs.append(routine.name);
  const migration::EventResolution events = migration::ResolveEvents(form->design, subs);
  for (const migration::EventBinding& b : events.wired)
    d.events.push_back({b.vb_routine.toStdU16String(),
                        b.component.toStdString(),
                        b.delphi_event.toStdString(),
                        b.parameters.toStdString(),
                        {}});
  for (const QString& routine : events.unwired) d.unwired.push_back(routine.toStdU16String());
  return std::nullopt;
}

QByteArray TranslatedFormDfm(const FormToTranslate& form, const translation::TranslatedUnit& unit) {
  std::vector<migration::EventBinding> events;
  for (const translation::FormEvent& e : unit.events)
    events.push_back({QString::fromStdU16String(e.vb_routine),
                      QString::fromStdString(e.handler),
                      QString::fromStdString(e.component),
                      QString::fromStdString(e.delphi_event),
                      QString::fromStdString(e.parameters),
                      {}});
  return migration::WriteDfm(form.design, events, QString::fromStdString(form.description.class_name));
}

}  // namespace veldrane::cli
