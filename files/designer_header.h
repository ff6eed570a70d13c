#pragma once

#include <QString>

namespace veldrane::files {

// Length in code units of the header that the VB6 IDE writes at the top of forms, user
// controls, classes, property pages and designers, line break included; 0 when the text
// has none. Recognised from the structure alone, whatever the file's extension:
//
//   VERSION 5.00                      first line, "VERSION " and a digit
//   Object = "{...}#2.0#0"; "x.OCX"   any number of component references
//   Begin VB.Form Form1 ... End       designer blocks (BEGIN ... END in classes), nested,
//                                     with BeginProperty ... EndProperty inside
//   Attribute VB_Name = "Form1"       attribute lines
//
// The header ends before the first other line at block depth 0. A block still open at the
// end of the text means the structure is not a designer header after all, and the result
// is 0, so that no code is ever dropped.
qsizetype DesignerHeaderLength(const QString& text);

}  // namespace veldrane::files
