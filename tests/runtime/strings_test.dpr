{$IFDEF FPC}{$MODE DelphiUnicode}{$ENDIF}
{ String functions, Like and Format, against VB's documented results. }
program strings_test;

uses
  SysUtils, Variants, RuntimeChecks, VrErrors, VrConstants, VrConvert, VrStrings, VrFormat;

function VbArrayOf(const Items: array of Variant): Variant;
var
  I: Integer;
begin
  Result := VarArrayCreate([0, High(Items)], varVariant);
  for I := 0 to High(Items) do
    Result[I] := Items[I];
end;

function Joined(const A: TVbStringArray): string;
begin
  Result := IntToStr(Length(A)) + ':' + VbJoin(A, '|');
end;

var
  S: string;
  D: Variant;
begin
  Check('Mid("Hello", 2, 3)', VbMid('Hello', 2, 3), 'ell');
  Check('Mid("Hello", 10)', VbMid('Hello', 10), '');
  try VbMid('Hello', 0); NotRaised('Mid(s, 0)') except on E: Exception do CheckRaised('Mid(s, 0)', E, 5) end;
  S := 'Hello';
  VbMidAssign(S, 2, 'XYZW', 3);
  Check('Mid(s, 2, 3) = "XYZW"', S, 'HXYZo');
  S := 'Hello';
  VbMidAssign(S, 4, 'abc');
  Check('Mid(s, 4) = "abc"', S, 'Helab');
  Check('Left("Hello", 10)', VbLeft('Hello', 10), 'Hello');
  Check('Right("Hello", 2)', VbRight('Hello', 2), 'lo');
  try VbLeft('Hello', -1); NotRaised('Left(s, -1)') except on E: Exception do CheckRaised('Left(s, -1)', E, 5) end;
  Check('InStr("Hello", "l")', IntToStr(VbInStr('Hello', 'l')), '3');
  Check('InStr(4, "Hello", "l")', IntToStr(VbInStr(4, 'Hello', 'l')), '4');
  Check('InStr(5, "Hello", "")', IntToStr(VbInStr(5, 'Hello', '')), '5');
  Check('InStr(6, "Hello", "")', IntToStr(VbInStr(6, 'Hello', '')), '0');
  Check('InStr(1, "HELLO", "l", vbTextCompare)', IntToStr(VbInStr(1, 'HELLO', 'l', vbTextCompare)), '3');
  Check('InStr("Hello", "L")', IntToStr(VbInStr('Hello', 'L')), '0');
  Check('InStrRev("a.b.c", ".")', IntToStr(VbInStrRev('a.b.c', '.')), '4');
  Check('InStrRev("a.b.c", ".", 3)', IntToStr(VbInStrRev('a.b.c', '.', 3)), '2');
  Check('Replace("abcabc", "b", "X", 3)', VbReplace('abcabc', 'b', 'X', 3), 'caXc');
  Check('Replace text compare', VbReplace('abcabc', 'B', 'x', 1, -1, vbTextCompare), 'axcaxc');
  Check('Replace count 2', VbReplace('aaaa', 'a', 'b', 1, 2), 'bbaa');
  Check('Split("a,b,,c", ",")', Joined(VbSplit('a,b,,c', ',')), '4:a|b||c');
  Check('Split("", ",")', Joined(VbSplit('', ',')), '0:');
  Check('Split("a b c")', Joined(VbSplit('a b c')), '3:a|b|c');
  Check('Split limit 2', Joined(VbSplit('a,b,c', ',', 2)), '2:a|b,c');
  Check('Split text compare', Joined(VbSplit('aXbxc', 'x', -1, vbTextCompare)), '3:a|b|c');
  Check('Filter', Joined(VbFilter(VbSplit('apple,berry,Apricot', ','), 'ap')), '1:apple');
  Check('Filter text', Joined(VbFilter(VbSplit('apple,berry,Apricot', ','), 'ap', True, vbTextCompare)), '2:apple|Apricot');
  Check('Filter exclude', Joined(VbFilter(VbSplit('apple,berry,Apricot', ','), 'ap', False)), '2:berry|Apricot');
  Check('LTrim', VbLTrim('  a  '), 'a  ');
  Check('Trim keeps tabs', VbTrim(#9'a '), #9'a');
  Check('LCase', VbLCase('ÀBc'), 'àbc');
  Check('UCase', VbUCase('abcé'), 'ABCÉ');
  Check('String(3, "ab")', VbString(3, 'ab'), 'aaa');
  Check('String(2, 65)', VbString(2, 65), 'AA');
  Check('StrReverse', VbStrReverse('abc'), 'cba');
  Check('StrComp("a", "B")', IntToStr(VbStrComp('a', 'B')), '1');
  Check('StrComp("a", "B", 1)', IntToStr(VbStrComp('a', 'B', vbTextCompare)), '-1');
  Check('StrComp("ab", "abc")', IntToStr(VbStrComp('ab', 'abc')), '-1');
  Check('StrConv proper', VbStrConv('hello wORLD', vbProperCase), 'Hello World');
  Check('Asc("A")', IntToStr(VbAsc('A')), '65');
  Check('Asc("€")', IntToStr(VbAsc('€')), '128');
  Check('AscW("€")', IntToStr(VbAscW('€')), '8364');
  Check('Chr(128)', VbChr(128), '€');
  Check('ChrW(233)', VbChrW(233), 'é');
  try VbChr(256); NotRaised('Chr(256)') except on E: Exception do CheckRaised('Chr(256)', E, 5) end;
  try VbAsc(''); NotRaised('Asc("")') except on E: Exception do CheckRaised('Asc("")', E, 5) end;
  { Like }
  Check('"abc" Like "a*"', VbCStr(VbLike('abc', 'a*')), 'True');
  Check('"abc" Like "a?c"', VbCStr(VbLike('abc', 'a?c')), 'True');
  Check('"a1c" Like "a#c"', VbCStr(VbLike('a1c', 'a#c')), 'True');
  Check('"b" Like "[a-c]"', VbCStr(VbLike('b', '[a-c]')), 'True');
  Check('"d" Like "[!a-c]"', VbCStr(VbLike('d', '[!a-c]')), 'True');
  Check('"ABC" Like "abc"', VbCStr(VbLike('ABC', 'abc')), 'False');
  Check('"ABC" Like "abc" text', VbCStr(VbLike('ABC', 'abc', True)), 'True');
  Check('"a*b" Like "a[*]b"', VbCStr(VbLike('a*b', 'a[*]b')), 'True');
  Check('"abc" Like "a*d"', VbCStr(VbLike('abc', 'a*d')), 'False');
  Check('"" Like "*"', VbCStr(VbLike('', '*')), 'True');
  try VbLike('a', '[a'); NotRaised('Like "[a"') except on E: Exception do CheckRaised('Like "[a"', E, 93) end;
  Check('LSet', '[' + VbLSet('abcd', 'xy') + ']', '[xy  ]');
  Check('RSet', '[' + VbRSet('abcd', 'xy') + ']', '[  xy]');
  Check('RSet keeps the left part', VbRSet('ab', 'xyz'), 'xy');
  Check('Filter(Variant array)', Joined(VbFilter(VbArrayOf(['ab', 'cd']), 'c')), '1:cd');
  Check('Join(Variant array)', VbJoin(VbArrayOf(['a', 'b']), '-'), 'a-b');
  Check('String(2, Variant "xy")', VbString(2, Variant('xy')), 'xx');
  Check('LenB', IntToStr(VbLenB('abc')), '6');
  Check('Dim s As String * 3', VbFixedStringInit(3), #0#0#0);
  Check('String * 4 = "ab"', VbFixedString('ab', 4), 'ab  ');
  Check('String * 4 = "abcdef"', VbFixedString('abcdef', 4), 'abcd');

  { Format: numbers }
  Check('Format(1234.5, "0.00")', VbFormat(1234.5, '0.00'), '1234.50');
  Check('Format(1234.5, "#,##0.00")', VbFormat(1234.5, '#,##0.00'), '1,234.50');
  Check('Format(0.256, "0%")', VbFormat(0.256, '0%'), '26%');
  Check('Format(1234.5, "Currency")', VbFormat(1234.5, 'Currency'), '$1,234.50');
  Check('Format(-1234.5, "Currency")', VbFormat(-1234.5, 'Currency'), '($1,234.50)');
  Check('Format(1234.5, "Fixed")', VbFormat(1234.5, 'Fixed'), '1234.50');
  Check('Format(1234.5, "Standard")', VbFormat(1234.5, 'Standard'), '1,234.50');
  Check('Format(0.125, "Percent")', VbFormat(0.125, 'Percent'), '12.50%');
  Check('Format(1234.5, "Scientific")', VbFormat(1234.5, 'Scientific'), '1.23E+03');
  Check('Format(1234.5, "General Number")', VbFormat(1234.5, 'General Number'), '1234.5');
  Check('Format(0, "Yes/No")', VbFormat(0, 'Yes/No'), 'No');
  Check('Format(5, "00000")', VbFormat(5, '00000'), '00005');
  Check('Format(0.5, "#.##")', VbFormat(0.5, '#.##'), '.5');
  Check('Format(5, "#.##")', VbFormat(5, '#.##'), '5.');
  Check('Format(-5, "0;(0)")', VbFormat(-5, '0;(0)'), '(5)');
  Check('Format(0, zero section)', VbFormat(0, '0;(0);\Z\e\r\o'), 'Zero');
  Check('Format(2.5, "0")', VbFormat(2.5, '0'), '3');
  Check('Format(1234567, "#,##0,")', VbFormat(1234567, '#,##0,'), '1,235');
  Check('Format(123.456, "0.0#")', VbFormat(123.456, '0.0#'), '123.46');
  Check('Format(123.4, "0.0#")', VbFormat(123.4, '0.0#'), '123.4');
  Check('Format(1234.5, "0.00E+00")', VbFormat(1234.5, '0.00E+00'), '1.23E+03');
  Check('Format(0.000123, "0.00E-00")', VbFormat(0.000123, '0.00E-00'), '1.23E-04');
  Check('Format(5, "$#,##0.00")', VbFormat(5, '$#,##0.00'), '$5.00');
  Check('Format(-0.5, "0.0")', VbFormat(-0.5, '0.0'), '-0.5');
  Check('Format(5551234, "000-0000")', VbFormat(5551234, '000-0000'), '555-1234');
  Check('Format(1.5)', VbFormat(1.5), '1.5');
  Check('Format(Null, "0")', VbFormat(Null, '0'), '');
  Check('Format("abc", ">")', VbFormat('abc', '>'), 'ABC');
  Check('Format("abc", "@@@@@")', VbFormat('abc', '@@@@@'), '  abc');
  Check('Format("x", "0.00")', VbFormat('x', '0.00'), 'x');
  Check('FormatNumber(1234.567)', VbFormatNumber(1234.567), '1,234.57');
  Check('FormatNumber(0.5, 1, 0)', VbFormatNumber(0.5, 1, 0), '.5');
  Check('FormatNumber(-5, 0, , -1)', VbFormatNumber(-5, 0, -2, -1), '(5)');
  Check('FormatCurrency(-5)', VbFormatCurrency(-5), '($5.00)');
  Check('FormatPercent(0.5)', VbFormatPercent(0.5), '50.00%');
  { Format: dates }
  D := VarFromDateTime(EncodeDate(2000, 1, 2) + EncodeTime(13, 4, 5, 0));
  Check('Format(d, "yyyy-mm-dd")', VbFormat(D, 'yyyy-mm-dd'), '2000-01-02');
  Check('Format(d, "dd/mm/yyyy")', VbFormat(D, 'dd/mm/yyyy'), '02/01/2000');
  Check('Format(d, "hh:nn:ss")', VbFormat(D, 'hh:nn:ss'), '13:04:05');
  Check('Format(d, "hh:mm")', VbFormat(D, 'hh:mm'), '13:04');
  Check('Format(d, "h:mm AM/PM")', VbFormat(D, 'h:mm AM/PM'), '1:04 PM');
  Check('Format(d, "mmm d, yyyy")', VbFormat(D, 'mmm d, yyyy'), 'Jan 2, 2000');
  Check('Format(d, "dddd")', VbFormat(D, 'dddd'), 'Sunday');
  Check('Format(d, "q y ww w")', VbFormat(D, 'q y ww w'), '1 2 2 1');
  Check('Format(d, "Short Date")', VbFormat(D, 'Short Date'), '1/2/2000');
  Check('Format(d, "Long Date")', VbFormat(D, 'Long Date'), 'Sunday, January 2, 2000');
  Check('Format(d, "Medium Date")', VbFormat(D, 'Medium Date'), '02-Jan-00');
  Check('Format(d, "Long Time")', VbFormat(D, 'Long Time'), '1:04:05 PM');
  Check('Format(d, "Short Time")', VbFormat(D, 'Short Time'), '13:04');
  Check('Format(d, "General Date")', VbFormat(D, 'General Date'), '1/2/2000 1:04:05 PM');
  Check('Format("1/2/2000", "yyyy")', VbFormat('1/2/2000', 'yyyy'), '2000');
  Check('Format(d, "\d\a\y d")', VbFormat(D, '\d\a\y d'), 'day 2');
  Check('FormatDateTime(d, vbLongDate)', VbFormatDateTime(D, vbLongDate), 'Sunday, January 2, 2000');
  Check('FormatDateTime(d, vbShortTime)', VbFormatDateTime(D, vbShortTime), '13:04');
  Finish;
end.
