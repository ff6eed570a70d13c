#include "migration/form_design.h"

#include <QHash>
#include <QSet>
#include <algorithm>
#include <cmath>
#include <functional>
#include <numeric>
#include <optional>

#include "migration/ascii_identifier.h"
#include "migration/designer_blocks.h"
#include "migration/dfm_values.h"
#include "migration/dfm_vocabulary.h"
#include "migration/frx_resources.h"
#include "migration/ocx_controls.h"
#include "migration/vb_values.h"
#include "translation/pascal_text.h"

namespace veldrane::migration {
namespace {

enum class Kind {
  Form,
  MdiForm,
  UserControl,
  Button,
  Label,
  TextBox,
  CheckBox,
  Option,
  Frame,
  ListBox,
  ComboBox,
  PictureBox,
  Image,
  Shape,
  Line,
  Timer,
  HScrollBar,
  VScrollBar,
  Menu,
  CommonDialog,
  Other
};

Kind KindOf(const QString& vb_class) {
  static const std::pair<const char*, Kind> kKinds[] = {{"VB.Form", Kind::Form},
                                                        {"VB.MDIForm", Kind::MdiForm},
                                                        {"VB.UserControl", Kind::UserControl},
                                                        {"VB.CommandButton", Kind::Button},
                                                        {"VB.Label", Kind::Label},
                                                        {"VB.TextBox", Kind::TextBox},
                                                        {"VB.CheckBox", Kind::CheckBox},
                                                        {"VB.OptionButton", Kind::Option},
                                                        {"VB.Frame", Kind::Frame},
                                                        {"VB.ListBox", Kind::ListBox},
                                                        {"VB.ComboBox", Kind::ComboBox},
                                                        {"VB.PictureBox", Kind::PictureBox},
                                                        {"VB.Image", Kind::Image},
                                                        {"VB.Shape", Kind::Shape},
                                                        {"VB.Line", Kind::Line},
                                                        {"VB.Timer", Kind::Timer},
                                                        {"VB.HScrollBar", Kind::HScrollBar},
                                                        {"VB.VScrollBar", Kind::VScrollBar},
                                                        {"VB.Menu", Kind::Menu},
                                                        {"MSComDlg.CommonDialog", Kind::CommonDialog}};
  for (const auto& [name, kind] : kKinds)
    if (vb_class.compare(QLatin1String(name), Qt::CaseInsensitive) == 0) return kind;
  return Kind::Other;
}

bool IsRootKind(Kind kind) {
  return kind == Kind::Form || kind == Kind::MdiForm || kind == Kind::UserControl;
}

// Designer-only values that VB keeps for its own use; they carry nothing a user set.
bool IsInternalProperty(const QString& name) {
  return name.startsWith(u'_') || name.compare(QLatin1String("Index"), Qt::CaseInsensitive) == 0;
}

// Positions in a container's units to pixels: pixels = (value - origin) * twips / 15.
struct Scale {
  double twips_x = 1, twips_y = 1, origin_x = 0, origin_y = 0;
  int X(double value) const { return TwipsToPixels((value - origin_x) * twips_x); }
  int Y(double value) const { return TwipsToPixels((value - origin_y) * twips_y); }
  int Width(double value) const { return TwipsToPixels(std::abs(value * twips_x)); }
  int Height(double value) const { return TwipsToPixels(std::abs(value * twips_y)); }
};

// The properties of one VB block as they are taken; whatever is not taken is reported when done.
class BlockReader {
 public:
  BlockReader(const RawBlock& block, FormControl& control, FormDesign& design, const FrxSource* frx)
      : block_(block),
        control_(control),
        design_(design),
        frx_(frx),
        taken_(block.properties.size(), false) {}

  const RawProperty* Take(const QString& name) {
    for (size_t i = 0; i < block_.properties.size(); ++i)
      if (!taken_[i] && block_.properties[i].name.compare(name, Qt::CaseInsensitive) == 0) {
        taken_[i] = true;
        return &block_.properties[i];
      }
    return nullptr;
  }
  std::optional<double> TakeNumber(const QString& name) {
    const RawProperty* property = Take(name);
    return property ? VbNumber(property->value) : std::nullopt;
  }
  std::optional<bool> TakeBool(const QString& name) {
    const RawProperty* property = Take(name);
    return property ? VbBool(property->value) : std::nullopt;
  }
  // Takes every property of a `BeginProperty` group.
  std::vector<const RawProperty*> TakeGroup(const QString& group) {
    std::vector<const RawProperty*> taken;
    const QString prefix = group + u'.';
    for (size_t i = 0; i < block_.properties.size(); ++i)
      if (!taken_[i] && block_.properties[i].name.startsWith(prefix, Qt::CaseInsensitive)) {
        taken_[i] = true;
        taken.push_back(&block_.properties[i]);
      }
    return taken;
  }
  bool Has(const QString& name) const { return block_.Find(name) != nullptr; }
  // An .frx value is not taken: Finish lists it among the resources not carried.
  bool InFrx(const QString& name) const {
    const RawProperty* property = block_.Find(name);
    return property && IsFrxReference(property->value);
  }

  // Writes `name = value` when both Delphi libraries know it on this class; otherwise the VB
  // property it came from is reported as dropped.
  void Write(const QString& vb_property, const QString& name, const QString& value) {
    if (BothProvideProperty(control_.delphi_class, name))
      control_.properties.push_back({name, value});
    else
      Drop(vb_property);
  }
  void Drop(const QString& vb_property) {
    if (dropped_.contains(vb_property)) return;
    dropped_.insert(vb_property);
    const RawProperty* property = block_.Find(vb_property);
    design_.dropped_properties.push_back(
        {control_.name, vb_property, property ? property->line : block_.line});
  }
  void Problem(const QString& message) { design_.problems.push_back({block_.line, message}); }

  // Reports what was not taken: .frx references as resources, the rest as dropped properties.
  void Finish() {
    for (size_t i = 0; i < block_.properties.size(); ++i) {
      if (taken_[i]) continue;
      const RawProperty& property = block_.properties[i];
      if (IsFrxReference(property.value))
        CarryFrx(property);
      else if (!IsInternalProperty(property.name))
        Drop(property.name.section(u'.', 0, 0));
    }
  }

  FormControl& control() { return control_; }

 private:
  // A value from the .frx is written when both libraries know what carries it, else listed.
  void CarryFrx(const RawProperty& property) {
    FrxCarried carried;
    if (frx_)
      carried = CarryFrxProperty(control_.delphi_class, property.name, property.value, *frx_);
    else
      carried.reason = QStringLiteral("the .frx file is not read");
    for (const DfmProperty& written : carried.properties)
      if (carried.reason.isEmpty() && !BothProvideProperty(control_.delphi_class, written.name))
        carried.reason = control_.delphi_class + QStringLiteral(" has no ") + written.name;
    if (!carried.reason.isEmpty()) {
      design_.frx_resources.push_back(
          {control_.name, property.name, property.value, property.line, carried.reason});
      return;
    }
    for (DfmProperty& written : carried.properties) {
      if (control_.delphi_class == u"TForm" && written.name == u"Caption") design_.caption = carried.text;
      control_.properties.push_back(std::move(written));
    }
  }

