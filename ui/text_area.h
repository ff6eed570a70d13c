#pragma once

#include <Qsci/qscilexerpascal.h>
#include <Qsci/qsciscintilla.h>

#include <cstdint>
#include <string_view>

namespace veldrane {

class SourceBuffer;
class VbLexer;

// Text1: a Scintilla editing control set up as a plain text area. Its text is UTF-8
// underneath; its line breaks are kept as the text holds them, and pasted or typed ones
// become CR LF. No margins, no folding, no word wrap; no colouring unless asked for; the
// text is greyed while the control is disabled.
class TextArea : public QsciScintilla {
 public:
  explicit TextArea(QWidget* parent = nullptr);

  enum class Colouring { kNone, kVisualBasic, kPascal };
  // Colours the text as the language's lexer styles it, or not at all. The text stays;
  // turning colouring on or off puts it into a new document (one that keeps a byte of
  // style for each byte of text, or one without), so undo then has nothing to take back.
  void SetColouring(Colouring colouring);
  Colouring CurrentColouring() const { return colouring_; }

  // Puts an empty document in place of the text, dropping the old one and its undo steps.
  // It keeps styles only while the text is coloured.
  void NewDocument();
  bool IsEmpty() const { return SendScintilla(SCI_GETLENGTH) == 0; }
  // The text's length in UTF-16 code units, the source buffer's units.
  int64_t Units() const;
  // The text as the control holds it, valid until the next change.
  std::string_view Utf8() const;
  // Puts the whole text into `buffer`, a piece at a time: a large text is never held whole
  // in between.
  void CopyTo(SourceBuffer& buffer) const;
  // Empties the text and forgets the steps that undo would take back, as the text's old
  // content is gone for good.
  void Empty();
  // While quiet, the control neither repaints nor lays out its scroll bars: each change of
  // a text being edited many times between two rounds of events would otherwise mark a
  // region for repainting and queue a call that lays the scroll bars out again. When it
  // speaks again it repaints and lays out once.
  void Quiet(bool quiet);

  // Replaces the selection by the clipboard's text, its line breaks made CR LF, as one
  // step of undo. The text goes in a piece at a time: a large text is copied whole at most
  // once on its way, to UTF-8 when another program put it there (the control's own paste
  // makes four copies of it).
  void paste() override;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  // What copy, cut, a drag and the X11 selection hand on: the text as the control holds it,
  // UTF-8, shared rather than widened to UTF-16 (which takes twice the room and a second
  // copy on the way).
  QMimeData* toMimeData(const QByteArray& text, bool rectangular) const override;
  void changeEvent(QEvent* event) override;

 private:
  // Gives the current document the colouring's lexer (Scintilla keeps one a document), or
  // none, and the font and colours its styles then need.
  void AttachLexer();
  // Scintilla's font for plain text: the first of the widget font's faces it can use.
  void ApplyFont();
  void ApplyColours();

  Colouring colouring_ = Colouring::kNone;
  VbLexer* vb_lexer_ = nullptr;
  QsciLexerPascal* pascal_lexer_ = nullptr;
};

}  // namespace veldrane
