#include "ui/text_area.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QEvent>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QMimeData>
#include <QScrollBar>
#include <QStringDecoder>
#include <algorithm>
#include <string>

#include "buffer/source_buffer.h"

namespace veldrane {
namespace {

QFont Text1Font() {
  // The face the text is shown in (also under its Latin name), then Japanese-capable faces
  // for systems without it.
  QFont font;
  font.setFamilies({QStringLiteral("ＭＳ ゴシック"), QStringLiteral("MS Gothic"),
                    QStringLiteral("Noto Sans Mono CJK JP"), QStringLiteral("Noto Sans CJK JP"),
                    QStringLiteral("monospace")});
  font.setStyleHint(QFont::TypeWriter);
  font.setPointSizeF(11.25);
  font.setWeight(QFont::Normal);
  return font;
}

// Scintilla takes one face, named in Latin-1: the first of the font's faces that is
// installed and so named.
QFont ScintillaFont(const QFont& font) {
  QFont single = font;
  for (const QString& family : font.families()) {
    if (QFontDatabase::hasFamily(family) && QString::fromLatin1(family.toLatin1()) == family) {
      single.setFamilies({family});
      break;
    }
  }
  return single;
}

constexpr int kMargins = 5;  // Scintilla's margins 0 to 4

const QString kPlainText = QStringLiteral("text/plain");

// Text the control itself put on the clipboard, UTF-8.
class Utf8Text : public QMimeData {};

}  // namespace

TextArea::TextArea(QWidget* parent) : QsciScintilla(parent) {
  NewDocument();
  SendScintilla(SCI_SETPASTECONVERTENDINGS, 1);
  setWrapMode(WrapNone);
  setFolding(NoFoldStyle);
  for (int margin = 0; margin < kMargins; ++margin) setMarginWidth(margin, 0);
  // The horizontal scroll bar grows with the longest line shown so far.
  SendScintilla(SCI_SETSCROLLWIDTH, 1);
  SendScintilla(SCI_SETSCROLLWIDTHTRACKING, 1);
  // The lines in view keep their layout while a run changes others.
  SendScintilla(SCI_SETLAYOUTCACHE, static_cast<unsigned long>(SC_CACHE_PAGE));
  const QFont font = Text1Font();
  setFont(ScintillaFont(font));
  QWidget::setFont(font);  // the widget itself names the faces in their order
  ApplyColours();
}

void TextArea::NewDocument() {
  // A document without the byte of style that Scintilla otherwise keeps for each byte of
  // text: plain text needs none, and a large text then takes half the memory and half the
  // time to move about in the store. The view holds the only reference, so the document it
  // held before goes with it.
  const long document =
      SendScintilla(SCI_CREATEDOCUMENT, 0UL, static_cast<long>(SC_DOCUMENTOPTION_STYLES_NONE));
  SendScintilla(SCI_SETDOCPOINTER, 0UL, reinterpret_cast<void*>(document));
  SendScintilla(SCI_RELEASEDOCUMENT, 0UL, reinterpret_cast<void*>(document));
  // What a document keeps of its own rather than the view.
  setUtf8(true);
  setEolMode(EolWindows);
}

int64_t TextArea::Units() const {
  return SendScintilla(SCI_COUNTCODEUNITS, 0UL, SendScintilla(SCI_GETLENGTH));
}

std::string_view TextArea::Utf8() const {
  return {static_cast<const char*>(SendScintillaPtrResult(SCI_GETCHARACTERPOINTER)),
          static_cast<std::size_t>(SendScintilla(SCI_GETLENGTH))};
}

void TextArea::CopyTo(SourceBuffer& buffer) const {
  constexpr long kPieceBytes = 64 * 1024;
  const std::string_view utf8 = Utf8();
  const auto length = static_cast<long>(utf8.size());
  const char* text = utf8.data();
  QStringDecoder decoder(QStringDecoder::Utf8);  // keeps a character cut between pieces
  QString piece(decoder.requiredSpace(kPieceBytes), Qt::Uninitialized);
  long read = 0;
  buffer.SetTextInPieces([&]() -> std::u16string_view {
    if (read == length) return {};
    const long count = std::min(kPieceBytes, length - read);
    const QChar* end = decoder.appendToBuffer(piece.data(), QByteArrayView(text + read, count));
    read += count;
    return {reinterpret_cast<const char16_t*>(piece.constData()),
            static_cast<std::size_t>(end - piece.constData())};
  });
}

void TextArea::Empty() {
  // A new document rather than the old one emptied, which would keep the room its text took.
  const long collecting = SendScintilla(SCI_GETUNDOCOLLECTION);
  NewDocument();
  SendScintilla(SCI_SETUNDOCOLLECTION, static_cast<unsigned long>(collecting));
}

void TextArea::paste() {
  if (isReadOnly()) return;
  const QMimeData* data = QApplication::clipboard()->mimeData();
  if (data == nullptr) return;
  // The control's own copy is UTF-8 already and is read as it stands; another program's
  // text is decoded as the toolkit reads it.
  const QByteArray text =
      dynamic_cast<const Utf8Text*>(data) != nullptr ? data->data(kPlainText) : data->text().toUtf8();
  if (text.isEmpty()) return;
  // Line breaks are ASCII, never part of a longer UTF-8 sequence: they are made CR LF byte
  // by byte.
  constexpr qsizetype kPieceBytes = 64 * 1024;
  std::string piece;
  piece.reserve(2 * kPieceBytes);
  bool after_cr = false;
  // The control's own handling of each change costs about as much as reading the whole
  // text: the pieces go in unannounced, and the change is announced once at the end.
  const long event_mask = SendScintilla(SCI_GETMODEVENTMASK);
  SendScintilla(SCI_SETMODEVENTMASK, 0UL);
  Quiet(true);
  SendScintilla(SCI_BEGINUNDOACTION);
  SendScintilla(SCI_REPLACESEL, "");
  // Room for the text at once, rather than growing the control's store a piece at a time.
  SendScintilla(SCI_ALLOCATE,
                static_cast<unsigned long>(SendScintilla(SCI_GETLENGTH) + text.size() + text.size() / 16));
  for (qsizetype at = 0; at < text.size();) {
    const qsizetype end = std::min(at + kPieceBytes, text.size());
    piece.clear();
    for (const char c : QByteArrayView(text).sliced(at, end - at)) {
      if (c == '\n' && after_cr) {
        after_cr = false;  // the LF of a CR LF, written with its CR
      } else if (c == '\r' || c == '\n') {
        piece += "\r\n";
        after_cr = c == '\r';
      } else {
        piece += c;
        after_cr = false;
      }
    }
    SendScintilla(SCI_ADDTEXT, static_cast<uintptr_t>(piece.size()), piece.data());
    at = end;
  }
  SendScintilla(SCI_ENDUNDOACTION);
  SendScintilla(SCI_SETMODEVENTMASK, static_cast<unsigned long>(event_mask));
  Quiet(false);
  SendScintilla(SCI_SCROLLCARET);
  emit textChanged();
}

void TextArea::keyPressEvent(QKeyEvent* event) {
  if (event->matches(QKeySequence::Paste)) {
    paste();
    event->accept();
    return;
  }
  QsciScintilla::keyPressEvent(event);
}

QMimeData* TextArea::toMimeData(const QByteArray& text, bool rectangular) const {
  if (rectangular) return QsciScintilla::toMimeData(text, rectangular);  // marked as such
  auto* data = new Utf8Text;
  data->setData(kPlainText, text);  // read back as UTF-8
  return data;
}

void TextArea::Quiet(bool quiet) {
  viewport()->setUpdatesEnabled(!quiet);
  verticalScrollBar()->blockSignals(quiet);
  horizontalScrollBar()->blockSignals(quiet);
  if (!quiet) QCoreApplication::postEvent(this, new QEvent(QEvent::LayoutRequest));
}

void TextArea::changeEvent(QEvent* event) {
  QsciScintilla::changeEvent(event);
  if (event->type() == QEvent::EnabledChange || event->type() == QEvent::PaletteChange) ApplyColours();
}

void TextArea::ApplyColours() {
  // As the toolkit's own text areas: the palette's colours, greyed text while disabled.
  const QPalette::ColorGroup group = isEnabled() ? QPalette::Active : QPalette::Disabled;
  setColor(palette().color(group, QPalette::Text));
  setPaper(palette().color(group, QPalette::Base));
}

}  // namespace veldrane
