{$IFDEF FPC}{$MODE DelphiUnicode}{$ENDIF}
{$Q+}{$R+}
{ Conversions, numbers, variants, errors and the print list, against VB's documented results. }
program convert_test;

uses
  SysUtils, Variants, RuntimeChecks, VrErrors, VrConstants, VrConvert, VrVariants, VrPrintList;

function SmallV(X: SmallInt): Variant;
begin
  Result := X;
end;

function SingleV(X: Single): Variant;
begin
  Result := VbSingleVar(X);
end;

function DateV(Y, M, D, H, N, S: Word): Variant;
begin
  Result := VarFromDateTime(EncodeDate(Y, M, D) + EncodeTime(H, N, S, 0));
end;

function Printed(const Items: array of Variant; const Seps: string): string;
var
  State: TVbPrintState;
begin
  State.Column := 0;
  Result := VbFormatPrintList(State, Items, Seps, '|');
end;

var
  S, One: SmallInt;
  MinusOne: LongInt;
  X: Double;
  V: Variant;
begin
  One := 1;
  MinusOne := -1;
  { CStr: 15 significant digits, exponent outside 1E-05 .. 1E+15 }
  Check('CStr(0.1)', VbCStr(0.1), '0.1');
  Check('CStr(1E20)', VbCStr(1E20), '1E+20');
  Check('CStr(1.5E-05)', VbCStr(1.5E-05), '1.5E-05');
  Check('CStr(0.0001)', VbCStr(0.0001), '0.0001');
  Check('CStr(-3.25)', VbCStr(-3.25), '-3.25');
  Check('CStr(1/3)', VbCStr(1 / 3), '0.333333333333333');
  Check('CStr(123456789012345)', VbCStr(123456789012345.0), '123456789012345');
  Check('CStr(1234567890123456)', VbCStr(1234567890123456.0), '1.23456789012346E+15');
  Check('CStr(CSng(1/3))', VbCStr(SingleV(1 / 3)), '0.3333333');
  Check('CStr(True)', VbCStr(True), 'True');
  Check('CStr(CCur(2.50))', VbCStr(VbCCur(2.5)), '2.5');
  Check('CStr(date)', VbCStr(DateV(2000, 1, 2, 0, 0, 0)), '1/2/2000');
  Check('CStr(date time)', VbCStr(DateV(2000, 1, 2, 13, 4, 5)), '1/2/2000 1:04:05 PM');
  Check('CStr(time)', VbCStr(VarFromDateTime(EncodeTime(0, 0, 0, 0) + 0.5)), '12:00:00 PM');
  Check('CStr(Empty)', VbCStr(Unassigned), '');
  try VbCStr(Null); NotRaised('CStr(Null)') except on E: Exception do CheckRaised('CStr(Null)', E, 94) end;
  { Str: a space for the sign, no leading zero }
  Check('Str(5)', VbStr(5), ' 5');
  Check('Str(-5)', VbStr(-5), '-5');
  Check('Str(0.5)', VbStr(0.5), ' .5');
  { Val reads as far as it can, ignoring blanks }
  Check('Val("12abc")', VbCStr(VbVal('12abc')), '12');
  Check('Val(" 1 2 3")', VbCStr(VbVal(' 1 2 3')), '123');
  Check('Val("&HFF")', VbCStr(VbVal('&HFF')), '255');
  Check('Val("&HFFFF")', VbCStr(VbVal('&HFFFF')), '-1');
  Check('Val("1.5e2")', VbCStr(VbVal('1.5e2')), '150');
  Check('Val("-.5")', VbCStr(VbVal('-.5')), '-0.5');
  Check('Val("abc")', VbCStr(VbVal('abc')), '0');
  { CInt/CLng/CByte: banker's rounding, overflow 6, bad text 13 }
  Check('CInt(2.5)', IntToStr(VbCInt(2.5)), '2');
  Check('CInt(3.5)', IntToStr(VbCInt(3.5)), '4');
  Check('CInt(-2.5)', IntToStr(VbCInt(-2.5)), '-2');
  Check('CInt(" 12 ")', IntToStr(VbCInt(' 12 ')), '12');
  Check('CInt(True)', IntToStr(VbCInt(True)), '-1');
  Check('CLng("1,000")', IntToStr(VbCLng('1,000')), '1000');
  Check('CLng("&HFF")', IntToStr(VbCLng('&HFF')), '255');
  try VbCInt(32767.5); NotRaised('CInt(32767.5)') except on E: Exception do CheckRaised('CInt(32767.5)', E, 6) end;
  try VbCLng(2147483647.5); NotRaised('CLng(2147483647.5)') except on E: Exception do CheckRaised('CLng(2147483647.5)', E, 6) end;
  try VbCByte(-1); NotRaised('CByte(-1)') except on E: Exception do CheckRaised('CByte(-1)', E, 6) end;
  try VbCInt('abc'); NotRaised('CInt("abc")') except on E: Exception do CheckRaised('CInt("abc")', E, 13) end;
  try VbCInt(Null); NotRaised('CInt(Null)') except on E: Exception do CheckRaised('CInt(Null)', E, 94) end;
  { CDbl, CBool, CDate }
  Check('CDbl("$1,234.5")', VbCStr(VbCDbl('$1,234.5')), '1234.5');
  Check('CDbl("1.5E3")', VbCStr(VbCDbl('1.5E3')), '1500');
  try VbCDbl(''); NotRaised('CDbl("")') except on E: Exception do CheckRaised('CDbl("")', E, 13) end;
  Check('CBool("true")', VbCStr(VbCBool('true')), 'True');
  Check('CBool("0")', VbCStr(VbCBool('0')), 'False');
  Check('CBool(5)', VbCStr(VbCBool(5)), 'True');
  try VbCBool('yes'); NotRaised('CBool("yes")') except on E: Exception do CheckRaised('CBool("yes")', E, 13) end;
  Check('CDate("1/2/2000")', VbCStr(VbCVDate('1/2/2000')), '1/2/2000');
  Check('CDate("2000-01-02")', VbCStr(VbCVDate('2000-01-02')), '1/2/2000');
  Check('CDate("January 2, 2000")', VbCStr(VbCVDate('January 2, 2000')), '1/2/2000');
  Check('CDate("Feb 2000")', VbCStr(VbCVDate('Feb 2000')), '2/1/2000');
  Check('CDate("2 Jan 2000")', VbCStr(VbCVDate('2 Jan 2000')), '1/2/2000');
  Check('CDate("1/2/2000 3:04:05 PM")', VbCStr(VbCVDate('1/2/2000 3:04:05 PM')), '1/2/2000 3:04:05 PM');
  Check('CDate("13:30")', VbCStr(VbCVDate('13:30')), '1:30:00 PM');
  Check('CDate("12:15 AM")', VbCStr(VbCVDate('12:15 AM')), '12:15:00 AM');
  Check('CDate(1.5)', VbCStr(VbCVDate(1.5)), '12/31/1899 12:00:00 PM');
  Check('CDate(-1.25)', VbCStr(VbCVDate(-1.25)), '12/29/1899 6:00:00 AM');
  try VbCDate('xyz'); NotRaised('CDate("xyz")') except on E: Exception do CheckRaised('CDate("xyz")', E, 13) end;
  { Int, Fix, Abs, Sgn, Round keep the argument's type }
  Check('Int(-2.5)', VbCStr(VbInt(-2.5)), '-3');
  Check('Fix(-2.5)', VbCStr(VbFix(-2.5)), '-2');
  Check('Int(Null)', VbTypeName(VbInt(Null)), 'Null');
  Check('Abs(-3)', VbCStr(VbAbs(SmallV(-3))), '3');
  try VbAbs(SmallV(-32768)); NotRaised('Abs(-32768)') except on E: Exception do CheckRaised('Abs(-32768)', E, 6) end;
  Check('Sgn(-7.5)', IntToStr(VbSgn(-7.5)), '-1');
  Check('Round(2.5)', VbCStr(VbRound(2.5)), '2');
  Check('Round(3.5)', VbCStr(VbRound(3.5)), '4');
  Check('Round(1.25, 1)', VbCStr(VbRound(1.25, 1)), '1.2');
  Check('Round(1.2345, 3)', VbCStr(VbRound(1.2345, 3)), '1.234');
  Check('TypeName(Round(CSng))', VbTypeName(VbRound(SingleV(2.5))), 'Single');
  { Hex and Oct: Integer arguments in 16 bits, Long in 32 }
  Check('Hex(255)', VbHex(255), 'FF');
  Check('Hex(-1)', VbHex(SmallV(-1)), 'FFFF');
  Check('Hex(-1&)', VbHex(MinusOne), 'FFFFFFFF');
  Check('Hex(65535)', VbHex(65535), 'FFFF');
  Check('Oct(8)', VbOct(8), '10');
  Check('Hex(2.5)', VbHex(2.5), '2');
  { \ and Mod round their operands; / by zero }
  Check('7.5 \ 2', VbCStr(VbIntDiv(7.5, 2)), '4');
  Check('-7 \ 2', VbCStr(VbIntDiv(-7, 2)), '-3');
  Check('-5 Mod 3', VbCStr(VbMod(-5, 3)), '-2');
  Check('5.5 Mod 2', VbCStr(VbMod(5.5, 2)), '0');
  Check('TypeName(7 \ 2)', VbTypeName(VbIntDiv(SmallV(7), SmallV(2))), 'Integer');
  try VbIntDiv(1, 0); NotRaised('1 \ 0') except on E: Exception do CheckRaised('1 \ 0', E, 11) end;
  try VbDivide(1, 0); NotRaised('1 / 0') except on E: Exception do CheckRaised('1 / 0', E, 11) end;
  try VbDivide(0, 0); NotRaised('0 / 0') except on E: Exception do CheckRaised('0 / 0', E, 6) end;
  Check('2 ^ 10', VbCStr(VbPower(2, 10)), '1024');
  Check('2 ^ -1', VbCStr(VbPower(2, -1)), '0.5');
  try VbPower(-8, 1 / 3); NotRaised('(-8) ^ (1/3)') except on E: Exception do CheckRaised('(-8) ^ (1/3)', E, 5) end;
  try VbLog(0); NotRaised('Log(0)') except on E: Exception do CheckRaised('Log(0)', E, 5) end;
  try VbSqr(-1); NotRaised('Sqr(-1)') except on E: Exception do CheckRaised('Sqr(-1)', E, 5) end;
  try VbExp(710); NotRaised('Exp(710)') except on E: Exception do CheckRaised('Exp(710)', E, 6) end;
  Check('RGB(255, 0, 128)', IntToStr(VbRGB(255, 0, 128)), '8388863');
  Check('QBColor(12)', IntToStr(VbQBColor(12)), '255');

  { VarType and TypeName }
  Check('VarType(Integer)', IntToStr(VbVarType(SmallV(1))), '2');
  Check('VarType(Long)', IntToStr(VbVarType(100000)), '3');
  Check('VarType(Double)', IntToStr(VbVarType(1.5)), '5');
  Check('VarType(String)', IntToStr(VbVarType(VbCStr(1))), '8');
  Check('VarType(Boolean)', IntToStr(VbVarType(True)), '11');
  Check('VarType(Date)', IntToStr(VbVarType(VbCVDate('1/1/2000'))), '7');
  Check('VarType(Byte)', IntToStr(VbVarType(VbCByte(1))), '17');
  Check('VarType(Null)', IntToStr(VbVarType(Null)), '1');
  Check('TypeName(Currency)', VbTypeName(VbCCur(1)), 'Currency');
  Check('TypeName(Single)', VbTypeName(SingleV(1)), 'Single');
  Check('TypeName(Empty)', VbTypeName(Unassigned), 'Empty');
  Check('TypeName(Long)', VbTypeName(VbCLng(1)), 'Long');
  V := VarArrayCreate([0, 1], varVariant);
  Check('TypeName(Variant())', VbTypeName(V), 'Variant()');
  Check('VarType(Variant())', IntToStr(VbVarType(V)), '8204');
  { Is... }
  Check('IsNumeric("1e3")', VbCStr(VbIsNumeric('1e3')), 'True');
  Check('IsNumeric(" 12 ")', VbCStr(VbIsNumeric(' 12 ')), 'True');
  Check('IsNumeric("&H10")', VbCStr(VbIsNumeric('&H10')), 'True');
  Check('IsNumeric("")', VbCStr(VbIsNumeric('')), 'False');
  Check('IsNumeric("12a")', VbCStr(VbIsNumeric('12a')), 'False');
  Check('IsNumeric(Empty)', VbCStr(VbIsNumeric(Unassigned)), 'True');
  Check('IsNumeric(Null)', VbCStr(VbIsNumeric(Null)), 'False');
  Check('IsDate("1/2/2000")', VbCStr(VbIsDate('1/2/2000')), 'True');
  Check('IsDate("2/30/2000")', VbCStr(VbIsDate('2/30/2000')), 'False');
  Check('IsDate(36526)', VbCStr(VbIsDate(36526)), 'False');
  Check('IsMissing(omitted)', VbCStr(VbIsMissing(VbMissing)), 'True');
  Check('IsMissing(Empty)', VbCStr(VbIsMissing(Unassigned)), 'False');
  { & with Null }
  Check('Null & Null', VbTypeName(VbConcat(Null, Null)), 'Null');
  Check('Null & "a"', VbCStr(VbConcat(Null, 'a')), 'a');
  Check('1.5 & True', VbCStr(VbConcat(1.5, True)), '1.5True');
  Check('Choose(2, "a", "b")', VbCStr(VbChoose(2, ['a', 'b'])), 'b');
  Check('Choose(3, "a", "b")', VbTypeName(VbChoose(3, ['a', 'b'])), 'Null');
  Check('Switch(False, 1, True, 2)', VbCStr(VbSwitch([False, 1, True, 2])), '2');
  V := VbArray([1, 'a']);
  Check('Array(1, "a")', VbTypeName(V) + ' ' + IntToStr(VarArrayHighBound(V, 1)) + ' ' + VbCStr(V[1]), 'Variant() 1 a');
  { Variant arithmetic }
  Check('Empty + 5', VbTypeName(VbAdd(Unassigned, SmallV(5))) + VbCStr(VbAdd(Unassigned, SmallV(5))), 'Integer5');
  Check('Integer 32767 + 1', VbTypeName(VbAdd(SmallV(32767), SmallV(1))) + VbCStr(VbAdd(SmallV(32767), SmallV(1))), 'Long32768');
  Check('Byte 200 + Byte 100', VbTypeName(VbAdd(VbCByte(200), VbCByte(100))), 'Integer');
  Check('"7" + 1', VbTypeName(VbAdd('7', SmallV(1))) + VbCStr(VbAdd('7', SmallV(1))), 'Double8');
  Check('"a" + "b"', VbCStr(VbAdd('a', 'b')), 'ab');
  Check('Null + 1', VbTypeName(VbAdd(Null, 1)), 'Null');
  Check('True + 1', VbTypeName(VbAdd(True, SmallV(1))) + VbCStr(VbAdd(True, SmallV(1))), 'Integer0');
  Check('Single * Long', VbTypeName(VbMul(SingleV(1.5), 100000)), 'Double');
  Check('date + 1', VbCStr(VbAdd(DateV(2000, 1, 31, 0, 0, 0), SmallV(1))), '2/1/2000');
  Check('date - date', VbTypeName(VbSub(DateV(2000, 1, 31, 0, 0, 0), DateV(2000, 1, 1, 0, 0, 0))), 'Double');
  Check('-(-32768)', VbTypeName(VbNeg(SmallV(-32768))), 'Long');
  try VbAdd('abc', 1); NotRaised('"abc" + 1') except on E: Exception do CheckRaised('"abc" + 1', E, 13) end;
  Check('VbBoolToNum(True)', IntToStr(VbBoolToNum(True)), '-1');

  { Err: Raise, standard messages, capture of Pascal's exceptions }
  try VbRaiseError(5) except on E: Exception do VbCaptureError(E) end;
  Check('Error 5', IntToStr(Err.Number) + ' ' + Err.Description, '5 Invalid procedure call or argument');
  try Err.&Raise(vbObjectError + 1, 'Src', 'Custom') except on E: Exception do VbCaptureError(E) end;
  Check('Err.Raise custom', IntToStr(Err.Number) + ' ' + Err.Source + ' ' + Err.Description, '-2147221503 Src Custom');
  try Err.&Raise(1000) except on E: Exception do VbCaptureError(E) end;
  Check('Err.Raise 1000', Err.Description, 'Application-defined or object-defined error');
  Err.Clear;
  Check('Err.Clear', IntToStr(Err.Number) + Err.Description, '0');
  Check('Error(11)', VbError(11), 'Division by zero');
  S := 32767;
  try S := S + One; NotRaised('Integer overflow') except on E: Exception do CheckRaised('Integer overflow', E, 6) end;
  S := 0;
  try S := 10 div S; NotRaised('integer div 0') except on E: Exception do CheckRaised('integer div 0', E, 11) end;
  X := 0;
  try X := 1 / X; NotRaised('float / 0') except on E: Exception do CheckRaised('float / 0', E, 11) end;
  V := Null;
  try S := V; NotRaised('Null to Integer') except on E: Exception do CheckRaised('Null to Integer', E, 94) end;
  V := 'abc';
  try S := V; NotRaised('"abc" to Integer') except on E: Exception do CheckRaised('"abc" to Integer', E, 13) end;

  { The print list }
  Check('Print 1; 2', Printed([1, 2], '; '), ' 1  2 |');
  Check('Print -1.5', Printed([-1.5], ' '), '-1.5 |');
  Check('Print 0.5', Printed([0.5], ' '), ' .5 |');
  Check('Print "a", "b"', Printed(['a', 'b'], ', '), 'a             b|');
  Check('Print "a";', Printed(['a'], ';'), 'a');
  Check('Print "a",', Printed(['a'], ','), 'a             ');
  Check('Print True; Null; Empty', Printed([True, Null, Unassigned, 'x'], ';;; '), 'TrueNullx|');
  Check('Print Spc(3); "x"', Printed([VbSpc(3), 'x'], '; '), '   x|');
  Check('Print Tab(5); "x"', Printed([VbTab(5), 'x'], '; '), '    x|');
  Check('Print "abc"; Tab(2); "x"', Printed(['abc', VbTab(2), 'x'], ';; '), 'abc| x|');
  Check('Print "a"; Tab; "b"', Printed(['a', VbTab(-1), 'b'], ';; '), 'a             b|');
  Check('Print 1E+20', Printed([1E20], ' '), ' 1E+20 |');
  Check('Print', Printed([], ''), '|');
  Finish;
end.
