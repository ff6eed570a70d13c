#include "migration/dfm_vocabulary.h"

#include <QHash>
#include <QSet>
#include <QStringList>

#include "migration/ocx_controls.h"

namespace veldrane::migration {
namespace {

struct ClassVocabulary {
  QSet<QString> properties;
  QSet<QString> events;
};

// Property and event lists, space-separated, shared by several classes.
constexpr const char* kControl = "Left Top Width Height Enabled Visible Hint ShowHint Cursor Tag";
constexpr const char* kFont = "Font.Name Font.Height Font.Style Font.Color Font.Charset";
constexpr const char* kWindowed = "TabOrder TabStop";
constexpr const char* kMouse = "OnMouseDown OnMouseMove OnMouseUp";
constexpr const char* kKeys = "OnKeyDown OnKeyPress OnKeyUp";
constexpr const char* kFocus = "OnEnter OnExit";
constexpr const char* kClicks = "OnClick OnDblClick";

struct Entry {
  const char* delphi_class;
  QStringList properties;
  QStringList events;
};

QStringList Words(std::initializer_list<const char*> lists) {
  QStringList words;
  for (const char* list : lists) words += QString::fromLatin1(list).split(u' ', Qt::SkipEmptyParts);
  return words;
}

const QHash<QString, ClassVocabulary>& Vocabulary() {
  static const QHash<QString, ClassVocabulary> vocabulary = [] {
    const Entry entries[] = {
        {"TForm",
         Words({"Left Top Caption ClientWidth ClientHeight Color Enabled Hint ShowHint Cursor Tag", kFont,
                "KeyPreview Menu Position BorderStyle BorderIcons WindowState FormStyle"}),
         Words({kClicks, kMouse, kKeys,
                "OnCreate OnDestroy OnClose OnCloseQuery OnActivate OnDeactivate OnResize OnPaint OnShow"})},
        {"TFrame", Words({kControl, kFont, kWindowed, "Color"}), Words({kClicks, kMouse, "OnResize"})},
        {"TButton", Words({kControl, kFont, kWindowed, "Caption Default Cancel"}),
         Words({"OnClick", kMouse, kKeys, kFocus})},
        {"TLabel",
         Words(
             {kControl, kFont, "Caption Color Alignment AutoSize WordWrap Transparent ShowAccelChar Layout"}),
         Words({kClicks, kMouse})},
        {"TEdit",
         Words({kControl, kFont, kWindowed,
                "Text Color Alignment AutoSize BorderStyle MaxLength PasswordChar ReadOnly HideSelection"}),
         Words({"OnChange", kClicks, kMouse, kKeys, kFocus})},
        {"TMemo",
         Words({kControl, kFont, kWindowed,
                "Lines.Strings Color Alignment BorderStyle MaxLength ReadOnly HideSelection ScrollBars "
                "WordWrap"}),
         Words({"OnChange", kClicks, kMouse, kKeys, kFocus})},
        {"TCheckBox", Words({kControl, kFont, kWindowed, "Caption Color Checked State AllowGrayed"}),
         Words({"OnClick", kMouse, kKeys, kFocus})},
        {"TRadioButton", Words({kControl, kFont, kWindowed, "Caption Color Checked"}),
         Words({"OnClick", kMouse, kKeys, kFocus})},
        {"TGroupBox", Words({kControl, kFont, kWindowed, "Caption Color"}), Words({kClicks, kMouse, kFocus})},
        {"TPanel",
         Words({kControl, kFont, kWindowed, "Caption Color BevelOuter BevelInner BorderStyle Align"}),
         Words({kClicks, kMouse, kFocus, "OnResize"})},
        {"TListBox",
         Words(
             {kControl, kFont, kWindowed, "Color Sorted MultiSelect ExtendedSelect Columns IntegralHeight"}),
         Words({kClicks, kMouse, kKeys, kFocus})},
        {"TComboBox", Words({kControl, kFont, kWindowed, "Text Color Style Sorted"}),
         Words({"OnChange", kClicks, "OnDropDown", kKeys, kFocus})},
        {"TPaintBox", Words({kControl, kFont, "Color Align"}), Words({kClicks, kMouse, "OnPaint"})},
        {"TImage", Words({kControl, "Stretch Center Transparent"}), Words({kClicks, kMouse})},
        {"TShape", Words({kControl, "Shape Brush.Color Brush.Style Pen.Color Pen.Style Pen.Width"}),
         Words({kMouse})},
        {"TBevel", Words({kControl, "Shape Style"}), {}},
        {"TTimer", Words({"Left Top Enabled Interval Tag"}), Words({"OnTimer"})},
        {"TScrollBar", Words({kControl, kWindowed, "Kind Min Max Position SmallChange LargeChange"}),
         Words({"OnChange OnScroll", kKeys, kFocus})},
        {"TMainMenu", Words({"Left Top Tag"}), {}},
        {"TMenuItem", Words({"Caption Checked Enabled Visible ShortCut Hint Tag"}), Words({"OnClick"})},
        {"TOpenDialog", Words({"Left Top Tag Title Filter FilterIndex DefaultExt InitialDir FileName"}), {}},
        {"TSaveDialog", Words({"Left Top Tag Title Filter FilterIndex DefaultExt InitialDir FileName"}), {}},
        {"TColorDialog", Words({"Left Top Tag Color"}), {}},
        {"TFontDialog", Words({"Left Top Tag"}), {}},
        // Values read from .frx files.
        {"TForm", Words({"Icon.Data"}), {}},
        {"TImage", Words({"Picture.Data"}), {}},
        {"TListBox", Words({"Items.Strings"}), {}},
        {"TComboBox", Words({"Items.Strings"}), {}},
        // Counterparts of OCX controls; the properties each carries come from their table.
        {"TListView", Words({kControl, kFont, kWindowed, "Color"}), Words({kMouse, kKeys, kFocus})},
        {"TTreeView", Words({kControl, kFont, kWindowed, "Color"}), Words({kMouse, kKeys, kFocus})},
        {"TStatusBar", Words({kControl, kFont, "Color Align"}), Words({kMouse})},
        {"TProgressBar", Words({kControl, kWindowed}), Words({kMouse})},
        {"TToolBar", Words({kControl, kFont, kWindowed, "Color Align"}), Words({kMouse})},
        {"TImageList", Words({"Left Top Tag"}), {}},
        {"TTabControl", Words({kControl, kFont, kWindowed}), Words({kMouse, kKeys, kFocus})},
        {"TTrackBar", Words({kControl, kWindowed}), Words({kKeys, kFocus})},
        {"TUpDown", Words({kControl, kWindowed}), Words({kMouse})},
        {"TStringGrid", Words({kControl, kFont, kWindowed, "Color"}), Words({kMouse, kKeys, kFocus})},
    };
    QHash<QString, ClassVocabulary> table;
    for (const Entry& entry : entries) {
      ClassVocabulary& vocabulary_of_class = table[QString::fromLatin1(entry.delphi_class)];
      for (const QString& property : entry.properties)
        vocabulary_of_class.properties.insert(property.toLower());
      for (const QString& event : entry.events) vocabulary_of_class.events.insert(event.toLower());
    }
    for (const OcxClass& ocx : OcxClasses()) {
      ClassVocabulary& vocabulary_of_class = table[QString::fromLatin1(ocx.delphi_class)];
      for (const OcxProperty& property : ocx.properties)
        vocabulary_of_class.properties.insert(QString::fromLatin1(property.delphi_property).toLower());
      for (const QString& event : Words({ocx.events})) vocabulary_of_class.events.insert(event.toLower());
    }
    return table;
  }();
  return vocabulary;
}

}  // namespace

bool BothProvideClass(const QString& delphi_class) { return Vocabulary().contains(delphi_class); }

bool BothProvideProperty(const QString& delphi_class, const QString& property) {
  const auto found = Vocabulary().constFind(delphi_class);
  return found != Vocabulary().constEnd() && found->properties.contains(property.toLower());
}

bool BothProvideEvent(const QString& delphi_class, const QString& event) {
  const auto found = Vocabulary().constFind(delphi_class);
  return found != Vocabulary().constEnd() && found->events.contains(event.toLower());
}

}  // namespace veldrane::migration
