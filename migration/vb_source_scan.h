#pragma once

#include <QSet>
#include <QString>
#include <QStringList>
#include <vector>

namespace veldrane::migration {

struct SourceRoutine {
  enum class Kind { kSub, kFunction, kProperty };
  QString name;
  Kind kind = Kind::kSub;
  bool is_public = true;  // Public, Friend or no modifier (VB's default is Public)
  int line = 0;           // 1-based, in the whole file
  int end_line = 0;       // its End Sub/Function/Property line; 0 when there is none
  QString parameters;     // the text between the parentheses of its header
};

// A construct the conversion leaves for hand work, with the lines it stands on.
struct HandWork {
  QString construct;  // "On Error", "GoTo", ...
  std::vector<int> lines;
};

struct VbSourceInfo {
  QString vb_name;         // Attribute VB_Name, empty when absent
  QString designer;        // the designer header (VERSION ... Attribute lines), empty for modules
  int designer_lines = 0;  // lines of the designer header
  int total_lines = 0;
  std::vector<SourceRoutine> routines;  // Sub, Function and Property procedures in text order
  std::vector<HandWork> hand_work;      // only constructs that occur, in a fixed order
};

// The names of the constructs counted for hand work, in report order.
const QStringList& HandWorkConstructs();

// Reads what project mode needs from the decoded text of one VB6 source file. A "New X"
// counts as a COM object unless X is one of `project_classes` (compared in any case).
VbSourceInfo ScanVbSource(const QString& text, const QSet<QString>& project_classes);

// The lines of `routine` among the source's `lines`, from its header to its End line (the
// header alone when it has none), joined by LF.
QString RoutineBody(const QStringList& lines, const SourceRoutine& routine);

// The text between the first "(" at or after `from` and its matching ")" (to the end when it
// does not close); empty without a "(".
QString ParameterText(const QString& code, qsizetype from = 0);

// Lines of `text`: its line breaks (CR LF, LF or CR) plus one for an unterminated last line.
int LineCount(const QString& text);

// The code of a VB line without its comment and with the contents of its string literals
// blanked, so that keywords inside either are not mistaken for code.
QString CodeOfLine(const QString& line);

}  // namespace veldrane::migration
