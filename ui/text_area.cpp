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
#include "ui/vb_lexer.h"

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
  QWidget::setFont(font);  // the widget itself names the faces in their order
  ApplyFont();
  vb_lexer_ = new VbLexer(this);
  pascal_lexer_ = new QsciLexerPascal(this);
  for (QsciLexer* lexer : {static_cast<QsciLexer*>(vb_lexer_), static_cast<QsciLexer*>(pascal_lexer_)}) {
    lexer->setDefaultFont(ScintillaFont(font));
    lexer->setFont(ScintillaFont(font), -1);
  }
  ApplyColours();
}

void TextArea::SetColouring(Colouring colouring) {
  if (colouring == colouring_) return;
  const bool restyle = (colouring == Colouring::kNone) != (colouring_ == Colouring::kNone);
  colouring_ = colouring;
  if (!restyle) {
    AttachLexer();
    return;
  }
  const std::string text(Utf8());
  const long first_line = SendScintilla(SCI_GETFIRSTVISIBLELINE);
  const long x_offset = SendScintilla(SCI_GETXOFFSET);
  const long anchor = SendScintilla(SCI_GETANCHOR);
  const long caret = SendScintilla(SCI_GETCURRENTPOS);
  // The same text: nothing to announce.
  const long event_mask = SendScintilla(SCI_GETMODEVENTMASK);
  SendScintilla(SCI_SETMODEVENTMASK, 0UL);
  NewDocument();
  SendScintilla(SCI_APPENDTEXT, static_cast<uintptr_t>(text.size()), text.data());
  SendScintilla(SCI_EMPTYUNDOBUFFER);
  SendScintilla(SCI_SETMODEVENTMASK, static_cast<unsigned long>(event_mask));
  SendScintilla(SCI_SETSEL, static_cast<unsigned long>(anchor), caret);
  SendScintilla(SCI_SETFIRSTVISIBLELINE, static_cast<unsigned long>(first_line));
  SendScintilla(SCI_SETXOFFSET, static_cast<unsigned long>(x_offset));
}

void TextArea::AttachLexer() {
  QsciLexer* wanted = colouring_ == Colouring::kVisualBasic ? static_cast<QsciLexer*>(vb_lexer_)
                      : colouring_ == Colouring::kPascal    ? pascal_lexer_
                                                            : nullptr;
  setLexer(wanted);
  if (wanted != nullptr) {
    SendScintilla(SCI_SETPROPERTY, "fold", "0");  // no folding: fold levels are not worked out
  } else {
    ApplyFont();  // which the lexer's detaching reset
  }
  ApplyColours();
}

void TextArea::ApplyFont() {
  const QFont font = QWidget::font();
  setFont(ScintillaFont(font));  // the widget's own font too...
  QWidget::setFont(font);        // ...which keeps its faces
}

void TextArea::NewDocument() {
  // Unless the text is coloured, a document without the byte of style that Scintilla
  // otherwise keeps for each byte of text: plain text needs none, and a large text then takes
  // half the memory and half the time to move about in the store. The view holds the only
  // reference, so the document it held before goes with it.
  const long options =
      colouring_ == Colouring::kNone ? SC_DOCUMENTOPTION_STYLES_NONE : SC_DOCUMENTOPTION_DEFAULT;
  const long document = SendScintilla(SCI_CREATEDOCUMENT, 0UL, options);
  SendScintilla(SCI_SETDOCPOINTER, 0UL, reinterpret_cast<void*>(document));
  SendScintilla(SCI_RELEASEDOCUMENT, 0UL, reinterpret_cast<void*>(document));
  // What a document keeps of its own rather than the view.
  setUtf8(true);
  setEolMode(EolWindows);
  if (colouring_ != Colouring::kNone || lexer() != nullptr) AttachLexer();
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
  const QColor text = palette().color(group, QPalette::Text);
  const QColor base = palette().color(group, QPalette::Base);
  QsciLexer* colours = lexer();
  if (colours == nullptr) {
    setColor(text);
    setPaper(base);
    return;
  }
  // The lexer's colours for the kinds of text it marks out, only while enabled.
  colours->setDefaultPaper(base);
  colours->setPaper(base, -1);
  for (int style = 0; style <= STYLE_MAX; ++style) {
    if (colours->description(style).isEmpty()) continue;
    const QColor own = colours->defaultColor(style);
    colours->setColor(isEnabled() && own != colours->QsciLexer::defaultColor(style) ? own : text, style);
  }
  SendScintilla(SCI_STYLESETFORE, STYLE_DEFAULT, text);
  SendScintilla(SCI_STYLESETBACK, STYLE_DEFAULT, base);
}

}  // namespace veldrane
