#pragma once
// The module-level declarations of a VB module, class or form (variables, constants, user
// types, enums) and its routine headers, written as Pascal declarations that Delphi and Free
// Pascal accept, so that the unit's skeleton compiles before any statement is converted.

#include <QString>
#include <QStringList>
#include <functional>

namespace veldrane::migration {

// A VB name of another unit as Pascal names it: a type ("ADODB.Recordset", a project's own
// class) or, with `constant`, a constant an expression uses. The caller resolves the names it
// knows (a project's types, classes, forms and public constants) and returns an empty text for
// the others.
using NameResolver = std::function<QString(const QString& vb_name, bool constant)>;

// The Pascal type of a VB type: the intrinsic types by their Pascal counterpart (Integer is
// SmallInt, Long Integer, Date TDateTime, Object TObject), names `resolve` knows, Variant for
// the rest and for a missing `As`.
QString PascalType(const QString& vb_type, const NameResolver& resolve);

// A VB constant expression in Pascal: strings in single quotes, &H as $, & as +, \ as div,
// type suffixes dropped, VB's own constants (vbCrLf, vbTextCompare...) by value, other names
// as `resolve` gives them.
QString PascalExpression(const QString& vb_expression, const NameResolver& resolve = {});

struct PascalDeclarations {
  // Lines indented for their section ("  X = 5;", "  TPoint = record"...): constants and
  // types (user types, enums as Integer with their members as constants) and variables.
  QStringList public_constants, private_constants, public_types, private_types, public_variables,
      private_variables;
  QStringList public_type_names;       // the user types and enums other units may name
  QStringList public_constant_names;   // the constants (enum members too) other units may name
  QStringList public_constant_values;  // their values in Pascal, one for each name
  QStringList not_carried;             // "Declare Function GetTickCount (line 16)", "Event Changed (line 4)"
};

// Reads the declarations section of `lines` (the source's lines, 0-based, from `first` up to
// but not including `end`), joining lines continued with " _"; of conditional compilation
// (#If ... #Else ... #End If) the first branch is read.
PascalDeclarations ReadDeclarations(const QStringList& lines, int first, int end,
                                    const NameResolver& resolve);

// A VB parameter list (the text between the parentheses) as a Pascal one, with its
// parentheses, or empty when there are no parameters: ByRef (VB's default) is `var`, ByVal a
// value, `x()` `array of T`, ParamArray `const x: array of Variant`, Optional a value with its
// default (the type's zero without one); a parameter named Result, which a Pascal function
// declares itself, gets a `_`. A Variant cannot have a default in Pascal: the names
// of Optional Variant parameters left without one go to `no_default`.
QString PascalParameters(const QString& vb_parameters, const NameResolver& resolve, QStringList* no_default);

// The `As T` behind a function header's parameter list ("Function F(x) As Long" -> "Long"),
// empty when there is none.
QString FunctionResultType(const QString& header_code);

}  // namespace veldrane::migration
