#include "ui/text_area.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFontDatabase>
#include <QScrollBar>
#include <QStringDecoder>
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
  setUtf8(true);
  setEolMode(EolWindows);
  SendScintilla(SCI_SETPASTECONVERTENDINGS, 1);
  setWrapMode(WrapNone);
  setFolding(NoFoldStyle);
  for (int margin = 0; margin < kMargins; ++margin) setMarginWidth(margin, 0);
  // The horizontal scroll bar grows with the longest line shown so far.
  SendScintilla(SCI_SETSCROLLWIDTH, 1);
  SendScintilla(SCI_SETSCROLLWIDTHTRACKING, 1);
  // The run maps the buffer's UTF-16 offsets on the text's byte positions through this index.
  SendScintilla(SCI_ALLOCATELINECHARACTERINDEX, SC_LINECHARACTERINDEX_UTF16);
  const QFont font = Text1Font();
  setFont(ScintillaFont(font));
  QWidget::setFont(font);  // the widget itself names the faces in their order
  ApplyColours();
}

int64_t TextArea::Units() const {
  const long lines = SendScintilla(SCI_GETLINECOUNT);
  // The index position of the line after the last is the text's end.
  return SendScintilla(SCI_INDEXPOSITIONFROMLINE, static_cast<unsigned long>(lines),
                       static_cast<long>(SC_LINECHARACTERINDEX_UTF16));
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
  const long collecting = SendScintilla(SCI_GETUNDOCOLLECTION);
  SendScintilla(SCI_SETUNDOCOLLECTION, 0L);
  clear();
  SendScintilla(SCI_EMPTYUNDOBUFFER);
  SendScintilla(SCI_SETUNDOCOLLECTION, static_cast<unsigned long>(collecting));
}

void TextArea::QuietScrollBars(bool quiet) {
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