  const RawBlock& block_;
  FormControl& control_;
  FormDesign& design_;
  const FrxSource* frx_;
  std::vector<bool> taken_;
  QSet<QString> dropped_;
};

QString Bool(bool value) { return value ? QStringLiteral("True") : QStringLiteral("False"); }
QString Int(double value) {
  return QString::number(std::llround(std::clamp(value, -2147483648.0, 2147483647.0)));
}

// One of `names` by a VB enumeration value; nullopt when out of range.
std::optional<QString> Pick(std::optional<double> value, std::initializer_list<const char*> names) {
  if (!value || *value < 0 || *value >= static_cast<double>(names.size()) || *value != std::floor(*value))
    return std::nullopt;
  return QString::fromLatin1(names.begin()[static_cast<size_t>(*value)]);
}

void WriteEnum(BlockReader& reader, const QString& vb_property, const QString& name,
               std::initializer_list<const char*> names) {
  const RawProperty* property = reader.Take(vb_property);
  if (!property) return;
  if (const std::optional<QString> value = Pick(VbNumber(property->value), names))
    reader.Write(vb_property, name, *value);
  else
    reader.Drop(vb_property);
}

void WriteBool(BlockReader& reader, const QString& vb_property, const QString& name) {
  if (const std::optional<bool> value = reader.TakeBool(vb_property))
    reader.Write(vb_property, name, Bool(*value));
}

void WriteColor(BlockReader& reader, const QString& vb_property, const QString& name) {
  const RawProperty* property = reader.Take(vb_property);
  if (!property) return;
  const std::optional<std::uint32_t> color = VbColor(property->value);
  const QString value = color ? DfmColor(*color) : QString();
  if (value.isEmpty())
    reader.Drop(vb_property);
  else
    reader.Write(vb_property, name, value);
}

void WriteString(BlockReader& reader, const QString& vb_property, const QString& name) {
  if (reader.InFrx(vb_property)) return;
  const RawProperty* property = reader.Take(vb_property);
  if (!property) return;
  if (const std::optional<QString> text = VbString(property->value))
    reader.Write(vb_property, name, DfmString(*text));
  else
    reader.Drop(vb_property);
}

void WriteNumber(BlockReader& reader, const QString& vb_property, const QString& name) {
  if (const std::optional<double> value = reader.TakeNumber(vb_property))
    reader.Write(vb_property, name, Int(*value));
}

void WriteFont(BlockReader& reader) {
  // Styles in the order of Delphi's TFontStyle, as a set is written.
  static const char* const kStyles[] = {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"};
  bool styles[4] = {false, false, false, false};
  auto set_style = [&styles](int style, std::optional<bool> on) {
    if (on) styles[style] = *on;
  };
  // VB6 writes a Font group; older forms write FontName, FontSize, FontBold... lines.
  std::optional<QString> name;
  std::optional<double> size, charset;
  bool any = false;
  for (const RawProperty* property : reader.TakeGroup(QStringLiteral("Font"))) {
    any = true;
    const QString key = property->name.section(u'.', 1).toLower();
    if (key == u"name") {
      name = VbString(property->value);
    } else if (key == u"size") {
      size = VbNumber(property->value);
    } else if (key == u"charset") {
      charset = VbNumber(property->value);
    } else if (key == u"weight") {
      const std::optional<double> weight = VbNumber(property->value);
      set_style(0, weight && *weight >= 600);
    } else if (key == u"bold") {
      set_style(0, VbBool(property->value));
    } else if (key == u"italic") {
      set_style(1, VbBool(property->value));
    } else if (key == u"underline") {
      set_style(2, VbBool(property->value));
    } else if (key == u"strikethrough") {
      set_style(3, VbBool(property->value));
    }
  }
  if (const RawProperty* property = reader.Take(QStringLiteral("FontName"))) {
    any = true;
    name = VbString(property->value);
  }
  if (const std::optional<double> value = reader.TakeNumber(QStringLiteral("FontSize"))) {
    any = true;
    size = value;
  }
  static const char* const kOldStyles[] = {"FontBold", "FontItalic", "FontUnderline", "FontStrikethru"};
  for (int style = 0; style < 4; ++style)
    if (const std::optional<bool> value = reader.TakeBool(QLatin1String(kOldStyles[style]))) {
      any = true;
      set_style(style, value);
    }
  if (!any) return;
  const QString vb_property = QStringLiteral("Font");
  if (!BothProvideProperty(reader.control().delphi_class, QStringLiteral("Font.Name"))) {
    reader.Drop(vb_property);
    return;
  }
  if (charset && *charset > 0 && *charset < 256)
    reader.Write(vb_property, QStringLiteral("Font.Charset"), Int(*charset));
  // Font.Height is the character height in pixels at 96 dots an inch, negative as Delphi writes it.
  if (size && *size > 0 && *size < 1000)
    reader.Write(vb_property, QStringLiteral("Font.Height"), Int(-*size * 96 / 72));
  if (name && !name->isEmpty()) reader.Write(vb_property, QStringLiteral("Font.Name"), DfmString(*name));
  QStringList style_names;
  for (int style = 0; style < 4; ++style)
    if (styles[style]) style_names << QLatin1String(kStyles[style]);
  reader.Write(vb_property, QStringLiteral("Font.Style"),
               u'[' + style_names.join(QStringLiteral(", ")) + u']');
}

// Picture boxes, data controls and many controls of other libraries dock to an edge of the form.
void WriteAlign(BlockReader& reader) {
  WriteEnum(reader, QStringLiteral("Align"), QStringLiteral("Align"),
            {"alNone", "alTop", "alBottom", "alLeft", "alRight"});
}

// Properties most visual controls share.
void WriteCommon(BlockReader& reader, bool root) {
  WriteBool(reader, QStringLiteral("Enabled"), QStringLiteral("Enabled"));
  WriteBool(reader, QStringLiteral("Visible"), QStringLiteral("Visible"));
  WriteBool(reader, QStringLiteral("TabStop"), QStringLiteral("TabStop"));
  WriteAlign(reader);
  if (!reader.InFrx(QStringLiteral("ToolTipText")))
    if (const RawProperty* tip = reader.Take(QStringLiteral("ToolTipText"))) {
      if (const std::optional<QString> text = VbString(tip->value); text && !text->isEmpty()) {
        reader.Write(QStringLiteral("ToolTipText"), QStringLiteral("Hint"), DfmString(*text));
        reader.Write(QStringLiteral("ToolTipText"), QStringLiteral("ShowHint"), QStringLiteral("True"));
      }
    }
  WriteFont(reader);
  // A form's ForeColor is the colour of what the code draws on it (Print, Line), not of its
  // controls' text, which a form's Font.Color would set.
  if (root && reader.Take(QStringLiteral("ForeColor")))
    reader.Drop(QStringLiteral("ForeColor"));
  else
    WriteColor(reader, QStringLiteral("ForeColor"), QStringLiteral("Font.Color"));
  WriteColor(reader, QStringLiteral("BackColor"), QStringLiteral("Color"));
  const RawProperty* pointer = reader.Take(QStringLiteral("MousePointer"));
  if (!pointer) return;
  const std::optional<QString> cursor =
      Pick(VbNumber(pointer->value), {"crDefault", "crArrow", "crCross", "crIBeam", "", "crSize",
                                      "crSizeNESW", "crSizeNS", "crSizeNWSE", "crSizeWE", "crUpArrow",
                                      "crHourGlass", "crNo", "crAppStart", "crHelp", "crSizeAll"});
  if (cursor && !cursor->isEmpty())
    reader.Write(QStringLiteral("MousePointer"), QStringLiteral("Cursor"), *cursor);
  else
    reader.Drop(QStringLiteral("MousePointer"));
}

void WriteForm(BlockReader& reader, Kind kind, FormDesign& design) {
  if (!reader.InFrx(QStringLiteral("Caption")))
    if (const RawProperty* caption = reader.Take(QStringLiteral("Caption"))) {
      design.caption = VbString(caption->value).value_or(QString());
      reader.Write(QStringLiteral("Caption"), QStringLiteral("Caption"), DfmString(design.caption));
    }
  WriteEnum(reader, QStringLiteral("BorderStyle"), QStringLiteral("BorderStyle"),
            {"bsNone", "bsSingle", "bsSizeable", "bsDialog", "bsToolWindow", "bsSizeToolWin"});
  const bool control_box = reader.TakeBool(QStringLiteral("ControlBox")).value_or(true);
  const bool min_button = reader.TakeBool(QStringLiteral("MinButton")).value_or(true);
  const bool max_button = reader.TakeBool(QStringLiteral("MaxButton")).value_or(true);
  if (!control_box || !min_button || !max_button) {
    QStringList icons;
    if (control_box) {
      icons << QStringLiteral("biSystemMenu");
      if (min_button) icons << QStringLiteral("biMinimize");
      if (max_button) icons << QStringLiteral("biMaximize");
    }
    reader.Write(QStringLiteral("ControlBox"), QStringLiteral("BorderIcons"),
                 u'[' + icons.join(QStringLiteral(", ")) + u']');
  }
  WriteBool(reader, QStringLiteral("KeyPreview"), QStringLiteral("KeyPreview"));
  // VB places a form without StartUpPosition where it was designed; Delphi and Lazarus differ in
  // their default, so the position is always written.
  const RawProperty* start = reader.Take(QStringLiteral("StartUpPosition"));
  const std::optional<QString> position =
      Pick(start ? VbNumber(start->value) : std::optional<double>(0),
           {"poDesigned", "poOwnerFormCenter", "poScreenCenter", "poDefaultPosOnly"});
  reader.Write(QStringLiteral("StartUpPosition"), QStringLiteral("Position"),
               position.value_or(QStringLiteral("poDesigned")));
  WriteEnum(reader, QStringLiteral("WindowState"), QStringLiteral("WindowState"),
            {"wsNormal", "wsMinimized", "wsMaximized"});
  if (kind == Kind::MdiForm)
    reader.Write(QStringLiteral("MDIForm"), QStringLiteral("FormStyle"), QStringLiteral("fsMDIForm"));
  else if (reader.TakeBool(QStringLiteral("MDIChild")).value_or(false))
    reader.Write(QStringLiteral("MDIChild"), QStringLiteral("FormStyle"), QStringLiteral("fsMDIChild"));
}

void WriteTextBox(BlockReader& reader, bool memo) {
  reader.Take(QStringLiteral("MultiLine"));
  if (memo) {
    if (!reader.InFrx(QStringLiteral("Text")))
      if (const RawProperty* text = reader.Take(QStringLiteral("Text"))) {
        const QString value = VbString(text->value).value_or(QString());
        if (!value.isEmpty())
          reader.Write(QStringLiteral("Text"), QStringLiteral("Lines.Strings"),
                       u'(' + DfmString(value) + u')');
      }
    const std::optional<double> bars = reader.TakeNumber(QStringLiteral("ScrollBars"));
    if (const std::optional<QString> value = Pick(bars, {"ssNone", "ssHorizontal", "ssVertical", "ssBoth"})) {
      reader.Write(QStringLiteral("ScrollBars"), QStringLiteral("ScrollBars"), *value);
      // A VB multi-line box wraps its lines unless it has a horizontal scroll bar.
      if (*bars == 1 || *bars == 3)
        reader.Write(QStringLiteral("ScrollBars"), QStringLiteral("WordWrap"), QStringLiteral("False"));
    }
  } else {
    WriteString(reader, QStringLiteral("Text"), QStringLiteral("Text"));
    reader.Write(QStringLiteral("Height"), QStringLiteral("AutoSize"), QStringLiteral("False"));
  }
  WriteEnum(reader, QStringLiteral("Alignment"), QStringLiteral("Alignment"),
            {"taLeftJustify", "taRightJustify", "taCenter"});
  WriteNumber(reader, QStringLiteral("MaxLength"), QStringLiteral("MaxLength"));
  if (const RawProperty* password = reader.Take(QStringLiteral("PasswordChar"))) {
    const QString value = VbString(password->value).value_or(QString());
    // The LCL's PasswordChar is one byte: a character beyond ASCII fails the whole form there.
    if (value.size() == 1 && value[0].unicode() >= 0x80) {
      reader.Write(QStringLiteral("PasswordChar"), QStringLiteral("PasswordChar"), QStringLiteral("'*'"));
      reader.Problem(
          QStringLiteral("PasswordChar %1 is written as *: the LCL takes only ASCII there").arg(value));
    } else if (value.size() == 1) {
      reader.Write(QStringLiteral("PasswordChar"), QStringLiteral("PasswordChar"), DfmString(value));
    }
  }
  WriteBool(reader, QStringLiteral("Locked"), QStringLiteral("ReadOnly"));
  WriteBool(reader, QStringLiteral("HideSelection"), QStringLiteral("HideSelection"));
  WriteEnum(reader, QStringLiteral("BorderStyle"), QStringLiteral("BorderStyle"), {"bsNone", "bsSingle"});
}

void WriteShape(BlockReader& reader) {
  WriteEnum(reader, QStringLiteral("Shape"), QStringLiteral("Shape"),
            {"stRectangle", "stSquare", "stEllipse", "stCircle", "stRoundRect", "stRoundSquare"});
  const std::optional<double> fill_style = reader.TakeNumber(QStringLiteral("FillStyle"));
  const RawProperty* fill_color = reader.Take(QStringLiteral("FillColor"));
  const std::optional<double> back_style = reader.TakeNumber(QStringLiteral("BackStyle"));
  const RawProperty* back_color = reader.Take(QStringLiteral("BackColor"));
  auto brush_color = [&reader](const RawProperty* color, const QString& vb_property, const char* fallback) {
    const std::optional<std::uint32_t> value = color ? VbColor(color->value) : std::nullopt;
    const QString name = value ? DfmColor(*value) : QString::fromLatin1(fallback);
    reader.Write(vb_property, QStringLiteral("Brush.Color"),
                 name.isEmpty() ? QString::fromLatin1(fallback) : name);
  };
  // VB fills a shape with FillColor in FillStyle (transparent by default), or else with BackColor
  // when BackStyle is opaque.
  const std::optional<QString> style =
      Pick(fill_style.value_or(1), {"bsSolid", "bsClear", "bsHorizontal", "bsVertical", "bsFDiagonal",
                                    "bsBDiagonal", "bsCross", "bsDiagCross"});
  if (style && *style != u"bsClear") {
    brush_color(fill_color, QStringLiteral("FillColor"), "clBlack");
    reader.Write(QStringLiteral("FillStyle"), QStringLiteral("Brush.Style"), *style);
  } else if (back_style.value_or(0) == 1) {
    brush_color(back_color, QStringLiteral("BackColor"), "clWindow");
  } else {
    reader.Write(QStringLiteral("BackStyle"), QStringLiteral("Brush.Style"), QStringLiteral("bsClear"));
  }
}

void WriteBorder(BlockReader& reader) {
  WriteColor(reader, QStringLiteral("BorderColor"), QStringLiteral("Pen.Color"));
  WriteNumber(reader, QStringLiteral("BorderWidth"), QStringLiteral("Pen.Width"));
  WriteEnum(reader, QStringLiteral("BorderStyle"), QStringLiteral("Pen.Style"),
            {"psClear", "psSolid", "psDash", "psDot", "psDashDot", "psDashDotDot", "psInsideFrame"});
}

// A line becomes a thin filled TShape along it; Delphi has no control that draws a slanted line.
void WriteLine(BlockReader& reader, const Scale& scale) {
  const int x1 = scale.X(reader.TakeNumber(QStringLiteral("X1")).value_or(0));
  const int y1 = scale.Y(reader.TakeNumber(QStringLiteral("Y1")).value_or(0));
  const int x2 = scale.X(reader.TakeNumber(QStringLiteral("X2")).value_or(0));
  const int y2 = scale.Y(reader.TakeNumber(QStringLiteral("Y2")).value_or(0));
  // BorderWidth is in pixels whatever the scale mode.
  const int thickness =
      static_cast<int>(std::clamp(reader.TakeNumber(QStringLiteral("BorderWidth")).value_or(1), 1.0, 1000.0));
  const bool slanted = x1 != x2 && y1 != y2;
  const bool vertical = x1 == x2 && y1 != y2;
  const int left = std::min(x1, x2) - (vertical ? thickness / 2 : 0);
  const int top = std::min(y1, y2) - (!vertical && !slanted ? thickness / 2 : 0);
  const int width = vertical ? thickness : std::max(1, std::abs(x2 - x1));
  const int height = slanted ? std::abs(y2 - y1) : vertical ? std::abs(y2 - y1) : thickness;
  reader.Write(QStringLiteral("X1"), QStringLiteral("Left"), QString::number(left));
  reader.Write(QStringLiteral("Y1"), QStringLiteral("Top"), QString::number(top));
  reader.Write(QStringLiteral("X2"), QStringLiteral("Width"), QString::number(width));
  reader.Write(QStringLiteral("Y2"), QStringLiteral("Height"), QString::number(height));
  if (slanted) {
    reader.Problem(QStringLiteral("%1 is a slanted line: it is kept as an empty shape over its bounds")
                       .arg(reader.control().name));
    reader.Write(QStringLiteral("X1"), QStringLiteral("Pen.Style"), QStringLiteral("psClear"));
    reader.Write(QStringLiteral("X1"), QStringLiteral("Brush.Style"), QStringLiteral("bsClear"));
    return;
  }
  const RawProperty* color = reader.Take(QStringLiteral("BorderColor"));
  const std::optional<std::uint32_t> value = color ? VbColor(color->value) : std::nullopt;
  QString name = value ? DfmColor(*value) : QString();
  if (name.isEmpty()) name = QStringLiteral("clWindowText");
  reader.Write(QStringLiteral("BorderColor"), QStringLiteral("Pen.Color"), name);
  reader.Write(QStringLiteral("BorderColor"), QStringLiteral("Brush.Color"), name);
  WriteEnum(reader, QStringLiteral("BorderStyle"), QStringLiteral("Pen.Style"),
            {"psClear", "psSolid", "psDash", "psDot", "psDashDot", "psDashDotDot", "psInsideFrame"});
}

void WriteScrollBar(BlockReader& reader, Kind kind) {
  reader.Write(QStringLiteral("Min"), QStringLiteral("Kind"),
               kind == Kind::HScrollBar ? QStringLiteral("sbHorizontal") : QStringLiteral("sbVertical"));
  // VB's Max defaults to 32767, Delphi's to 100, so Max is always written.
  const double min = reader.TakeNumber(QStringLiteral("Min")).value_or(0);
  const double max = reader.TakeNumber(QStringLiteral("Max")).value_or(32767);
  if (min > max) {
    // VB lets Min exceed Max (a reversed bar); Delphi refuses such a range when loading.
    reader.Problem(
        QStringLiteral("%1 has Min greater than Max: the range is not carried").arg(reader.control().name));
    reader.Drop(QStringLiteral("Min"));
    reader.Drop(QStringLiteral("Max"));
    reader.Take(QStringLiteral("Value"));
    reader.Drop(QStringLiteral("Value"));
  } else {
    reader.Write(QStringLiteral("Max"), QStringLiteral("Max"), Int(max));
    if (min != 0) reader.Write(QStringLiteral("Min"), QStringLiteral("Min"), Int(min));
    if (const std::optional<double> value = reader.TakeNumber(QStringLiteral("Value")))
      reader.Write(QStringLiteral("Value"), QStringLiteral("Position"), Int(std::clamp(*value, min, max)));
  }
  WriteNumber(reader, QStringLiteral("SmallChange"), QStringLiteral("SmallChange"));
  WriteNumber(reader, QStringLiteral("LargeChange"), QStringLiteral("LargeChange"));
}

void WriteMenu(BlockReader& reader) {
  WriteString(reader, QStringLiteral("Caption"), QStringLiteral("Caption"));
  WriteBool(reader, QStringLiteral("Checked"), QStringLiteral("Checked"));
  WriteBool(reader, QStringLiteral("Enabled"), QStringLiteral("Enabled"));
  WriteBool(reader, QStringLiteral("Visible"), QStringLiteral("Visible"));
  if (const RawProperty* shortcut = reader.Take(QStringLiteral("Shortcut"))) {
    if (const std::optional<int> value = VbShortcut(shortcut->value))
      reader.Write(QStringLiteral("Shortcut"), QStringLiteral("ShortCut"), QString::number(*value));
    else
      reader.Drop(QStringLiteral("Shortcut"));
  }
}

// The items of a VB property group (ColumnHeaders.ColumnHeader(1).Text...) in their order, each
// with its fields by name ("Text", "Object.Width").
std::vector<QHash<QString, QString>> GroupItems(BlockReader& reader, const QString& group) {
  std::vector<QHash<QString, QString>> items;
  QStringList names;
  for (const RawProperty* property : reader.TakeGroup(group)) {
    const QString item = property->name.section(u'.', 1, 1), field = property->name.section(u'.', 2);
    if (field.isEmpty()) continue;  // NumItems and the like
    if (!names.contains(item, Qt::CaseInsensitive)) {
      names << item;
      items.emplace_back();
    }
    items[size_t(names.indexOf(item))].insert(field.toLower(), property->value);
  }
  return items;
}

// An OCX control's properties, as its entry in the OCX table maps them.
void WriteOcx(BlockReader& reader, const OcxClass& ocx) {
  for (const OcxProperty& row : ocx.properties) {
    const QString vb_property = QLatin1String(row.vb_property), name = QLatin1String(row.delphi_property);
    if (row.vb_default && !reader.Has(vb_property)) {
      reader.Write(vb_property, name, QLatin1String(row.vb_default));
      continue;
    }
    switch (row.kind) {
      case OcxProperty::Kind::kNumber:
        WriteNumber(reader, vb_property, name);
        break;
      case OcxProperty::Kind::kBool:
        WriteBool(reader, vb_property, name);
        break;
      case OcxProperty::Kind::kString:
        WriteString(reader, vb_property, name);
        break;
      case OcxProperty::Kind::kItems:
      case OcxProperty::Kind::kStrings:
        if (const std::vector<QHash<QString, QString>> items = GroupItems(reader, vb_property);
            !items.empty())
          reader.Write(vb_property, name, OcxItemsValue(row, items));
        break;
      case OcxProperty::Kind::kEnum: {
        const RawProperty* property = reader.Take(vb_property);
        if (!property) break;
        const QStringList names = QString::fromLatin1(row.values).split(u' ');
        const std::optional<double> value = VbNumber(property->value);
        if (value && *value >= 0 && *value < names.size() && *value == std::floor(*value))
          reader.Write(vb_property, name, names[qsizetype(*value)]);
        else
          reader.Drop(vb_property);
        break;
      }
    }
  }
}

// Properties particular to each kind of control (the root form's are in WriteForm).
void WriteKindProperties(BlockReader& reader, Kind kind, const Scale& scale) {
  const QString caption = QStringLiteral("Caption");
  switch (kind) {
    case Kind::Button:
      WriteString(reader, caption, caption);
      WriteBool(reader, QStringLiteral("Default"), QStringLiteral("Default"));
      WriteBool(reader, QStringLiteral("Cancel"), QStringLiteral("Cancel"));
      break;
    case Kind::Label:
      WriteString(reader, caption, caption);
      WriteEnum(reader, QStringLiteral("Alignment"), QStringLiteral("Alignment"),
                {"taLeftJustify", "taRightJustify", "taCenter"});
      // A VB label keeps its size unless AutoSize is set; a Delphi label sizes itself by default.
      reader.Write(QStringLiteral("AutoSize"), QStringLiteral("AutoSize"),
                   Bool(reader.TakeBool(QStringLiteral("AutoSize")).value_or(false)));
      WriteBool(reader, QStringLiteral("WordWrap"), QStringLiteral("WordWrap"));
      WriteBool(reader, QStringLiteral("UseMnemonic"), QStringLiteral("ShowAccelChar"));
      if (const std::optional<double> back_style = reader.TakeNumber(QStringLiteral("BackStyle"));
          back_style && *back_style == 0)
        reader.Write(QStringLiteral("BackStyle"), QStringLiteral("Transparent"), QStringLiteral("True"));
      break;
    case Kind::TextBox:
      WriteTextBox(reader, reader.control().delphi_class == u"TMemo");
      break;
    case Kind::CheckBox: {
      WriteString(reader, caption, caption);
      const std::optional<double> value = reader.TakeNumber(QStringLiteral("Value"));
      if (value && *value == 1)
        reader.Write(QStringLiteral("Value"), QStringLiteral("Checked"), QStringLiteral("True"));
      if (value && *value == 2) {
        reader.Write(QStringLiteral("Value"), QStringLiteral("AllowGrayed"), QStringLiteral("True"));
        reader.Write(QStringLiteral("Value"), QStringLiteral("State"), QStringLiteral("cbGrayed"));
      }
      break;
    }
    case Kind::Option:
      WriteString(reader, caption, caption);
      WriteBool(reader, QStringLiteral("Value"), QStringLiteral("Checked"));
      break;
    case Kind::Frame:
      if (reader.control().delphi_class == u"TPanel") {
        // A borderless frame shows neither border nor caption: a plain panel.
        reader.Take(QStringLiteral("BorderStyle"));
        // VB does not show it; the text is reported, since code may still read it.
        if (const RawProperty* text = reader.Take(caption);
            text && !VbString(text->value).value_or(QString()).isEmpty())
          reader.Drop(caption);
        reader.Write(caption, caption, QStringLiteral("''"));
        reader.Write(QStringLiteral("BorderStyle"), QStringLiteral("BevelOuter"), QStringLiteral("bvNone"));
      } else {
        WriteString(reader, caption, caption);
      }
      break;
    case Kind::ListBox: {
      WriteBool(reader, QStringLiteral("Sorted"), QStringLiteral("Sorted"));
      WriteNumber(reader, QStringLiteral("Columns"), QStringLiteral("Columns"));
      WriteBool(reader, QStringLiteral("IntegralHeight"), QStringLiteral("IntegralHeight"));
      const std::optional<double> multi = reader.TakeNumber(QStringLiteral("MultiSelect"));
      if (multi && *multi > 0) {
        reader.Write(QStringLiteral("MultiSelect"), QStringLiteral("MultiSelect"), QStringLiteral("True"));
        reader.Write(QStringLiteral("MultiSelect"), QStringLiteral("ExtendedSelect"), Bool(*multi == 2));
      }
      break;
    }
    case Kind::ComboBox:
      WriteString(reader, QStringLiteral("Text"), QStringLiteral("Text"));
      WriteEnum(reader, QStringLiteral("Style"), QStringLiteral("Style"),
                {"csDropDown", "csSimple", "csDropDownList"});
      WriteBool(reader, QStringLiteral("Sorted"), QStringLiteral("Sorted"));
      break;
    case Kind::PictureBox:
      if (reader.control().delphi_class == u"TPanel") {
        reader.Write(caption, caption, QStringLiteral("''"));
        const std::optional<double> border = reader.TakeNumber(QStringLiteral("BorderStyle"));
        reader.Write(QStringLiteral("BorderStyle"), QStringLiteral("BevelOuter"),
                     border.value_or(1) == 0 ? QStringLiteral("bvNone") : QStringLiteral("bvLowered"));
      }
      break;
    case Kind::Image:
      WriteBool(reader, QStringLiteral("Stretch"), QStringLiteral("Stretch"));
      break;
    case Kind::Shape:
      WriteShape(reader);
      WriteBorder(reader);
      break;
    case Kind::Line:
      WriteLine(reader, scale);
      break;
    case Kind::Timer:
      WriteBool(reader, QStringLiteral("Enabled"), QStringLiteral("Enabled"));
      WriteNumber(reader, QStringLiteral("Interval"), QStringLiteral("Interval"));
      break;
    case Kind::HScrollBar:
    case Kind::VScrollBar:
      WriteScrollBar(reader, kind);
      break;
    case Kind::Menu:
      WriteMenu(reader);
      break;
    case Kind::CommonDialog:
      WriteString(reader, QStringLiteral("DialogTitle"), QStringLiteral("Title"));
      WriteString(reader, QStringLiteral("Filter"), QStringLiteral("Filter"));
      WriteNumber(reader, QStringLiteral("FilterIndex"), QStringLiteral("FilterIndex"));
      WriteString(reader, QStringLiteral("DefaultExt"), QStringLiteral("DefaultExt"));
      WriteString(reader, QStringLiteral("InitDir"), QStringLiteral("InitialDir"));
      WriteString(reader, QStringLiteral("FileName"), QStringLiteral("FileName"));
      break;
    case Kind::Other:
      if (const OcxClass* ocx = FindOcxClass(reader.control().vb_class)) {
        WriteOcx(reader, *ocx);
        break;
      }
      // The placeholder names the class it stands for.
      reader.Write(caption, caption, DfmString(reader.control().vb_class));
      break;
    case Kind::Form:
    case Kind::MdiForm:
    case Kind::UserControl:
      break;
  }
}

QString DelphiClassOf(Kind kind, const RawBlock& block) {
  switch (kind) {
    case Kind::Form:
    case Kind::MdiForm:
      return QStringLiteral("TForm");
    case Kind::UserControl:
      return QStringLiteral("TFrame");
    case Kind::Button:
      return QStringLiteral("TButton");
    case Kind::Label:
      return QStringLiteral("TLabel");
    case Kind::TextBox: {
      const RawProperty* multi = block.Find(QStringLiteral("MultiLine"));
      return multi && VbBool(multi->value).value_or(false) ? QStringLiteral("TMemo")
                                                           : QStringLiteral("TEdit");
    }
    case Kind::CheckBox:
      return QStringLiteral("TCheckBox");
    case Kind::Option:
      return QStringLiteral("TRadioButton");
    case Kind::Frame: {
      const RawProperty* border = block.Find(QStringLiteral("BorderStyle"));
      return border && VbNumber(border->value) == 0.0 ? QStringLiteral("TPanel")
                                                      : QStringLiteral("TGroupBox");
    }
    case Kind::ListBox:
      return QStringLiteral("TListBox");
    case Kind::ComboBox:
      return QStringLiteral("TComboBox");
    // A picture box that holds controls is a container; otherwise it shows its picture or is a
    // surface to draw on.
    case Kind::PictureBox:
      if (!block.children.empty()) return QStringLiteral("TPanel");
      return block.Find(QStringLiteral("Picture")) ? QStringLiteral("TImage") : QStringLiteral("TPaintBox");
    case Kind::Image:
      return QStringLiteral("TImage");
    case Kind::Shape:
    case Kind::Line:
      return QStringLiteral("TShape");
    case Kind::Timer:
      return QStringLiteral("TTimer");
    case Kind::HScrollBar:
    case Kind::VScrollBar:
      return QStringLiteral("TScrollBar");
    case Kind::Menu:
      return QStringLiteral("TMenuItem");
    case Kind::CommonDialog:
      return QStringLiteral("TOpenDialog");
    case Kind::Other:
      if (const OcxClass* ocx = FindOcxClass(block.vb_class)) return QLatin1String(ocx->delphi_class);
      break;
  }
  return QStringLiteral("TPanel");
}

// Twips per unit of a VB ScaleMode: 1 twips, 2 points, 3 pixels, 4 characters, 5 inches,
// 6 millimetres, 7 centimetres.
std::optional<std::pair<double, double>> TwipsPerUnit(double mode) {
  static const std::pair<double, double> kUnits[] = {{1, 1},
                                                     {20, 20},
                                                     {15, 15},
                                                     {120, 240},
                                                     {1440, 1440},
                                                     {1440 / 25.4, 1440 / 25.4},
                                                     {1440 / 2.54, 1440 / 2.54}};
  if (mode < 1 || mode > 7 || mode != std::floor(mode)) return std::nullopt;
  return kUnits[static_cast<size_t>(mode) - 1];
}

// The scale the children of `block` are positioned in. A form, picture box or user control has
// its own ScaleMode; other containers use their parent's units from their own corner.
Scale ChildScale(const RawBlock& block, Kind kind, const Scale& parent, double width_twips,
                 double height_twips) {
  const bool own_scale =
      IsRootKind(kind) || kind == Kind::PictureBox || block.Find(QStringLiteral("ScaleMode"));
  if (!own_scale) return {parent.twips_x, parent.twips_y, 0, 0};
  auto number = [&block](const char* name) -> std::optional<double> {
    const RawProperty* property = block.Find(QLatin1String(name));
    return property ? VbNumber(property->value) : std::nullopt;
  };
  const double mode = number("ScaleMode").value_or(1);
  Scale scale;
  if (mode == 0) {
    const double scale_width = number("ScaleWidth").value_or(0),
                 scale_height = number("ScaleHeight").value_or(0);
    if (scale_width == 0 || scale_height == 0 || width_twips == 0 || height_twips == 0) return scale;
    scale = {width_twips / scale_width, height_twips / scale_height, number("ScaleLeft").value_or(0),
             number("ScaleTop").value_or(0)};
  } else if (const auto units = TwipsPerUnit(mode)) {
    scale = {units->first, units->second, 0, 0};
  }
  return scale;
}

// Whether the children of a container fit it when their positions are read with `scale`.
bool ChildrenFit(const RawBlock& block, const Scale& scale, double width_twips, double height_twips) {
  const double slack = 300;  // twips: controls often overhang their container a little
  for (const RawBlock& child : block.children) {
    auto number = [&child](const char* name) -> double {
      const RawProperty* property = child.Find(QLatin1String(name));
      return property ? VbNumber(property->value).value_or(0) : 0;
    };
    const double left = number("Left"), top = number("Top");
    if (left < 0 || top < 0) continue;  // moved off the container on purpose
    const double right = (left - scale.origin_x + number("Width")) * scale.twips_x;
    const double bottom = (top - scale.origin_y + number("Height")) * scale.twips_y;
    if (right > width_twips * 1.25 + slack || bottom > height_twips * 1.25 + slack) return false;
  }
  return true;
}

// Controls that never take the focus in either library: VB still numbers them in the tab order
// (a label passes the focus on), which says nothing worth reporting.
bool IsLabelLike(const QString& delphi_class) {
  return delphi_class == u"TLabel" || delphi_class == u"TImage" || delphi_class == u"TShape" ||
         delphi_class == u"TBevel" || delphi_class == u"TPaintBox";
}

class DesignBuilder {
 public:
  DesignBuilder(FormDesign& design, const FrxSource* frx) : design_(design), frx_(frx) {}

  void Build(const RawBlock& root) {
    ReserveNames(root);
    design_.root = BuildControl(root, Scale{}, 0, 0, {}).control;
  }

 private:
  struct Built {
    FormControl control;
    std::optional<double> tab_index;
  };

  void ReserveNames(const RawBlock& block) {
    if (!block.Find(QStringLiteral("Index"))) reserved_.insert(DelphiIdentifier(block.vb_name).toLower());
    for (const RawBlock& child : block.children) ReserveNames(child);
  }
  // A name no other component has: reserved names of plain controls first, then array elements
  // and added components in the order they come.
  QString Unique(QString name) {
    while (taken_.contains(name.toLower()) || reserved_.contains(name.toLower())) name.append(u'_');
    taken_.insert(name.toLower());
    return name;
  }

  QString NameFor(const RawBlock& block, int index) {
    const QString plain = DelphiIdentifier(block.vb_name);
    if (plain != block.vb_name)
      design_.problems.push_back(
          {block.line, QStringLiteral("%1 is named %2 in the form file").arg(block.vb_name, plain)});
    if (index < 0) {
      taken_.insert(plain.toLower());
      return plain;
    }
    return Unique(QStringLiteral("%1_%2").arg(plain).arg(index));
  }

  void WriteGeometry(BlockReader& reader, Kind kind, const Scale& scale) {
    auto pixels = [&reader](const char* vb_name, const char* name, double twips) {
      reader.Write(QLatin1String(vb_name), QLatin1String(name), QString::number(TwipsToPixels(twips)));
    };
    if (kind == Kind::Form || kind == Kind::MdiForm) {
      if (const auto left = reader.TakeNumber(QStringLiteral("ClientLeft")))
        pixels("ClientLeft", "Left", *left);
      if (const auto top = reader.TakeNumber(QStringLiteral("ClientTop"))) pixels("ClientTop", "Top", *top);
      if (const auto width = reader.TakeNumber(QStringLiteral("ClientWidth")))
        pixels("ClientWidth", "ClientWidth", *width);
      if (const auto height = reader.TakeNumber(QStringLiteral("ClientHeight")))
        pixels("ClientHeight", "ClientHeight", *height);
      reader.Take(QStringLiteral("Width"));  // the outer size follows from the client size
      reader.Take(QStringLiteral("Height"));
      return;
    }
    if (kind == Kind::UserControl) {
      reader.Take(QStringLiteral("ClientLeft"));
      reader.Take(QStringLiteral("ClientTop"));
      if (const auto width = reader.TakeNumber(QStringLiteral("ClientWidth")))
        pixels("ClientWidth", "Width", *width);
      if (const auto height = reader.TakeNumber(QStringLiteral("ClientHeight")))
        pixels("ClientHeight", "Height", *height);
      return;
    }
    if (kind == Kind::Menu || kind == Kind::Line) return;
    const auto left = reader.TakeNumber(QStringLiteral("Left"));
    const auto top = reader.TakeNumber(QStringLiteral("Top"));
    if (left) reader.Write(QStringLiteral("Left"), QStringLiteral("Left"), QString::number(scale.X(*left)));
    if (top) reader.Write(QStringLiteral("Top"), QStringLiteral("Top"), QString::number(scale.Y(*top)));
    const OcxClass* ocx = FindOcxClass(reader.control().vb_class);
    if (kind == Kind::Timer || kind == Kind::CommonDialog || (ocx && ocx->non_visual)) return;
    auto width = reader.TakeNumber(QStringLiteral("Width"));
    auto height = reader.TakeNumber(QStringLiteral("Height"));
    // A control of another library may give only its extent, in hundredths of a millimetre.
    const auto extent_x = reader.TakeNumber(QStringLiteral("_ExtentX"));
    const auto extent_y = reader.TakeNumber(QStringLiteral("_ExtentY"));
    if (width)
      reader.Write(QStringLiteral("Width"), QStringLiteral("Width"), QString::number(scale.Width(*width)));
    else if (extent_x)
      pixels("_ExtentX", "Width", *extent_x * 1440 / 2540);
    if (height)
      reader.Write(QStringLiteral("Height"), QStringLiteral("Height"),
                   QString::number(scale.Height(*height)));
    else if (extent_y)
      pixels("_ExtentY", "Height", *extent_y * 1440 / 2540);
  }

  // `inherited_font`: the Font properties (but the colour) of the nearest container with a Font.
  Built BuildControl(const RawBlock& block, const Scale& scale, double parent_width_twips,
                     double parent_height_twips, std::vector<DfmProperty> inherited_font) {
    Built built;
    FormControl& control = built.control;
    const Kind kind = KindOf(block.vb_class);
    control.vb_name = block.vb_name;
    control.vb_class = block.vb_class;
    control.line = block.line;
    control.delphi_class = DelphiClassOf(kind, block);
    control.placeholder = kind == Kind::Other && !FindOcxClass(block.vb_class);
    if (const RawProperty* index = block.Find(QStringLiteral("Index")))
      control.vb_index = static_cast<int>(std::clamp(VbNumber(index->value).value_or(0), 0.0, 2147483647.0));
    const bool is_root = &block == root_block_ || root_block_ == nullptr;
    if (is_root) root_block_ = &block;
    control.name = NameFor(block, control.vb_index);
    if (is_root && !IsRootKind(kind)) {
      design_.problems.push_back(
          {block.line, QStringLiteral("%1 is not a form: read as one").arg(block.vb_class)});
      control.delphi_class = QStringLiteral("TForm");
      control.placeholder = false;
    }
    if (control.placeholder) design_.placeholders.push_back({control.name, control.vb_class, block.line});

    BlockReader reader(block, control, design_, frx_);
    WriteGeometry(reader, is_root && !IsRootKind(kind) ? Kind::Form : kind, scale);
    if (control.vb_index >= 0)
      reader.Write(QStringLiteral("Index"), QStringLiteral("Tag"), QString::number(control.vb_index));
    if (is_root && kind != Kind::UserControl)
      WriteForm(reader, kind, design_);
    else
      WriteKindProperties(reader, kind, scale);
    if (kind != Kind::Menu && kind != Kind::Timer && kind != Kind::CommonDialog && !control.placeholder)
      WriteCommon(reader, is_root);
    if (control.placeholder) {
      WriteBool(reader, QStringLiteral("Enabled"), QStringLiteral("Enabled"));
      WriteBool(reader, QStringLiteral("Visible"), QStringLiteral("Visible"));
      WriteAlign(reader);
    }
    built.tab_index = reader.TakeNumber(QStringLiteral("TabIndex"));
    KeepInheritedFont(control, inherited_font);

    // Children: their positions are in this container's units.
    double width_twips = 0, height_twips = 0;
    if (is_root) {
      width_twips = block.Find(QStringLiteral("ClientWidth"))
                        ? VbNumber(block.Find(QStringLiteral("ClientWidth"))->value).value_or(0)
                        : 0;
      height_twips = block.Find(QStringLiteral("ClientHeight"))
                         ? VbNumber(block.Find(QStringLiteral("ClientHeight"))->value).value_or(0)
                         : 0;
    } else {
      const RawProperty* width = block.Find(QStringLiteral("Width"));
      const RawProperty* height = block.Find(QStringLiteral("Height"));
      width_twips = width ? std::abs(VbNumber(width->value).value_or(0) * scale.twips_x) : parent_width_twips;
      height_twips =
          height ? std::abs(VbNumber(height->value).value_or(0) * scale.twips_y) : parent_height_twips;
    }
    Scale child_scale = ChildScale(block, kind, scale, width_twips, height_twips);
    const bool twips = child_scale.twips_x == 1 && child_scale.twips_y == 1 && child_scale.origin_x == 0 &&
                       child_scale.origin_y == 0;
    if (!twips && !ChildrenFit(block, child_scale, width_twips, height_twips) &&
        ChildrenFit(block, Scale{}, width_twips, height_twips)) {
      design_.problems.push_back(
          {block.line,
           QStringLiteral("Positions inside %1 are read as twips: they do not fit its scale units")
               .arg(control.name)});
      child_scale = Scale{};
    }
    // ScaleWidth/ScaleHeight restate the client size; a scale other than twips has no counterpart.
    reader.Take(QStringLiteral("ScaleWidth"));
    reader.Take(QStringLiteral("ScaleHeight"));
    if (const auto mode = reader.TakeNumber(QStringLiteral("ScaleMode")); mode && *mode != 1) {
      reader.Drop(QStringLiteral("ScaleMode"));
      if (*mode >= 0 && *mode <= 7) control.scale_mode = int(*mode);
    }
    reader.Finish();

    std::vector<FormControl> menus;
    std::vector<std::optional<double>> tab_indexes;
    for (const RawBlock& child : block.children) {
      Built built_child = BuildControl(child, child_scale, width_twips, height_twips, inherited_font);
      if (is_root && KindOf(child.vb_class) == Kind::Menu) {
        menus.push_back(std::move(built_child.control));
        continue;
      }
      tab_indexes.push_back(built_child.tab_index);
      control.children.push_back(std::move(built_child.control));
    }
    WriteTabOrders(control.children, tab_indexes);
    if (!menus.empty()) {
      FormControl main_menu;
      main_menu.name = Unique(QStringLiteral("MainMenu1"));
      main_menu.delphi_class = QStringLiteral("TMainMenu");
      main_menu.line = menus.front().line;
      main_menu.children = std::move(menus);
      reader.Write(QStringLiteral("Menu"), QStringLiteral("Menu"), main_menu.name);
      control.children.push_back(std::move(main_menu));
    }
    return built;
  }

  // A Font.Color of its own makes a Delphi control stop following its parent's font, so a
  // control that sets only its colour is given its container's font as well. On return
  // `inherited_font` is the font this control's children inherit.
  static void KeepInheritedFont(FormControl& control, std::vector<DfmProperty>& inherited_font) {
    std::vector<DfmProperty> own;
    auto color = control.properties.end();
    for (auto it = control.properties.begin(); it != control.properties.end(); ++it) {
      if (it->name == u"Font.Color")
        color = it;
      else if (it->name.startsWith(u"Font."))
        own.push_back(*it);
    }
    if (!own.empty()) {
      inherited_font = std::move(own);
      return;
    }
    if (color != control.properties.end())
      control.properties.insert(color, inherited_font.begin(), inherited_font.end());
  }

  // VB numbers the tab order across the whole form; Delphi within each container, from 0.
  void WriteTabOrders(std::vector<FormControl>& children,
                      const std::vector<std::optional<double>>& tab_indexes) {
    std::vector<size_t> order;
    for (size_t i = 0; i < children.size(); ++i)
      if (tab_indexes[i]) {
        if (BothProvideProperty(children[i].delphi_class, QStringLiteral("TabOrder")))
          order.push_back(i);
        else if (!IsLabelLike(children[i].delphi_class))
          design_.dropped_properties.push_back(
              {children[i].name, QStringLiteral("TabIndex"), children[i].line});
      }
    std::stable_sort(order.begin(), order.end(),
                     [&](size_t a, size_t b) { return *tab_indexes[a] < *tab_indexes[b]; });
    for (size_t position = 0; position < order.size(); ++position)
      children[order[position]].properties.push_back({QStringLiteral("TabOrder"), QString::number(position)});
  }

  FormDesign& design_;
  const FrxSource* frx_;
  const RawBlock* root_block_ = nullptr;
  QSet<QString> reserved_;  // lower-case names of controls that are not array elements
  QSet<QString> taken_;
};

}  // namespace

QString DelphiIdentifier(const QString& vb_name) {
  QString name = AsciiIdentifierText(vb_name);
  if (name.isEmpty() || name[0].isDigit()) name.prepend(u'C');
  if (translation::IsPascalReservedWord(name.toStdString())) name.append(u'_');
  return name;
}

FormDesign ParseFormDesign(const QString& designer_text, const FrxSource* frx) {
  FormDesign design;
  RawDesigner raw = ReadDesignerBlocks(designer_text);
  design.problems = std::move(raw.problems);
  design.found = raw.found;
  if (!raw.found) return design;
  std::function<int(const RawBlock&)> count = [&count](const RawBlock& block) {
    int total = 0;
    for (const RawBlock& child : block.children) total += 1 + count(child);
    return total;
  };
  design.vb_control_count = count(raw.root);
  DesignBuilder(design, frx).Build(raw.root);
  return design;
}

int CountComponents(const FormControl& control) {
  int total = 0;
  for (const FormControl& child : control.children) total += 1 + CountComponents(child);
  return total;
}

}  // namespace veldrane::migration
