#pragma once

#include <Qsci/qscilexer.h>

namespace veldrane {

// Visual Basic colouring with the VB lexer that comes with Scintilla (QScintilla has no
// class of its own for it): its keywords and the colours of its styles.
class VbLexer : public QsciLexer {
 public:
  // The VB lexer's styles that are given colours.
  enum Style {
    kDefault = 0,
    kComment = 1,
    kNumber = 2,
    kKeyword = 3,
    kString = 4,
    kPreprocessor = 5,
    kOperator = 6,
    kIdentifier = 7,
    kDate = 8,
    kUnclosedString = 9
  };

  explicit VbLexer(QObject* parent = nullptr) : QsciLexer(parent) {}

  const char* language() const override { return "Visual Basic"; }
  const char* lexer() const override { return "vb"; }
  bool caseSensitive() const override { return false; }
  const char* keywords(int set) const override;
  QString description(int style) const override;
  QColor defaultColor(int style) const override;
};

}  // namespace veldrane
