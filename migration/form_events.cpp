#include "migration/form_events.h"

#include <QHash>
#include <QRegularExpression>
#include <functional>

#include "migration/dfm_vocabulary.h"

namespace veldrane::migration {
namespace {

struct EventEntry {
  const char* vb_event;
  const char* delphi_event;
  const char* parameters;     // of the Delphi method
  const char* vb_parameters;  // of the VB handler, in order, space-separated
  const char* carried;        // VB parameters the Delphi method has under the same name and meaning
};

// X and Y keep their names in Delphi; they are pixels there, as the migrated form is.
const EventEntry kEvents[] = {
    {"Click", "OnClick", "(Sender: TObject)", "", ""},
    {"DblClick", "OnDblClick", "(Sender: TObject)", "", ""},
    {"Change", "OnChange", "(Sender: TObject)", "", ""},
    {"GotFocus", "OnEnter", "(Sender: TObject)", "", ""},
    {"LostFocus", "OnExit", "(Sender: TObject)", "", ""},
    {"KeyPress", "OnKeyPress", "(Sender: TObject; var Key: Char)", "KeyAscii", ""},
    {"KeyDown", "OnKeyDown", "(Sender: TObject; var Key: Word; Shift: TShiftState)", "KeyCode Shift", ""},
    {"KeyUp", "OnKeyUp", "(Sender: TObject; var Key: Word; Shift: TShiftState)", "KeyCode Shift", ""},
    {"MouseDown", "OnMouseDown", "(Sender: TObject; Button: TMouseButton; Shift: TShiftState; X, Y: Integer)",
     "Button Shift X Y", "X Y"},
    {"MouseUp", "OnMouseUp", "(Sender: TObject; Button: TMouseButton; Shift: TShiftState; X, Y: Integer)",
     "Button Shift X Y", "X Y"},
    {"MouseMove", "OnMouseMove", "(Sender: TObject; Shift: TShiftState; X, Y: Integer)", "Button Shift X Y",
     "X Y"},
    {"Timer", "OnTimer", "(Sender: TObject)", "", ""},
    {"Scroll", "OnScroll", "(Sender: TObject; ScrollCode: TScrollCode; var ScrollPos: Integer)", "", ""},
    {"DropDown", "OnDropDown", "(Sender: TObject)", "", ""},
    {"Resize", "OnResize", "(Sender: TObject)", "", ""},
    {"Paint", "OnPaint", "(Sender: TObject)", "", ""},
    {"Load", "OnCreate", "(Sender: TObject)", "", ""},
    {"Unload", "OnClose", "(Sender: TObject; var Action: TCloseAction)", "Cancel", ""},
    {"QueryUnload", "OnCloseQuery", "(Sender: TObject; var CanClose: Boolean)", "Cancel UnloadMode", ""},
    {"Terminate", "OnDestroy", "(Sender: TObject)", "", ""},
    {"Activate", "OnActivate", "(Sender: TObject)", "", ""},
    {"Deactivate", "OnDeactivate", "(Sender: TObject)", "", ""},
};

const EventEntry* FindEvent(const QString& vb_event) {
  for (const EventEntry& entry : kEvents)
    if (vb_event.compare(QLatin1String(entry.vb_event), Qt::CaseInsensitive) == 0) return &entry;
  return nullptr;
}

QStringList Words(const char* list) { return QString::fromLatin1(list).split(u' ', Qt::SkipEmptyParts); }

// Parameter names of a VB parameter list: "ByVal Index As Integer, KeyAscii As Integer" -> Index, KeyAscii.
QStringList ParameterNames(const QString& parameters) {
  QStringList names;
  for (const QString& parameter : parameters.split(u',', Qt::SkipEmptyParts)) {
    QStringList words = parameter.simplified().split(u' ', Qt::SkipEmptyParts);
    while (!words.isEmpty() && (words.first().compare(QLatin1String("ByVal"), Qt::CaseInsensitive) == 0 ||
                                words.first().compare(QLatin1String("ByRef"), Qt::CaseInsensitive) == 0 ||
                                words.first().compare(QLatin1String("Optional"), Qt::CaseInsensitive) == 0))
      words.removeFirst();
    if (!words.isEmpty()) names.append(words.first().remove(QStringLiteral("()")));
  }
  return names;
}

// Whether `name` occurs in `body` as a word, outside strings and comments.
bool UsedIn(const QString& body, const QString& name) {
  const QString code = CodeWithoutStringsAndComments(body);
  const QRegularExpression word(QStringLiteral("(?<![\\w])%1(?![\\w])").arg(QRegularExpression::escape(name)),
                                QRegularExpression::CaseInsensitiveOption);
  return word.match(code).hasMatch();
}

}  // namespace

EventResolution ResolveEvents(const FormDesign& design, const std::vector<VbRoutine>& routines) {
  EventResolution resolution;
  const QString root_class = design.root.vb_class.section(u'.', -1);  // Form, MDIForm, UserControl
  QHash<QString, std::vector<const FormControl*>> controls;           // by lower-case VB name, in form order
  std::function<void(const FormControl&)> index = [&](const FormControl& control) {
    for (const FormControl& child : control.children) {
      if (!child.vb_class.isEmpty()) controls[child.vb_name.toLower()].push_back(&child);
      index(child);
    }
  };
  index(design.root);
  for (const VbRoutine& routine : routines) {
    const qsizetype underscore = routine.name.lastIndexOf(u'_');
    if (underscore <= 0) continue;
    const QString object_name = routine.name.left(underscore);
    const QString vb_event = routine.name.mid(underscore + 1);
    std::vector<const FormControl*> targets;  // nullptr stands for the form
    if (object_name.compare(root_class, Qt::CaseInsensitive) == 0)
      targets.push_back(nullptr);
    else
      targets = controls.value(object_name.toLower());
    const bool is_array = !targets.empty() && targets.front() && targets.front()->vb_index >= 0;
    if (targets.empty()) continue;  // an ordinary routine
    const EventEntry* entry = FindEvent(vb_event);
    const QString delphi_class = targets.front() ? targets.front()->delphi_class : design.root.delphi_class;
    // A placeholder's events are those of a control Delphi does not have, whatever their names.
    const bool placeholder = targets.front() && targets.front()->placeholder;
    if (!entry || placeholder || !BothProvideEvent(delphi_class, QLatin1String(entry->delphi_event))) {
      resolution.unwired.append(routine.name);
      continue;
    }
    QStringList roles = Words(entry->vb_parameters);
    if (is_array) roles.prepend(QStringLiteral("Index"));
    const QStringList carried = Words(entry->carried);
    const QStringList actual = routine.parameters.isEmpty() ? roles : ParameterNames(routine.parameters);
    QStringList left;
    for (qsizetype i = 0; i < actual.size(); ++i) {
      const QString role = roles.value(i);
      const bool same = carried.contains(role) && actual[i].compare(role, Qt::CaseInsensitive) == 0;
      if (!same && (routine.body.isEmpty() || UsedIn(routine.body, actual[i]))) left.append(actual[i]);
    }
    // The handler keeps its VB name, so that the code's own calls (`Command1_Click`) reach it.
    const QString method = DelphiIdentifier(routine.name);
    for (const FormControl* target : targets)
      resolution.wired.push_back({routine.name, method, target ? target->name : QString(),
                                  QLatin1String(entry->delphi_event), QLatin1String(entry->parameters),
                                  left});
  }
  return resolution;
}

EventResolution ResolveEvents(const FormDesign& design, const QStringList& vb_routine_names) {
  std::vector<VbRoutine> routines;
  for (const QString& name : vb_routine_names) routines.push_back({name, QString(), QString()});
  return ResolveEvents(design, routines);
}

QString CodeWithoutStringsAndComments(const QString& code) {
  static const QRegularExpression kStringsAndComments(QStringLiteral("\"[^\"\\n]*\"|'[^\\n]*"));
  return QString(code).replace(kStringsAndComments, QStringLiteral(" "));
}

}  // namespace veldrane::migration
