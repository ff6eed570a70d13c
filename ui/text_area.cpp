#include "ui/text_area.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QEvent>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QScrollBar>
#include <QStringDecoder>
#include <QStringEncoder>
#include <algorithm>

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

void TextArea::CopyTo(SourceBuffer& buffer) const {
  constexpr long kPieceBytes = 64 * 1024;
  const long length = SendScintilla(SCI_GETLENGTH);
  const auto* text = static_cast<const char*>(SendScintillaPtrResult(SCI_GETCHARACTERPOINTER));
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
  const QString text = QApplication::clipboard()->text();  // shares the clipboard's copy
  if (text.isEmpty()) return;
  constexpr qsizetype kPieceUnits = 32 * 1024;
  QStringEncoder encoder(QStringEncoder::Utf8);  // keeps a surrogate pair cut between pieces
  QString piece;
  bool after_cr = false;
  // The control's own handling of each change costs about as much as reading the whole
  // text: the pieces go in unannounced, and the change is announced once at the end.
  const long event_mask = SendScintilla(SCI_GETMODEVENTMASK);
  SendScintilla(SCI_SETMODEVENTMASK, 0UL);
  Quiet(true);
  SendScintilla(SCI_BEGINUNDOACTION);
  SendScintilla(SCI_REPLACESEL, "");
  // Room for the text at once, rather than growing the control's store a piece at a time.
  SendScintilla(SCI_ALLOCATE, static_cast<unsigned long>(SendScintilla(SCI_GETLENGTH) + 3 * text.size() / 2));
  for (qsizetype at = 0; at < text.size(); at += kPieceUnits) {
    piece.clear();
    for (const QChar c : QStringView(text).sliced(at, std::min(kPieceUnits, text.size() - at))) {
      if (c == QLatin1Char('\n') && after_cr) {
        after_cr = false;  // the LF of a CR LF, written with its CR
      } else if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
        piece += QStringLiteral("\r\n");
        after_cr = c == QLatin1Char('\r');
      } else {
        piece += c;
        after_cr = false;
      }
    }
    const QByteArray bytes = encoder.encode(piece);
    SendScintilla(SCI_ADDTEXT, static_cast<uintptr_t>(bytes.size()), bytes.constData());
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
