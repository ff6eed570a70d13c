#include "ui/vb_lexer.h"

#include <QColor>

namespace veldrane {

const char* VbLexer::keywords(int set) const {
  if (set != 1) return nullptr;
  // The lexer compares them in lower case.
  return "addressof alias and as attribute boolean byref byte byval call case cbool cbyte ccur "
         "cdate cdbl cdec cint clng close const csng cstr currency cvar date debug declare "
         "decimal defbool defbyte defcur defdate defdbl defdec defint deflng defobj defsng "
         "defstr defvar dim do double each else elseif empty end enum eqv erase error event "
         "exit explicit false for friend function get global gosub goto if imp implements in "
         "input integer is let lib like line load lock long loop lset me mod new next not "
         "nothing null object on open option optional or paramarray preserve print private "
         "property public put raiseevent randomize redim rem resume return rset seek select set "
         "single static step stop string sub then to true type typeof unload until variant "
         "wend while with withevents write xor";
}

QString VbLexer::description(int style) const {
  switch (style) {
    case kDefault:
      return QStringLiteral("Default");
    case kComment:
      return QStringLiteral("Comment");
    case kNumber:
      return QStringLiteral("Number");
    case kKeyword:
      return QStringLiteral("Keyword");
    case kString:
      return QStringLiteral("String");
    case kPreprocessor:
      return QStringLiteral("Pre-processor");
    case kOperator:
      return QStringLiteral("Operator");
    case kIdentifier:
      return QStringLiteral("Identifier");
    case kDate:
      return QStringLiteral("Date");
    case kUnclosedString:
      return QStringLiteral("Unclosed string");
    default:
      return {};
  }
}

QColor VbLexer::defaultColor(int style) const {
  // The colours QScintilla's own lexers give the same kinds of text.
  switch (style) {
    case kComment:
      return QColor(0x00, 0x7f, 0x00);
    case kNumber:
    case kDate:
      return QColor(0x00, 0x7f, 0x7f);
    case kKeyword:
      return QColor(0x00, 0x00, 0x7f);
    case kString:
    case kUnclosedString:
      return QColor(0x7f, 0x00, 0x7f);
    case kPreprocessor:
      return QColor(0x7f, 0x7f, 0x00);
    default:
      return QsciLexer::defaultColor(style);
  }
}

}  // namespace veldrane
