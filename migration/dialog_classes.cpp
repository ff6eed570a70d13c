#include "migration/dialog_classes.h"

#include <QRegularExpression>
#include <QStringList>

#include "migration/dfm_vocabulary.h"
#include "migration/form_events.h"

namespace veldrane::migration {
namespace {

// The LCL keeps its print dialog outside the LCL package, so ShowPrinter has no counterpart here.
constexpr const char* kShows[][2] = {{"ShowOpen", "TOpenDialog"},
                                     {"ShowSave", "TSaveDialog"},
                                     {"ShowColor", "TColorDialog"},
                                     {"ShowFont", "TFontDialog"}};

void Choose(FormControl& control, const QString& code, FormDesign& design) {
  for (FormControl& child : control.children) Choose(child, code, design);
  if (control.delphi_class != u"TOpenDialog" || control.vb_name.isEmpty()) return;
  QStringList classes;
  for (const auto& [method, delphi_class] : kShows) {
    // Command1.ShowSave, Dialogs(2).ShowSave; a With block's .ShowSave is not followed.
    const QRegularExpression call(
        QStringLiteral("\\b%1\\s*(\\(\\s*\\w+\\s*\\))?\\s*\\.\\s*%2\\b")
            .arg(QRegularExpression::escape(control.vb_name), QLatin1String(method)),
        QRegularExpression::CaseInsensitiveOption);
    if (call.match(code).hasMatch()) classes << QLatin1String(delphi_class);
  }
  if (classes.size() > 1) {
    design.problems.push_back(
        {control.line, QStringLiteral("%1 shows several dialogs (%2): it stays TOpenDialog")
                           .arg(control.name, classes.join(QStringLiteral(", ")))});
    return;
  }
  if (classes.isEmpty() || classes.front() == u"TOpenDialog") return;
  control.delphi_class = classes.front();
  std::erase_if(control.properties, [&](const DfmProperty& property) {
    if (BothProvideProperty(control.delphi_class, property.name)) return false;
    design.dropped_properties.push_back({control.name, property.name, control.line});
    return true;
  });
}

}  // namespace

void ChooseDialogClasses(FormDesign& design, const QString& code) {
  Choose(design.root, CodeWithoutStringsAndComments(code), design);
}

}  // namespace veldrane::migration
