#include "cli/form_translation.h"

#include <functional>

#include "migration/dfm_writer.h"
#include "migration/dialog_classes.h"
#include "migration/form_events.h"
#include "migration/form_unit.h"
#include "migration/frx_resources.h"
#include "migration/ocx_controls.h"
#include "migration/project_migration.h"
#include "migration/vb_source_scan.h"

namespace veldrane::cli {

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
  d.class_name = ("T" + form->form_name).toStdString();
  d.instance_name = form->form_name.toStdString();
  d.base_class = form->design.root.delphi_class.toStdString();
  for (const QString& unit : migration::OcxUnitsFor(form->design.root)) d.units.push_back(unit.toStdString());
  d.uses_suffix = migration::DelphiPictureUnits(form->design.root).toStdString();
  std::function<void(const migration::FormControl&)> add = [&](const migration::FormControl& parent) {
    for (const migration::FormControl& c : parent.children) {
      d.components.push_back({c.vb_name.toStdU16String(), c.name.toStdString(), c.vb_class.toStdString(),
                              c.delphi_class.toStdString(), c.vb_index, c.scale_mode});
      add(c);
    }
  };
  add(form->design.root);
  d.scale_mode = form->design.root.scale_mode;
  if (migration::NeedsLclLayout(form->design.root))
    d.vb_client_height = migration::PropertyValue(form->design.root, "ClientHeight").toInt();
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
