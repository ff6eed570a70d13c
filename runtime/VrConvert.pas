{$IFDEF FPC}{$MODE DelphiUnicode}{$ENDIF}
{ VB's conversion functions and number rules: CStr's 15-digit style, Str, Val, the C... functions with
  banker's rounding and VB's errors, Int, Fix, Abs, Sgn, Round, Hex, Oct, and the arithmetic operators
  whose VB meaning differs from Pascal's (\, Mod, /, ^). Dates are read and written US English style. }
unit VrConvert;

interface

uses
  SysUtils;

{ Formatting and parsing settings of an English (United States) system. }
function VbFormatSettings: TFormatSettings;

function VbCStr(const V: Variant): string;
function VbStr(const V: Variant): string;
function VbVal(const S: string): Double;
function VbCInt(const V: Variant): SmallInt;
function VbCLng(const V: Variant): LongInt;
function VbCByte(const V: Variant): Byte;
function VbCSng(const V: Variant): Single;
function VbCDbl(const V: Variant): Double;
function VbCCur(const V: Variant): Currency;
function VbCDec(const V: Variant): Variant;
function VbCBool(const V: Variant): Boolean;
function VbCDate(const V: Variant): TDateTime;
function VbCVar(const V: Variant): Variant;
function VbCVErr(Number: LongInt): Variant;
function VbCVDate(const V: Variant): Variant;

function VbInt(const V: Variant): Variant;
function VbFix(const V: Variant): Variant;
function VbAbs(const V: Variant): Variant;
function VbSgn(const V: Variant): SmallInt;
function VbRound(const V: Variant; NumDigitsAfterDecimal: LongInt = 0): Variant;
function VbHex(const V: Variant): string;
function VbOct(const V: Variant): string;

{ Operators: \ and Mod round their operands first; / reports division by zero (11) and 0/0 (6). }
function VbIntDiv(const A, B: Variant): Variant;
function VbMod(const A, B: Variant): Variant;
function VbDivide(A, B: Double): Double;
function VbPower(A, B: Double): Double;

{ Numeric functions: Log of zero or less and Sqr of a negative number are error 5, Exp's overflow 6. }
function VbAtn(X: Double): Double;
function VbCos(X: Double): Double;
function VbSin(X: Double): Double;
function VbTan(X: Double): Double;
function VbExp(X: Double): Double;
function VbLog(X: Double): Double;
function VbSqr(X: Double): Double;
{ Colours as VB's Long BGR values. }
function VbRGB(Red, Green, Blue: LongInt): LongInt;
function VbQBColor(Color: SmallInt): LongInt;

{ A Single as a Variant of VB's Single type (Free Pascal would store it as a Double). }
function VbSingleVar(Value: Single): Variant;
{ Number text without the leading zero, as Str and Print write numbers: ".5", "-.25". }
function VbNoLeadingZero(const S: string): string;

{ Text of numbers and dates as CStr writes them. }
function VbFloatToStr(X: Double; SignificantDigits: Integer = 15): string;
function VbCurrencyToStr(C: Currency): string;
function VbDateToStr(D: TDateTime): string;
{ Reading numbers and dates as the C... functions do; False when the text is not one. }
function VbTryStrToNumber(const S: string; out X: Double): Boolean;
function VbTryStrToDate(const S: string; out D: TDateTime): Boolean;
{ Variant type tests: any of the integer types, any of the string types. }
function VbIsIntegerVarType(VT: TVarType): Boolean;
function VbIsStringVar(const V: Variant): Boolean;
{ A Variant as Double the way VB's arithmetic sees it (Empty 0, True -1, strings parsed, Null error 94). }
function VbToDouble(const V: Variant): Double;

implementation

uses
  Variants, Math, VrErrors;

var
  Settings: TFormatSettings;

const
  MonthNames: array[1..12] of string = ('January', 'February', 'March', 'April', 'May', 'June', 'July',
    'August', 'September', 'October', 'November', 'December');

function VbFormatSettings: TFormatSettings;
begin
  Result := Settings;
end;

procedure InitSettings;
var
  I: Integer;
begin
  {$IFDEF FPC}
  Settings := DefaultFormatSettings;
  {$ELSE}
  Settings := TFormatSettings.Create('en-US');
  {$ENDIF}
  Settings.DecimalSeparator := '.';
  Settings.ThousandSeparator := ',';
  Settings.DateSeparator := '/';
  Settings.TimeSeparator := ':';
  Settings.ShortDateFormat := 'M/d/yyyy';
  Settings.LongDateFormat := 'dddd, mmmm d, yyyy';
  Settings.ShortTimeFormat := 'h:nn AM/PM';
  Settings.LongTimeFormat := 'h:nn:ss AM/PM';
  Settings.TimeAMString := 'AM';
  Settings.TimePMString := 'PM';
  Settings.CurrencyString := '$';
  Settings.CurrencyFormat := 0;
  Settings.NegCurrFormat := 0;
  Settings.CurrencyDecimals := 2;
  for I := 1 to 12 do
  begin
    Settings.LongMonthNames[I] := MonthNames[I];
    Settings.ShortMonthNames[I] := Copy(MonthNames[I], 1, 3);
  end;
  Settings.LongDayNames[1] := 'Sunday';
  Settings.LongDayNames[2] := 'Monday';
  Settings.LongDayNames[3] := 'Tuesday';
  Settings.LongDayNames[4] := 'Wednesday';
  Settings.LongDayNames[5] := 'Thursday';
  Settings.LongDayNames[6] := 'Friday';
  Settings.LongDayNames[7] := 'Saturday';
  for I := 1 to 7 do
    Settings.ShortDayNames[I] := Copy(Settings.LongDayNames[I], 1, 3);
end;

{$IFNDEF FPC}
const
  varQWord = varUInt64;
{$ENDIF}

function IsStringType(VT: TVarType): Boolean;
begin
  Result := (VT = varString) or (VT = varOleStr) or (VT = varUString);
end;

function IsIntegerType(VT: TVarType): Boolean;
begin
  Result := VT in [varSmallint, varInteger, varShortInt, varByte, varWord, varLongWord, varInt64, varQWord];
end;

function VbIsIntegerVarType(VT: TVarType): Boolean;
begin
  Result := IsIntegerType(VT);
end;

function VbIsStringVar(const V: Variant): Boolean;
begin
  Result := IsStringType(VarType(V));
end;

{ ---- numbers to text ---- }

function VbFloatToStr(X: Double; SignificantDigits: Integer): string;
var
  Text, Digits: string;
  Exponent, EPos, I: Integer;
begin
  if IsNan(X) or IsInfinite(X) then
    VbRaiseError(6);
  if X = 0 then
    Exit('0');
  Text := Format('%.*e', [SignificantDigits, Abs(X)], Settings);
  EPos := Pos('E', Text);
  Exponent := StrToInt(Copy(Text, EPos + 1, MaxInt));
  Digits := Text[1] + Copy(Text, 3, EPos - 3);
  I := Length(Digits);
  while (I > 1) and (Digits[I] = '0') do
    Dec(I);
  SetLength(Digits, I);
  if (Exponent < -4) or (Exponent >= SignificantDigits) then
  begin
    Result := Digits[1];
    if Length(Digits) > 1 then
      Result := Result + '.' + Copy(Digits, 2, MaxInt);
    if Exponent < 0 then
      Result := Result + 'E-'
    else
      Result := Result + 'E+';
    Result := Result + Format('%.2d', [Abs(Exponent)]);
  end
  else if Exponent < 0 then
    Result := '0.' + StringOfChar('0', -Exponent - 1) + Digits
  else if Length(Digits) <= Exponent + 1 then
    Result := Digits + StringOfChar('0', Exponent + 1 - Length(Digits))
  else
    Result := Copy(Digits, 1, Exponent + 1) + '.' + Copy(Digits, Exponent + 2, MaxInt);
  if X < 0 then
    Result := '-' + Result;
end;

function VbCurrencyToStr(C: Currency): string;
var
  Scaled: Int64;
  Fraction: string;
begin
  Scaled := PInt64(@C)^;
  Result := IntToStr(Abs(Scaled div 10000));
  Fraction := Format('%.4d', [Abs(Scaled mod 10000)]);
  while (Fraction <> '') and (Fraction[Length(Fraction)] = '0') do
    SetLength(Fraction, Length(Fraction) - 1);
  if Fraction <> '' then
    Result := Result + '.' + Fraction;
  if Scaled < 0 then
    Result := '-' + Result;
end;

function VbDateToStr(D: TDateTime): string;
var
  Day: Double;
  Time: TDateTime;
begin
  Day := Int(D);
  Time := Abs(Frac(D));
  if Day = 0 then
    Result := ''
  else
    Result := FormatDateTime('m/d/yyyy', Day, Settings);
  if (Time <> 0) or (Day = 0) then
  begin
    if Result <> '' then
      Result := Result + ' ';
    Result := Result + FormatDateTime('h:nn:ss AM/PM', Time, Settings);
  end;
  VbClearFloatFlags;
end;

function VbSingleVar(Value: Single): Variant;
begin
  VarClear(Result);
  TVarData(Result).VType := varSingle;
  TVarData(Result).VSingle := Value;
end;

function VbNoLeadingZero(const S: string): string;
begin
  if Copy(S, 1, 2) = '0.' then
    Result := Copy(S, 2, MaxInt)
  else if Copy(S, 1, 3) = '-0.' then
    Result := '-' + Copy(S, 3, MaxInt)
  else
    Result := S;
end;

function VbCStr(const V: Variant): string;
var
  VT: TVarType;
begin
  VT := VarType(V);
  case VT of
    varEmpty: Result := '';
    varNull: begin VbRaiseError(94); Result := ''; end;
    varBoolean: if V then Result := 'True' else Result := 'False';
    varSingle: Result := VbFloatToStr(TVarData(V).VSingle, 7);
    varDouble: Result := VbFloatToStr(TVarData(V).VDouble, 15);
    varCurrency: Result := VbCurrencyToStr(TVarData(V).VCurrency);
    varDate: Result := VbDateToStr(TVarData(V).VDate);
    varError: Result := 'Error ' + IntToStr(TVarData(V).VError);
  else
    if IsIntegerType(VT) then
      Result := IntToStr(Int64(V))
    else if IsStringType(VT) then
      Result := V
    else
    begin
      VbRaiseError(13);
      Result := '';
    end;
  end;
end;

function VbStr(const V: Variant): string;
var
  VT: TVarType;
begin
  VT := VarType(V);
  if VT = varNull then
    VbRaiseError(94);
  if IsStringType(VT) then
    Result := VbNoLeadingZero(VbCStr(VbToDouble(V)))
  else if VT = varBoolean then
    Result := IntToStr(Ord(Boolean(V)) * -1)
  else if VT = varDate then
    Exit(VbCStr(V))
  else
    Result := VbNoLeadingZero(VbCStr(V));
  if (Result = '') or (Result[1] <> '-') then
    Result := ' ' + Result;
end;

{ ---- text to numbers ---- }

function RadixValue(const S: string; Start, Radix: Integer; out X: Double; out Consumed: Integer): Boolean;
var
  I, Digit: Integer;
  Value: Int64;
  Long: Boolean;
begin
  Value := 0;
  I := Start;
  while I <= Length(S) do
  begin
    case S[I] of
      '0'..'9': Digit := Ord(S[I]) - Ord('0');
      'a'..'f': Digit := Ord(S[I]) - Ord('a') + 10;
      'A'..'F': Digit := Ord(S[I]) - Ord('A') + 10;
    else
      Digit := 99;
    end;
    if Digit >= Radix then
      Break;
    Value := Value * Radix + Digit;
    if Value > $FFFFFFFF then
      Exit(False);
    Inc(I);
  end;
  Long := (I <= Length(S)) and (S[I] = '&');
  if Long then
    Inc(I);
  Consumed := I - Start;
  { &H literals are Integer up to FFFF and Long above, both as two's complement }
  if (not Long) and (Value <= $FFFF) then
  begin
    if Value > $7FFF then
      Value := Value - $10000;
  end
  else if Value > $7FFFFFFF then
    Value := Value - $100000000;
  X := Value;
  Result := I > Start;
end;

function VbVal(const S: string): Double;
var
  Clean, Number: string;
  I, Consumed: Integer;
  Seen: set of (sDigit, sPoint, sExp);
  Ch: Char;
begin
  Clean := '';
  for I := 1 to Length(S) do
    if not CharInSet(S[I], [' ', #9, #10, #13]) then
      Clean := Clean + S[I];
  Result := 0;
  if (Length(Clean) >= 2) and (Clean[1] = '&') then
  begin
    if CharInSet(Clean[2], ['H', 'h']) then
    begin
      if RadixValue(Clean, 3, 16, Result, Consumed) then
        Exit;
      Exit(0);
    end;
    if CharInSet(Clean[2], ['O', 'o']) then
    begin
      if RadixValue(Clean, 3, 8, Result, Consumed) then
        Exit;
      Exit(0);
    end;
  end;
  Number := '';
  Seen := [];
  I := 1;
  if (I <= Length(Clean)) and CharInSet(Clean[I], ['+', '-']) then
  begin
    Number := Clean[I];
    Inc(I);
  end;
  while I <= Length(Clean) do
  begin
    Ch := Clean[I];
    if CharInSet(Ch, ['0'..'9']) then
    begin
      Number := Number + Ch;
      Include(Seen, sDigit);
    end
    else if (Ch = '.') and not (sPoint in Seen) and not (sExp in Seen) then
    begin
      Number := Number + Ch;
      Include(Seen, sPoint);
    end
    else if CharInSet(Ch, ['e', 'E', 'd', 'D']) and (sDigit in Seen) and not (sExp in Seen) then
    begin
      Include(Seen, sExp);
      if (I < Length(Clean)) and CharInSet(Clean[I + 1], ['+', '-']) then
      begin
        Number := Number + 'E' + Clean[I + 1];
        Inc(I);
      end
      else
        Number := Number + 'E';
    end
    else
      Break;
    Inc(I);
  end;
  if not (sDigit in Seen) then
    Exit(0);
  while (Number <> '') and CharInSet(Number[Length(Number)], ['E', '+', '-']) do
    SetLength(Number, Length(Number) - 1);
  if not TryStrToFloat(Number, Result, Settings) then
    VbRaiseError(6);
end;

function VbTryStrToNumber(const S: string; out X: Double): Boolean;
var
  Text: string;
  Negative: Boolean;
  I, Consumed: Integer;
begin
  Text := Trim(S);
  X := 0;
  if Text = '' then
    Exit(False);
  if (Length(Text) > 2) and (Text[1] = '&') and CharInSet(Text[2], ['H', 'h', 'O', 'o']) then
  begin
    if CharInSet(Text[2], ['H', 'h']) then
      Result := RadixValue(Text, 3, 16, X, Consumed)
    else
      Result := RadixValue(Text, 3, 8, X, Consumed);
    Exit(Result and (Consumed = Length(Text) - 2));
  end;
  Negative := False;
  if CharInSet(Text[1], ['+', '-']) then
  begin
    Negative := Text[1] = '-';
    Text := TrimLeft(Copy(Text, 2, MaxInt));
  end
  else if (Text[1] = '(') and (Text[Length(Text)] = ')') then
  begin
    Negative := True;
    Text := Trim(Copy(Text, 2, Length(Text) - 2));
  end;
  if (Text <> '') and (Text[1] = '$') then
    Text := TrimLeft(Copy(Text, 2, MaxInt));
  if (Text <> '') and CharInSet(Text[Length(Text)], ['+', '-']) and not Negative then
  begin
    Negative := Text[Length(Text)] = '-';
    SetLength(Text, Length(Text) - 1);
  end;
  { thousands separators are accepted in the integer part only }
  I := 1;
  while (I <= Length(Text)) and CharInSet(Text[I], ['0'..'9', ',']) do
    Inc(I);
  Text := StringReplace(Copy(Text, 1, I - 1), ',', '', [rfReplaceAll]) + Copy(Text, I, MaxInt);
  Text := StringReplace(Text, 'd', 'e', [rfReplaceAll, rfIgnoreCase]);
  if (Text = '') or not CharInSet(Text[1], ['0'..'9', '.']) or (Text = '.') then
    Exit(False);
  for I := 1 to Length(Text) do
    if not CharInSet(Text[I], ['0'..'9', '.', 'e', 'E', '+', '-']) then
      Exit(False);
  Result := TryStrToFloat(Text, X, Settings);
  if Result and Negative then
    X := -X;
end;

{ ---- text to dates ---- }

function MonthOfName(const Word: string): Integer;
var
  I: Integer;
begin
  for I := 1 to 12 do
    if (Length(Word) >= 3) and SameText(Word, Copy(MonthNames[I], 1, Length(Word))) then
      Exit(I);
  if SameText(Word, 'Sept') then
    Exit(9);
  Result := 0;
end;

function IsDayName(const Word: string): Boolean;
var
  I: Integer;
begin
  for I := 1 to 7 do
    if (Length(Word) >= 3) and SameText(Word, Copy(Settings.LongDayNames[I], 1, Length(Word))) then
      Exit(True);
  Result := False;
end;

function FullYear(Y, Digits: Integer): Integer;
begin
  Result := Y;
  if Digits <= 2 then
    if Y < 30 then
      Result := 2000 + Y
    else
      Result := 1900 + Y;
end;

function VbTryStrToDate(const S: string; out D: TDateTime): Boolean;
var
  Nums: array[0..2] of Integer;
  NumLen: array[0..2] of Integer;
  NumCount, Month, I, J, Value, Len: Integer;
  TimeParts: array[0..2] of Integer;
  TimeCount: Integer;
  HasTime, PM, AM, YearFirst: Boolean;
  Word: string;
  Y, M, Dd: Integer;
  DatePart, TimePart: TDateTime;
begin
  D := 0;
  Result := False;
  NumCount := 0;
  TimeCount := 0;
  Month := 0;
  HasTime := False;
  PM := False;
  AM := False;
  YearFirst := False;
  I := 1;
  while I <= Length(S) do
  begin
    if CharInSet(S[I], ['0'..'9']) then
    begin
      J := I;
      Value := 0;
      while (J <= Length(S)) and CharInSet(S[J], ['0'..'9']) do
      begin
        if J - I > 5 then
          Exit;
        Value := Value * 10 + Ord(S[J]) - Ord('0');
        Inc(J);
      end;
      Len := J - I;
      if ((J <= Length(S)) and (S[J] = ':')) or ((TimeCount > 0) and (TimeCount < 3) and (I > 1) and (S[I - 1] = ':')) then
      begin
        HasTime := True;
        if TimeCount = 3 then
          Exit;
        TimeParts[TimeCount] := Value;
        Inc(TimeCount);
      end
      else
      begin
        if NumCount = 3 then
          Exit;
        if (NumCount = 0) and (Len >= 3) then
          YearFirst := True;
        Nums[NumCount] := Value;
        NumLen[NumCount] := Len;
        Inc(NumCount);
      end;
      I := J;
    end
    else if CharInSet(S[I], ['A'..'Z', 'a'..'z']) then
    begin
      J := I;
      while (J <= Length(S)) and CharInSet(S[J], ['A'..'Z', 'a'..'z']) do
        Inc(J);
      Word := Copy(S, I, J - I);
      if SameText(Word, 'PM') or SameText(Word, 'P') then
        PM := True
      else if SameText(Word, 'AM') or SameText(Word, 'A') then
        AM := True
      else if (MonthOfName(Word) > 0) and (Month = 0) then
        Month := MonthOfName(Word)
      else if not IsDayName(Word) then
        Exit;
      I := J;
    end
    else if CharInSet(S[I], [' ', '/', '-', ',', '.', ':', #9]) then
      Inc(I)
    else
      Exit;
  end;
  if (NumCount = 0) and (TimeCount = 0) then
    Exit;
  if (AM or PM) and not HasTime then
  begin
    { "3 PM": a lone number is the hour }
    if (NumCount <> 1) or (Month <> 0) then
      Exit;
    TimeParts[0] := Nums[0];
    TimeCount := 1;
    NumCount := 0;
    HasTime := True;
  end;
  DatePart := 0;
  if Month > 0 then
  begin
    case NumCount of
      1: if (NumLen[0] >= 3) or (Nums[0] > 31) then
         begin Y := FullYear(Nums[0], NumLen[0]); Dd := 1; end
         else
         begin Dd := Nums[0]; Y := CurrentYear; end;
      2: if NumLen[0] >= 3 then
         begin Y := Nums[0]; Dd := Nums[1]; end
         else
         begin Dd := Nums[0]; Y := FullYear(Nums[1], NumLen[1]); end;
    else
      Exit;
    end;
    if not TryEncodeDate(Y, Month, Dd, DatePart) then
      Exit;
  end
  else if NumCount = 3 then
  begin
    if YearFirst then
    begin
      Y := Nums[0]; M := Nums[1]; Dd := Nums[2];
    end
    else
    begin
      M := Nums[0]; Dd := Nums[1]; Y := FullYear(Nums[2], NumLen[2]);
      if (M > 12) and (Dd <= 12) then
      begin
        J := M; M := Dd; Dd := J;
      end;
    end;
    if not TryEncodeDate(Y, M, Dd, DatePart) then
      Exit;
  end
  else if NumCount = 2 then
  begin
    M := Nums[0]; Dd := Nums[1]; Y := CurrentYear;
    if (M > 12) and (Dd <= 12) then
    begin
      J := M; M := Dd; Dd := J;
    end;
    if (Dd > 31) or ((Dd > 28) and not TryEncodeDate(Y, M, Dd, DatePart)) then
    begin
      { month and year }
      Y := FullYear(Dd, NumLen[1]);
      Dd := 1;
    end;
    if not TryEncodeDate(Y, M, Dd, DatePart) then
      Exit;
  end
  else if NumCount = 1 then
    Exit;
  TimePart := 0;
  if HasTime then
  begin
    for J := TimeCount to 2 do
      TimeParts[J] := 0;
    if (AM or PM) then
    begin
      if (TimeParts[0] > 12) or (TimeParts[0] = 0) and PM then
        Exit;
      if TimeParts[0] = 12 then
        TimeParts[0] := 0;
      if PM then
        Inc(TimeParts[0], 12);
    end;
    if (TimeParts[0] > 23) or (TimeParts[1] > 59) or (TimeParts[2] > 59) then
      Exit;
    TimePart := EncodeTime(TimeParts[0], TimeParts[1], TimeParts[2], 0);
  end;
  if DatePart < 0 then
    D := DatePart - TimePart
  else
    D := DatePart + TimePart;
  VbClearFloatFlags;
  Result := True;
end;

{ ---- to numbers ---- }

function VbToDouble(const V: Variant): Double;
var
  VT: TVarType;
begin
  VT := VarType(V);
  case VT of
    varEmpty: Result := 0;
    varNull: begin VbRaiseError(94); Result := 0; end;
    varBoolean: if V then Result := -1 else Result := 0;
    varSingle: Result := TVarData(V).VSingle;
    varDouble: Result := TVarData(V).VDouble;
    varDate: Result := TVarData(V).VDate;
    varCurrency: Result := TVarData(V).VCurrency;
  else
    if IsIntegerType(VT) then
      Result := Int64(V)
    else if IsStringType(VT) then
    begin
      if not VbTryStrToNumber(VarToStr(V), Result) then
        VbRaiseError(13);
    end
    else
    begin
      VbRaiseError(13);
      Result := 0;
    end;
  end;
end;

function RoundedInRange(const V: Variant; Low, High: Double): Int64;
var
  X: Double;
begin
  if VarType(V) = varCurrency then
  begin
    X := TVarData(V).VCurrency;
    if (X < Low - 0.5) or (X > High + 0.5) then
      VbRaiseError(6);
    Result := Round(TVarData(V).VCurrency);
  end
  else
  begin
    X := VbToDouble(V);
    if IsNan(X) or (X < Low - 0.5) or (X > High + 0.5) then
      VbRaiseError(6);
    Result := Round(X);
  end;
  if (Result < Low) or (Result > High) then
    VbRaiseError(6);
end;

function VbCInt(const V: Variant): SmallInt;
begin
  Result := RoundedInRange(V, -32768, 32767);
end;

function VbCLng(const V: Variant): LongInt;
begin
  Result := RoundedInRange(V, -2147483648.0, 2147483647.0);
end;

function VbCByte(const V: Variant): Byte;
begin
  Result := RoundedInRange(V, 0, 255);
end;

function VbCSng(const V: Variant): Single;
var
  X: Double;
begin
  X := VbToDouble(V);
  if Abs(X) > MaxSingle then
    VbRaiseError(6);
  Result := X;
end;

function VbCDbl(const V: Variant): Double;
begin
  Result := VbToDouble(V);
end;

function VbCCur(const V: Variant): Currency;
var
  X: Double;
begin
  if VarType(V) = varCurrency then
    Exit(TVarData(V).VCurrency);
  X := VbToDouble(V);
  if Abs(X) >= 922337203685477.5808 then
    VbRaiseError(6);
  Result := X;
end;

function VbCDec(const V: Variant): Variant;
begin
  Result := VbToDouble(V);
end;

function VbCBool(const V: Variant): Boolean;
var
  VT: TVarType;
  Text: string;
  X: Double;
begin
  VT := VarType(V);
  if VT = varBoolean then
    Exit(V);
  if IsStringType(VT) then
  begin
    Text := Trim(VarToStr(V));
    if SameText(Text, 'True') then
      Exit(True);
    if SameText(Text, 'False') then
      Exit(False);
    if not VbTryStrToNumber(Text, X) then
      VbRaiseError(13);
    Exit(X <> 0);
  end;
  Result := VbToDouble(V) <> 0;
end;

function VbCDate(const V: Variant): TDateTime;
var
  VT: TVarType;
  X: Double;
begin
  VT := VarType(V);
  if VT = varDate then
    Exit(TVarData(V).VDate);
  if IsStringType(VT) then
  begin
    if VbTryStrToDate(VarToStr(V), Result) then
      Exit;
    if VbTryStrToNumber(VarToStr(V), X) then
      Exit(X);
    VbRaiseError(13);
  end;
  X := VbToDouble(V);
  if (X < -657434.0) or (X >= 2958466.0) then
    VbRaiseError(6);
  Result := X;
end;

function VbCVar(const V: Variant): Variant;
begin
  Result := V;
end;

function VbCVErr(Number: LongInt): Variant;
begin
  Result := VarAsError(Number);
end;

function VbCVDate(const V: Variant): Variant;
begin
  if VarIsNull(V) then
    Exit(Null);
  Result := VarFromDateTime(VbCDate(V));
end;

{ ---- Int, Fix, Abs, Sgn, Round ---- }

type
  TRounder = function(X: Double): Double;

function SmallVar(Value: SmallInt): Variant;
begin
  Result := Value;
end;

function SingleVar(Value: Single): Variant;
begin
  Result := VbSingleVar(Value);
end;

function CurrVar(Value: Currency): Variant;
begin
  Result := Value;
end;

function FloorOf(X: Double): Double;
begin
  Result := Floor(X);
end;

function TruncOf(X: Double): Double;
begin
  Result := Int(X);
end;

function RoundKeepingType(const V: Variant; Rounder: TRounder): Variant;
var
  VT: TVarType;
begin
  VT := VarType(V);
  case VT of
    varNull: Result := Null;
    varEmpty: Result := SmallVar(0);
    varBoolean: Result := SmallVar(Trunc(VbToDouble(V)));
    varSingle: Result := SingleVar(Rounder(TVarData(V).VSingle));
    varDouble: Result := Rounder(TVarData(V).VDouble);
    varCurrency: Result := CurrVar(Rounder(TVarData(V).VCurrency));
    varDate: Result := VarFromDateTime(Rounder(TVarData(V).VDate));
  else
    if IsIntegerType(VT) then
      Result := V
    else
      Result := Rounder(VbToDouble(V));
  end;
end;

function VbInt(const V: Variant): Variant;
begin
  Result := RoundKeepingType(V, FloorOf);
end;

function VbFix(const V: Variant): Variant;
begin
  Result := RoundKeepingType(V, TruncOf);
end;

function VbAbs(const V: Variant): Variant;
var
  VT: TVarType;
begin
  VT := VarType(V);
  case VT of
    varNull: Result := Null;
    varEmpty: Result := SmallVar(0);
    varBoolean: Result := SmallVar(Trunc(Abs(VbToDouble(V))));
    varSmallint:
      if TVarData(V).VSmallInt = -32768 then VbRaiseError(6) else Result := SmallVar(Abs(TVarData(V).VSmallInt));
    varInteger:
      if TVarData(V).VInteger = Low(LongInt) then VbRaiseError(6) else Result := LongInt(Abs(TVarData(V).VInteger));
    varSingle: Result := SingleVar(Abs(TVarData(V).VSingle));
    varDouble: Result := Abs(TVarData(V).VDouble);
    varCurrency: Result := CurrVar(Abs(TVarData(V).VCurrency));
    varDate: Result := VarFromDateTime(Abs(TVarData(V).VDate));
  else
    if IsIntegerType(VT) then
      Result := Abs(Int64(V))
    else
      Result := Abs(VbToDouble(V));
  end;
end;

function VbSgn(const V: Variant): SmallInt;
begin
  Result := Sign(VbToDouble(V));
end;

function BankersRound(X: Double; Digits: LongInt): Double;
var
  Scale: Double;
begin
  if Digits = 0 then
    if Abs(X) >= 1E15 then
      Exit(X)
    else
      Exit(Round(X));
  Scale := IntPower(10, Digits);
  { beyond 15 significant digits there is nothing left to round }
  if Abs(X * Scale) >= 1E15 then
    Exit(X);
  Result := Round(X * Scale) / Scale;
end;

function VbRound(const V: Variant; NumDigitsAfterDecimal: LongInt): Variant;
var
  VT: TVarType;
begin
  if NumDigitsAfterDecimal < 0 then
    VbRaiseError(5);
  VT := VarType(V);
  case VT of
    varNull: Result := Null;
    varEmpty: Result := SmallVar(0);
    varBoolean: Result := SmallVar(Trunc(VbToDouble(V)));
    varSingle: Result := SingleVar(BankersRound(TVarData(V).VSingle, NumDigitsAfterDecimal));
    varDouble: Result := BankersRound(TVarData(V).VDouble, NumDigitsAfterDecimal);
    varCurrency: Result := CurrVar(BankersRound(TVarData(V).VCurrency, NumDigitsAfterDecimal));
    varDate: Result := VarFromDateTime(BankersRound(TVarData(V).VDate, NumDigitsAfterDecimal));
  else
    if IsIntegerType(VT) then
      Result := V
    else
      Result := BankersRound(VbToDouble(V), NumDigitsAfterDecimal);
  end;
end;

{ ---- Hex, Oct ---- }

function RadixText(const V: Variant; Bits: Integer): string;
var
  VT: TVarType;
  Value: Int64;
  Mask: Int64;
  Digit: Integer;
begin
  VT := VarType(V);
  if VT = varNull then
    VbRaiseError(94);
  if VT in [varEmpty] then
    Exit('0');
  if VT in [varSmallint, varShortInt, varByte, varBoolean] then
    Mask := $FFFF
  else
    Mask := $FFFFFFFF;
  if VT in [varSmallint, varShortInt, varByte, varInteger, varWord, varLongWord, varInt64] then
    Value := Int64(V)
  else
    Value := VbCLng(V);
  if (Value < 0) and (Mask = $FFFF) and (Value < -32768) then
    Mask := $FFFFFFFF;
  Value := Value and Mask;
  Result := '';
  repeat
    Digit := Value and ((1 shl Bits) - 1);
    Result := '0123456789ABCDEF'[Digit + 1] + Result;
    Value := Value shr Bits;
  until Value = 0;
end;

function VbHex(const V: Variant): string;
begin
  Result := RadixText(V, 4);
end;

function VbOct(const V: Variant): string;
begin
  Result := RadixText(V, 3);
end;

{ ---- operators ---- }

function IntegerResult(Value: Int64; const A, B: Variant): Variant;
var
  Wide: Boolean;
begin
  Wide := not ((VarType(A) in [varSmallint, varByte, varBoolean, varShortInt, varEmpty]) and
    (VarType(B) in [varSmallint, varByte, varBoolean, varShortInt, varEmpty]));
  if (not Wide) and (Value >= -32768) and (Value <= 32767) then
    Result := SmallVar(Value)
  else if (Value >= Low(LongInt)) and (Value <= High(LongInt)) then
    Result := LongInt(Value)
  else
    VbRaiseError(6);
end;

function VbIntDiv(const A, B: Variant): Variant;
var
  X, Y: LongInt;
begin
  if VarIsNull(A) or VarIsNull(B) then
    Exit(Null);
  X := VbCLng(A);
  Y := VbCLng(B);
  if Y = 0 then
    VbRaiseError(11);
  Result := IntegerResult(Int64(X) div Y, A, B);
end;

function VbMod(const A, B: Variant): Variant;
var
  X, Y: LongInt;
begin
  if VarIsNull(A) or VarIsNull(B) then
    Exit(Null);
  X := VbCLng(A);
  Y := VbCLng(B);
  if Y = 0 then
    VbRaiseError(11);
  Result := IntegerResult(Int64(X) mod Y, A, B);
end;

function VbDivide(A, B: Double): Double;
begin
  if B = 0 then
  begin
    if A = 0 then
      VbRaiseError(6);
    VbRaiseError(11);
  end;
  Result := A / B;
end;

function VbPower(A, B: Double): Double;
begin
  if (A = 0) and (B < 0) then
    VbRaiseError(5);
  if (A < 0) and (Frac(B) <> 0) then
    VbRaiseError(5);
  if Frac(B) = 0 then
    Result := IntPower(A, Trunc(B))
  else
    Result := Power(A, B);
end;

{ ---- numeric functions ---- }

function VbAtn(X: Double): Double;
begin
  Result := ArcTan(X);
end;

function VbCos(X: Double): Double;
begin
  Result := Cos(X);
end;

function VbSin(X: Double): Double;
begin
  Result := Sin(X);
end;

function VbTan(X: Double): Double;
begin
  Result := Tan(X);
end;

function VbExp(X: Double): Double;
begin
  if X > 709.782712893384 then
    VbRaiseError(6);
  Result := Exp(X);
end;

function VbLog(X: Double): Double;
begin
  if X <= 0 then
    VbRaiseError(5);
  Result := Ln(X);
end;

function VbSqr(X: Double): Double;
begin
  if X < 0 then
    VbRaiseError(5);
  Result := Sqrt(X);
end;

function ColorPart(Value: LongInt): LongInt;
begin
  if Value < 0 then
    VbRaiseError(5);
  if Value > 255 then
    Value := 255;
  Result := Value;
end;

function VbRGB(Red, Green, Blue: LongInt): LongInt;
begin
  Result := ColorPart(Red) or (ColorPart(Green) shl 8) or (ColorPart(Blue) shl 16);
end;

function VbQBColor(Color: SmallInt): LongInt;
const
  Colors: array[0..15] of LongInt = ($000000, $800000, $008000, $808000, $000080, $800080, $008080,
    $C0C0C0, $808080, $FF0000, $00FF00, $FFFF00, $0000FF, $FF00FF, $00FFFF, $FFFFFF);
begin
  if (Color < 0) or (Color > 15) then
    VbRaiseError(5);
  Result := Colors[Color];
end;

initialization
  InitSettings;

end.
