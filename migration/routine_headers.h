#pragma once

#include <QString>
#include <vector>

#include "migration/text_lines.h"
#include "migration/vb_source_scan.h"

namespace veldrane::migration {

// Where the conversion wrote the header of one VB routine: a line such as
// "procedure StartTransfer(sFile : String);" or "    function Add(a : Integer) : Integer; // sum".
struct ConvertedHeader {
  int routine = -1;            // index into VbSourceInfo::routines
  int line = -1;               // index into the converted lines
  QString keyword;             // "procedure" or "function"
  qsizetype start = 0;         // where the header's first word begins (after the indentation)
  qsizetype parameters_start;  // the "("
  qsizetype parameters_end;    // just behind its matching ")"
  QString tail;                // from there to the statement's end, comment dropped: " : Integer;"
};

// Finds, in text order, the converted header line of each Sub and Function of `routines`:
// a line that starts (after indentation and an optional "Friend " or "Static ") with the
// converted keyword and the routine's own name directly followed by "(", whose parameter
// list closes on the same line. A routine whose header is not found so (a header continued
// over lines, a name the conversion altered, a Property procedure) is left out.
std::vector<ConvertedHeader> LocateHeaders(const std::vector<TextLine>& lines,
                                           const std::vector<SourceRoutine>& routines);

// A routine as a method of a class: how its header reads in the class declaration and in
// the implementation.
struct MethodHeader {
  QString keyword;     // "procedure", "function", "constructor", "destructor"
  QString name;        // method name
  QString parameters;  // "(Sender: TObject)"; may be empty
  QString tail;        // " : Integer;" or ";"
  QString directives;  // appended to the declaration only: " override;"
};

// The method a converted header makes when nothing renames it: same keyword, name,
// parameters and tail.
MethodHeader PlainMethod(const TextLine& line, const ConvertedHeader& header, const QString& name);

// "procedure Add(a : Integer);" as the class declaration or interface section states it.
QString Declaration(const MethodHeader& method);

// The header line rewritten as the implementation of `owner`'s method (or, with an empty
// owner, of a plain routine): the indentation and a comment behind the header stay.
QString RewrittenHeaderLine(const QString& line, const ConvertedHeader& header, const QString& owner,
                            const MethodHeader& method);

}  // namespace veldrane::migration
