// Draws the layout of a VB6 form as the VB designer shows it (classic Windows look) and writes the
// form as a text .dfm beside it: the "before" and the input of the "after" picture that the
// Lazarus form checker renders. Usage: form_sketch FORM.frm CODEPAGE BEFORE.png OUT.dfm

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QStringDecoder>
#include <algorithm>
#include <array>
#include <cstdio>

#include "migration/designer_blocks.h"
#include "migration/dfm_writer.h"
#include "migration/form_design.h"
#include "migration/form_events.h"
#include "migration/vb_values.h"

using namespace veldrane::migration;

namespace {

const QColor kFace(0xD4, 0xD0, 0xC8), kShadow(0x80, 0x80, 0x80), kDark(0x40, 0x40, 0x40);

double Number(const RawBlock& block, const char* name, double fallback = 0) {
  const RawProperty* property = block.Find(QLatin1String(name));
  return property ? VbNumber(property->value).value_or(fallback) : fallback;
}

QString Text(const RawBlock& block, const char* name) {
  const RawProperty* property = block.Find(QLatin1String(name));
  return property ? VbString(property->value).value_or(QString()) : QString();
}

// Twips to pixels; the sketch reads every position as twips.
int Px(double twips) { return qRound(twips / 15); }

void Bevel(QPainter& painter, const QRect& rect, bool raised) {
  painter.setPen(raised ? Qt::white : kShadow);
  painter.drawLine(rect.topLeft(), rect.topRight());
  painter.drawLine(rect.topLeft(), rect.bottomLeft());
  painter.setPen(raised ? kDark : Qt::white);
  painter.drawLine(rect.bottomLeft(), rect.bottomRight());
  painter.drawLine(rect.topRight(), rect.bottomRight());
}

void Sunken(QPainter& painter, const QRect& rect, const QColor& fill) {
  painter.fillRect(rect, fill);
  Bevel(painter, rect, false);
}

void Caption(QPainter& painter, const QRect& rect, const QString& text, int flags) {
  QString shown = text;
  shown.replace(QStringLiteral("&&"), QStringLiteral("\x01")).remove(u'&').replace(u'\x01', u'&');
  painter.setPen(Qt::black);
  painter.drawText(rect, flags | Qt::TextSingleLine, shown);
}

void DrawControl(QPainter& painter, const RawBlock& block, QPoint origin) {
  const QString kind = block.vb_class.section(u'.', -1).toLower();
  if (kind == u"menu") return;
  const QRect rect(origin + QPoint(Px(Number(block, "Left")), Px(Number(block, "Top"))),
                   QSize(Px(Number(block, "Width", 480)), Px(Number(block, "Height", 480))));
  const QString caption = Text(block, "Caption");
  const int middle = Qt::AlignVCenter;
  if (kind == u"commandbutton") {
    painter.fillRect(rect, kFace);
    Bevel(painter, rect.adjusted(0, 0, -1, -1), true);
    Caption(painter, rect, caption, Qt::AlignCenter);
  } else if (kind == u"label") {
    const int align = std::array{Qt::AlignLeft, Qt::AlignRight,
                                 Qt::AlignHCenter}[std::clamp(int(Number(block, "Alignment")), 0, 2)];
    Caption(painter, rect, caption, align | Qt::AlignTop);
  } else if (kind == u"textbox" || kind == u"listbox" || kind == u"combobox") {
    Sunken(painter, rect.adjusted(0, 0, -1, -1), Qt::white);
    Caption(painter, rect.adjusted(4, 2, -4, -2), Text(block, "Text"),
            Number(block, "MultiLine") != 0 ? Qt::AlignLeft | Qt::AlignTop : Qt::AlignLeft | middle);
    if (kind == u"combobox" || Number(block, "ScrollBars") >= 2) {
      const int side = kind == u"combobox" ? rect.height() - 4 : 16;
      const QRect button(rect.right() - side - 1, rect.top() + 2, side,
                         kind == u"combobox" ? side : rect.height() - 4);
      painter.fillRect(button, kFace);
      Bevel(painter, button, true);
    }
  } else if (kind == u"checkbox" || kind == u"optionbutton") {
    const QRect box(rect.left(), rect.center().y() - 6, 13, 13);
    painter.setPen(kShadow);
    painter.setBrush(Qt::white);
    if (kind == u"checkbox")
      painter.drawRect(box);
    else
      painter.drawEllipse(box);
    if (Number(block, "Value") != 0) {
      painter.setBrush(Qt::black);
      if (kind == u"checkbox")
        painter.drawText(box, Qt::AlignCenter, QStringLiteral("\u2713"));
      else
        painter.drawEllipse(box.adjusted(4, 4, -4, -4));
    }
    painter.setBrush(Qt::NoBrush);
    Caption(painter, rect.adjusted(18, 0, 0, 0), caption, Qt::AlignLeft | middle);
  } else if (kind == u"frame") {
    painter.setPen(kShadow);
    painter.drawRect(rect.adjusted(0, 7, -1, -1));
    const QRect label(rect.left() + 8, rect.top(), painter.fontMetrics().horizontalAdvance(caption) + 4, 15);
    painter.fillRect(label, kFace);
    Caption(painter, label, caption, Qt::AlignCenter);
  } else if (kind == u"picturebox") {
    Sunken(painter, rect.adjusted(0, 0, -1, -1), kFace);
  } else if (kind == u"image") {
    painter.setPen(QPen(kShadow, 1, Qt::DashLine));
    painter.drawRect(rect.adjusted(0, 0, -1, -1));
  } else if (kind == u"shape") {
    const QRgb fill =
        VbColor(block.Find(QStringLiteral("BackColor")) ? block.Find(QStringLiteral("BackColor"))->value
                                                        : QStringLiteral("&HFFFFFF&"))
            .value_or(0xFFFFFF);
    painter.setPen(Qt::black);
    painter.setBrush(Number(block, "BackStyle") != 0 ? QColor(qBlue(fill), qGreen(fill), qRed(fill))
                                                     : QColor(Qt::transparent));
    if (Number(block, "Shape") >= 2 && Number(block, "Shape") <= 3)
      painter.drawEllipse(rect);
    else
      painter.drawRect(rect);
    painter.setBrush(Qt::NoBrush);
  } else if (kind == u"line") {
    painter.setPen(QPen(kShadow, std::max(1.0, Number(block, "BorderWidth", 1))));
    painter.drawLine(origin + QPoint(Px(Number(block, "X1")), Px(Number(block, "Y1"))),
                     origin + QPoint(Px(Number(block, "X2")), Px(Number(block, "Y2"))));
  } else if (kind == u"hscrollbar" || kind == u"vscrollbar") {
    painter.fillRect(rect, QColor(0xEC, 0xEA, 0xE6));
    const bool horizontal = kind == u"hscrollbar";
    const int side = horizontal ? rect.height() : rect.width();
    for (const QRect& button : {QRect(rect.topLeft(), QSize(side, side)),
                                horizontal ? QRect(rect.right() - side + 1, rect.top(), side, side)
                                           : QRect(rect.left(), rect.bottom() - side + 1, side, side)}) {
      painter.fillRect(button, kFace);
      Bevel(painter, button.adjusted(0, 0, -1, -1), true);
    }
  } else {
    // Controls the designer shows as an icon (Timer, CommonDialog) or others' controls.
    const QRect icon(rect.topLeft(), QSize(std::max(rect.width(), 28), std::max(rect.height(), 28)));
    painter.fillRect(icon, kFace);
    Bevel(painter, icon.adjusted(0, 0, -1, -1), true);
    const QString name = block.vb_class.section(u'.', -1);
    Caption(painter, icon, painter.fontMetrics().elidedText(name, Qt::ElideRight, icon.width() - 2),
            Qt::AlignCenter);
  }
  for (const RawBlock& child : block.children) DrawControl(painter, child, rect.topLeft());
}

QImage Sketch(const RawBlock& form) {
  QStringList menus;
  for (const RawBlock& child : form.children)
    if (child.vb_class.endsWith(QLatin1String(".Menu"), Qt::CaseInsensitive) &&
        Number(child, "Visible", -1) != 0)
      menus << Text(child, "Caption");
  const int width = Px(Number(form, "ClientWidth")), height = Px(Number(form, "ClientHeight"));
  const int title = 22, menu_bar = menus.isEmpty() ? 0 : 20, border = 4;
  QImage image(width + 2 * border, height + title + menu_bar + 2 * border, QImage::Format_RGB32);
  image.fill(kFace);
  QPainter painter(&image);
  painter.setFont(QFont(QStringLiteral("DejaVu Sans"), 8));
  Bevel(painter, image.rect().adjusted(0, 0, -1, -1), true);
  QLinearGradient gradient(0, 0, image.width(), 0);
  gradient.setColorAt(0, QColor(0x0A, 0x24, 0x6A));
  gradient.setColorAt(1, QColor(0xA6, 0xCA, 0xF0));
  const QRect title_bar(border, border, image.width() - 2 * border, title - 2);
  painter.fillRect(title_bar, gradient);
  painter.setPen(Qt::white);
  QFont bold = painter.font();
  bold.setBold(true);
  painter.setFont(bold);
  painter.drawText(title_bar.adjusted(6, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, Text(form, "Caption"));
  painter.setFont(QFont(QStringLiteral("DejaVu Sans"), 8));
  int x = border + 6;
  for (const QString& menu : menus) {
    const QRect item(x, border + title, painter.fontMetrics().horizontalAdvance(menu) + 12, menu_bar);
    Caption(painter, item, menu, Qt::AlignCenter);
    x += item.width();
  }
  const QPoint origin(border, border + title + menu_bar);
  for (auto it = form.children.rbegin(); it != form.children.rend(); ++it) DrawControl(painter, *it, origin);
  return image;
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication application(argc, argv);
  if (argc != 5) {
    std::fprintf(stderr, "usage: form_sketch FORM.frm CODEPAGE BEFORE.png OUT.dfm\n");
    return 2;
  }
  QFile source(QString::fromLocal8Bit(argv[1]));
  QStringDecoder decoder(argv[2]);
  if (!source.open(QIODevice::ReadOnly) || !decoder.isValid()) {
    std::fprintf(stderr, "form_sketch: cannot read %s as %s\n", argv[1], argv[2]);
    return 2;
  }
  const QString text = decoder(source.readAll());
  const RawDesigner designer = ReadDesignerBlocks(text);
  if (!designer.found || !Sketch(designer.root).save(QString::fromLocal8Bit(argv[3]))) {
    std::fprintf(stderr, "form_sketch: no picture written\n");
    return 1;
  }
  const FormDesign design = ParseFormDesign(text);
  QStringList handlers;
  for (const QString& line : text.split(u'\n'))
    if (const QString trimmed = line.trimmed(); trimmed.startsWith(QLatin1String("Private Sub ")))
      handlers << trimmed.mid(12).section(u'(', 0, 0);
  const EventResolution events = ResolveEvents(design, handlers);
  QFile dfm(QString::fromLocal8Bit(argv[4]));
  if (!dfm.open(QIODevice::WriteOnly) ||
      dfm.write(WriteDfm(design, events.wired, u'T' + design.root.name)) < 0)
    return 1;
  QStringList methods;
  for (const EventBinding& binding : events.wired) methods << binding.method;
  methods.removeDuplicates();
  std::printf("%s\n", qPrintable(methods.join(u',')));
  return 0;
}
