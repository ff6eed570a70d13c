#include "passes/pipeline.h"

#include "core/generic_operations.h"
#include "passes/array_subscripts.h"
#include "passes/block_statements.h"
#include "passes/declaration_sections.h"
#include "passes/record_types.h"
#include "passes/redim.h"
#include "passes/routine_calls.h"
#include "passes/routine_headers.h"
#include "passes/statement_terminators.h"

namespace veldrane {

void RunPipeline(Conversion& cv) {
  ConversionState& state = cv.state;
  state.ArrayNames = {u""};
  state.RoutineNames = {u""};
  state.LocalVarMode = false;
  state.VarHeaderWritten = false;

  // Lines without a Delphi counterpart, on the text as pasted.
  DeleteLines(cv, u"Option Explicit");
  DeleteLines(cv, u"Attribute ");
  DeleteLines(cv, u"Option Base");
  DeleteLines(cv, u"Option Compare");
  DeleteLines(cv, u"Option Private");
  DeleteLines(cv, u"Debug.Print ");

  // Keywords, operators and function names. ": " goes before " As " so that the " : "
  // written for " As " stays; "'" goes before the double quote so that comment marks are
  // converted while strings are still delimited by double quotes.
  ReplaceAll(cv, u"Private ", u"");
  ReplaceAll(cv, u" And ", u" and ");
  ReplaceAll(cv, u" Or ", u" or ");
  ReplaceAll(cv, u" Not ", u" not ");
  ReplaceAll(cv, u" Long", u" Integer");
  ReplaceAll(cv, u": ", u"; ");
  ReplaceAll(cv, u" As ", u" : ");
  ReplaceAll(cv, u"ByRef ", u"var ");
  ReplaceAll(cv, u"ByVal ", u"");
  ReplaceAll(cv, u"CInt(", u"StrToInt(");
  ReplaceAll(cv, u"Call ", u"");
  ReplaceAll(cv, u"Do ", u"");
  ReplaceAll(cv, u"DoEvents", u"Application.ProcessMessages");
  ReplaceAll(cv, u"End Select", u"end");
  ReplaceAll(cv, u"End If", u"end");
  ReplaceAll(cv, u"Exit Sub", u"exit");
  ReplaceAll(cv, u"Exit Function", u"exit");
  ReplaceAll(cv, u"Exit Do", u"Break");
  ReplaceAll(cv, u"Exit For", u"Break");
  ReplaceAll(cv, u"Int(", u"Trunc(", u"StrTo");  // the "Int(" of "StrToInt(" stays
  ReplaceAll(cv, u"If ", u"if ");
  ReplaceAll(cv, u"LBound(", u"Low(");
  ReplaceAll(cv, u"UBound(", u"High(");
  ReplaceAll(cv, u"Len(", u"Length(");
  ReplaceAll(cv, u"LTrim(", u"TrimLeft(");
  ReplaceAll(cv, u"RTrim(", u"TrimRight(");
  ReplaceAll(cv, u"Mid(", u"Copy(");
  ReplaceAll(cv, u"Rnd(", u"Random(");
  ReplaceAll(cv, u"Next", u"end");
  ReplaceAll(cv, u"Set ", u"");
  ReplaceAll(cv, u"Nothing", u"nil");
  ReplaceAll(cv, u" Is ", u" is ");
  ReplaceAll(cv, u"&H", u"$");
  ReplaceAll(cv, u"'", u"//");
  ReplaceAll(cv, u" & ", u" + ");
  ReplaceAll(cv, u"\"", u"'");
  ReplaceAll(cv, u" _", u" ");

  // Enumeration headers and ends, before the terminators are added.
  ReplaceWithSuffix(cv, u"Private Enum ", u"type ", u" = (");
  ReplaceWithSuffix(cv, u"Public Enum ", u"type ", u" = (");
  ReplaceWithSuffix(cv, u"Enum ", u"type ", u" = (");
  ReplaceAll(cv, u"End Enum", u")");

  AddStatementTerminators(cv);

  ReplaceAll(cv, u"Private Type ", u"Type ");
  ReplaceAll(cv, u"Public Type ", u"Type ");
  ConvertRecordTypes(cv);
  ReplaceAll(cv, u"End Type", u"end");
  ReplaceAll(cv, u" Then;", u" then");
  ReplaceAll(cv, u" Then", u" then");
  ReplaceWithSuffix(cv, u"Select Case ", u"case ", u" of");
  ReplaceAll(cv, u"Case ", u"");
  ReplaceAll(cv, u"Else;", u"else");
  ReplaceAll(cv, u"Else", u"else");
  ConvertForLoops(cv);
  ConvertWhileLoops(cv);
  ReplaceAll(cv, u"Loop;", u"end;");
  ConvertWithBlocks(cv);
  DeleteLines(cv, u"Declare Function ");
  DeleteLines(cv, u"Declare Sub ");
  ConvertReDim(cv);
  ConvertModuleDeclarations(cv);  // runs while "Public " still marks module-level declarations
  state.LocalVarMode = true;
  ReplaceAll(cv, u"Public ", u"");
  ReplaceAll(cv, u"Global", u"");
  state.RoutineNameCount = 0;  // once: the Sub names follow the Function names
  ConvertRoutineHeaders(cv, u"Function ", u"function ");
  ConvertRoutineHeaders(cv, u"Sub ", u"procedure ");
  ReplaceAll(cv, u"End Function", u"end");
  ReplaceAll(cv, u"End Sub", u"end");
  ConvertArraySubscripts(cv);
  FixRoutineCalls(cv);
}

}  // namespace veldrane
