#pragma once

#include <string>
#include <string_view>

namespace veldrane::translation {

// Pascal spelling of a VB name: a name that is a reserved word in Delphi or Free Pascal gets
// the '&' escape both compilers accept (`&Type`); any other name is returned as is.
std::string PascalName(std::string_view vb_name);

// A Pascal string expression for UTF-16 text: printable ASCII between quotes (a quote
// doubled), every other character as #n, long text split into pieces joined by '+' so no
// quoted piece exceeds Delphi's 255 characters. The empty text is ''.
std::string PascalStringLiteral(std::u16string_view text);

// Text for a `//` comment: UTF-8, line breaks made spaces so the comment keeps to its line.
std::string CommentText(std::u16string_view text);

// Lines of Pascal with the indentation of the current block (two spaces a level).
class PascalWriter {
 public:
  void Line(std::string_view text);  // an empty text writes an empty line
  void Comment(std::u16string_view vb_comment);
  void EndStatement();  // a ';' after the last line written (`end` -> `end;`)
  void Indent() { ++depth_; }
  void Outdent() {
    if (depth_ > 0) --depth_;
  }
  const std::string& Text() const { return text_; }
  std::string Take() { return std::move(text_); }

 private:
  std::string text_;
  int depth_ = 0;
};

}  // namespace veldrane::translation
