{$IFDEF FPC}{$MODE DelphiUnicode}{$ENDIF}
{ VB's Format and the FormatNumber family, US English: named formats (General Number, Currency, Fixed,
  Standard, Percent, Scientific, Yes/No, True/False, On/Off, General/Long/Medium/Short Date and Time),
  custom numeric formats (0 # . , % E+ E- literals, "quoted", \x, up to four ; sections), custom date
  formats (d dd ddd dddd ddddd dddddd w ww m mm mmm mmmm q y yy yyyy h hh n nn s ss ttttt AM/PM am/pm
  A/P a/p AMPM c / :) and string formats (@ & < > !). Numbers round half away from zero on their
  15-digit decimal form, as Format does. }
unit VrFormat;

interface

function VbFormat(const Expression: Variant; const Fmt: string = ''; FirstDayOfWeek: Integer = 1;
  FirstWeekOfYear: Integer = 1): string;
{ Tristate arguments: -1 True, 0 False, -2 the system's setting. }
function VbFormatNumber(const Expression: Variant; NumDigitsAfterDecimal: Integer = -1;
  IncludeLeadingDigit: Integer = -2; UseParensForNegativeNumbers: Integer = -2; GroupDigits: Integer = -2): string;
function VbFormatCurrency(const Expression: Variant; NumDigitsAfterDecimal: Integer = -1;
  IncludeLeadingDigit: Integer = -2; UseParensForNegativeNumbers: Integer = -2; GroupDigits: Integer = -2): string;
function VbFormatPercent(const Expression: Variant; NumDigitsAfterDecimal: Integer = -1;
  IncludeLeadingDigit: Integer = -2; UseParensForNegativeNumbers: Integer = -2; GroupDigits: Integer = -2): string;
function VbFormatDateTime(const Expression: Variant; NamedFormat: Integer = 0): string;

implementation

uses
  SysUtils, Variants, Math, VrErrors, VrConvert, VrDates, VrStrings;

type
  TTokenKind = (tkZero, tkHash, tkPoint, tkComma, tkPercent, tkExponent, tkLiteral);
  TToken = record
    Kind: TTokenKind;
    Text: string;
  end;
  TTokens = array of TToken;

{ ---- decimal digits ---- }

{ The integer and fraction digits of Abs(X) rounded half away from zero to Decimals places, taken from
  its 15-significant-digit decimal form. }
procedure DecimalParts(X: Double; Decimals: Integer; out IntPart, FracPart: string);
var
  Text, Digits: string;
  Exponent, EPos, PointAt, I, Carry, D: Integer;
begin
  X := Abs(X);
  if X = 0 then
  begin
    IntPart := '0';
    FracPart := StringOfChar('0', Decimals);
    Exit;
  end;
  Text := Format('%.15e', [X], VbFormatSettings);
  EPos := Pos('E', Text);
  Exponent := StrToInt(Copy(Text, EPos + 1, MaxInt));
  Digits := Text[1] + Copy(Text, 3, EPos - 3);
  { the digits stand for 0.Digits * 10^(Exponent + 1); place the point }
  PointAt := Exponent + 1;
  if PointAt <= 0 then
  begin
    Digits := StringOfChar('0', 1 - PointAt) + Digits;
    PointAt := 1;
  end;
  if Length(Digits) < PointAt + Decimals then
    Digits := Digits + StringOfChar('0', PointAt + Decimals - Length(Digits));
  Carry := 0;
  if (Length(Digits) > PointAt + Decimals) and (Digits[PointAt + Decimals + 1] >= '5') then
    Carry := 1;
  SetLength(Digits, PointAt + Decimals);
  I := Length(Digits);
  while (Carry > 0) and (I >= 1) do
  begin
    D := Ord(Digits[I]) - Ord('0') + Carry;
    Carry := D div 10;
    Digits[I] := Char(Ord('0') + D mod 10);
    Dec(I);
  end;
  if Carry > 0 then
  begin
    Digits := '1' + Digits;
    Inc(PointAt);
  end;
  IntPart := Copy(Digits, 1, PointAt);
  while (Length(IntPart) > 1) and (IntPart[1] = '0') do
    Delete(IntPart, 1, 1);
  FracPart := Copy(Digits, PointAt + 1, Decimals);
end;

function Grouped(const Digits: string): string;
var
  I: Integer;
begin
  Result := '';
  for I := 1 to Length(Digits) do
  begin
    if (I > 1) and ((Length(Digits) - I + 1) mod 3 = 0) then
      Result := Result + ',';
    Result := Result + Digits[I];
  end;
end;

{ ---- named numeric formats ---- }

function FixedText(X: Double; Decimals: Integer; Group, LeadingDigit: Boolean): string;
var
  IntPart, FracPart: string;
begin
  DecimalParts(X, Decimals, IntPart, FracPart);
  if Group then
    IntPart := Grouped(IntPart);
  if (IntPart = '0') and not LeadingDigit and (Decimals > 0) then
    IntPart := '';
  Result := IntPart;
  if Decimals > 0 then
    Result := Result + '.' + FracPart;
end;

function IsZeroText(const S: string): Boolean;
var
  I: Integer;
begin
  for I := 1 to Length(S) do
    if CharInSet(S[I], ['1'..'9']) then
      Exit(False);
  Result := True;
end;

function Tristate(Value: Integer; Default: Boolean): Boolean;
begin
  if Value = -2 then
    Result := Default
  else
    Result := Value <> 0;
end;

function NumberText(X: Double; Digits, Leading, Parens, Group: Integer; DefaultParens: Boolean;
  const Prefix, Suffix: string): string;
var
  Body: string;
begin
  if Digits = -1 then
    Digits := 2;
  if Digits < 0 then
    VbRaiseError(5);
  Body := Prefix + FixedText(X, Digits, Tristate(Group, True), Tristate(Leading, True)) + Suffix;
  if (X < 0) and not IsZeroText(Body) then
    if Tristate(Parens, DefaultParens) then
      Body := '(' + Body + ')'
    else
      Body := '-' + Body;
  Result := Body;
end;

function VbFormatNumber(const Expression: Variant; NumDigitsAfterDecimal, IncludeLeadingDigit,
  UseParensForNegativeNumbers, GroupDigits: Integer): string;
begin
  Result := NumberText(VbCDbl(Expression), NumDigitsAfterDecimal, IncludeLeadingDigit,
    UseParensForNegativeNumbers, GroupDigits, False, '', '');
end;

function VbFormatCurrency(const Expression: Variant; NumDigitsAfterDecimal, IncludeLeadingDigit,
  UseParensForNegativeNumbers, GroupDigits: Integer): string;
begin
  Result := NumberText(VbCDbl(Expression), NumDigitsAfterDecimal, IncludeLeadingDigit,
    UseParensForNegativeNumbers, GroupDigits, True, '$', '');
end;

function VbFormatPercent(const Expression: Variant; NumDigitsAfterDecimal, IncludeLeadingDigit,
  UseParensForNegativeNumbers, GroupDigits: Integer): string;
begin
  Result := NumberText(VbCDbl(Expression) * 100, NumDigitsAfterDecimal, IncludeLeadingDigit,
    UseParensForNegativeNumbers, GroupDigits, False, '', '%');
end;

function ScientificText(X: Double; Decimals: Integer): string;
var
  Exponent: Integer;
  IntPart, FracPart: string;
  Mantissa: Double;
begin
  Exponent := 0;
  if X <> 0 then
    Exponent := Floor(Log10(Abs(X)));
  Mantissa := Abs(X) / Power(10, Exponent);
  DecimalParts(Mantissa, Decimals, IntPart, FracPart);
  if Length(IntPart) > 1 then
  begin
    Inc(Exponent);
    DecimalParts(Abs(X) / Power(10, Exponent), Decimals, IntPart, FracPart);
  end;
  Result := IntPart;
  if Decimals > 0 then
    Result := Result + '.' + FracPart;
  if Exponent < 0 then
    Result := Result + 'E-'
  else
    Result := Result + 'E+';
  Result := Result + Format('%.2d', [Abs(Exponent)]);
  if X < 0 then
    Result := '-' + Result;
end;

{ ---- custom numeric formats ---- }

function Tokenize(const Section: string): TTokens;
var
  I, N: Integer;

  procedure Add(Kind: TTokenKind; const Text: string);
  begin
    if (Kind = tkLiteral) and (N > 0) and (Result[N - 1].Kind = tkLiteral) then
    begin
      Result[N - 1].Text := Result[N - 1].Text + Text;
      Exit;
    end;
    SetLength(Result, N + 1);
    Result[N].Kind := Kind;
    Result[N].Text := Text;
    Inc(N);
  end;

var
  J: Integer;
begin
  N := 0;
  SetLength(Result, 0);
  I := 1;
  while I <= Length(Section) do
  begin
    case Section[I] of
      '0': Add(tkZero, '0');
      '#': Add(tkHash, '#');
      '.': Add(tkPoint, '.');
      ',': Add(tkComma, ',');
      '%': Add(tkPercent, '%');
      'E', 'e':
        if (I < Length(Section)) and CharInSet(Section[I + 1], ['+', '-']) then
        begin
          Add(tkExponent, Copy(Section, I, 2));
          Inc(I);
        end
        else
          Add(tkLiteral, Section[I]);
      '\':
        begin
          if I < Length(Section) then
            Add(tkLiteral, Section[I + 1]);
          Inc(I);
        end;
      '"':
        begin
          J := I + 1;
          while (J <= Length(Section)) and (Section[J] <> '"') do
            Inc(J);
          Add(tkLiteral, Copy(Section, I + 1, J - I - 1));
          I := J;
        end;
    else
      Add(tkLiteral, Section[I]);
    end;
    Inc(I);
  end;
end;

function IsDigitToken(const T: TToken): Boolean;
begin
  Result := T.Kind in [tkZero, tkHash];
end;

function CustomNumber(X: Double; const Section: string; WithSign: Boolean): string;
var
  Tokens: TTokens;
  I, PointIndex, ExpIndex, FirstDigit, LastIntDigit, IntCount, IntMin, DecMax, DecMin, ExpMin: Integer;
  Group: Boolean;
  Scale, Exponent: Integer;
  IntPart, FracPart, IntText, ExpText: string;
  Slots: array of string;
  Pending: Integer;
  Value: Double;
  SeenZero: Boolean;
begin
  Tokens := Tokenize(Section);
  PointIndex := -1;
  ExpIndex := -1;
  FirstDigit := -1;
  for I := 0 to High(Tokens) do
  begin
    if (Tokens[I].Kind = tkPoint) and (PointIndex < 0) and (ExpIndex < 0) then
      PointIndex := I;
    if (Tokens[I].Kind = tkExponent) and (ExpIndex < 0) then
      ExpIndex := I;
    if IsDigitToken(Tokens[I]) and (FirstDigit < 0) then
      FirstDigit := I;
  end;
  if (FirstDigit < 0) and (PointIndex < 0) then
  begin
    { no digits at all: the literals alone }
    Result := '';
    for I := 0 to High(Tokens) do
      if Tokens[I].Kind = tkLiteral then
        Result := Result + Tokens[I].Text
      else if Tokens[I].Kind = tkPercent then
        Result := Result + '%';
    if WithSign and (X < 0) then
      Result := '-' + Result;
    Exit;
  end;
  { integer part: digit tokens before the point (or the exponent, or the end) }
  IntCount := 0;
  IntMin := 0;
  SeenZero := False;
  Group := False;
  Scale := 0;
  LastIntDigit := -1;
  for I := 0 to High(Tokens) do
  begin
    if ((PointIndex >= 0) and (I >= PointIndex)) or ((ExpIndex >= 0) and (I >= ExpIndex)) then
      Break;
    if IsDigitToken(Tokens[I]) then
    begin
      Inc(IntCount);
      if Tokens[I].Kind = tkZero then
        SeenZero := True;
      if SeenZero then
        Inc(IntMin);
      LastIntDigit := I;
    end;
  end;
  for I := 0 to High(Tokens) do
    if (Tokens[I].Kind = tkComma) and (FirstDigit >= 0) and (I > FirstDigit) then
    begin
      if (I < LastIntDigit) then
        Group := True
      else if ((PointIndex < 0) or (I < PointIndex)) and ((ExpIndex < 0) or (I < ExpIndex)) then
        Inc(Scale);
    end;
  DecMax := 0;
  DecMin := 0;
  if PointIndex >= 0 then
    for I := PointIndex + 1 to High(Tokens) do
    begin
      if (ExpIndex >= 0) and (I >= ExpIndex) then
        Break;
      if IsDigitToken(Tokens[I]) then
      begin
        Inc(DecMax);
        if Tokens[I].Kind = tkZero then
          DecMin := DecMax;
      end;
    end;
  ExpMin := 0;
  if ExpIndex >= 0 then
    for I := ExpIndex + 1 to High(Tokens) do
      if Tokens[I].Kind = tkZero then
        Inc(ExpMin);
  Value := Abs(X);
  for I := 0 to High(Tokens) do
    if Tokens[I].Kind = tkPercent then
      Value := Value * 100;
  Value := Value / IntPower(1000, Scale);
  Exponent := 0;
  if ExpIndex >= 0 then
  begin
    if Value <> 0 then
      Exponent := Floor(Log10(Value)) - (Max(IntCount, 1) - 1);
    DecimalParts(Value / Power(10, Exponent), DecMax, IntPart, FracPart);
    if Length(IntPart) > Max(IntCount, 1) then
    begin
      Inc(Exponent);
      DecimalParts(Value / Power(10, Exponent), DecMax, IntPart, FracPart);
    end;
  end
  else
    DecimalParts(Value, DecMax, IntPart, FracPart);
  while (Length(FracPart) > DecMin) and (FracPart[Length(FracPart)] = '0') do
    SetLength(FracPart, Length(FracPart) - 1);
  if (IntPart = '0') and (IntMin = 0) then
    IntPart := '';
  while Length(IntPart) < IntMin do
    IntPart := '0' + IntPart;
  { fill the integer placeholders from the right; the leftmost takes what is left }
  SetLength(Slots, Length(Tokens));
  IntText := IntPart;
  Pending := Length(IntText);
  for I := LastIntDigit downto 0 do
    if IsDigitToken(Tokens[I]) then
    begin
      if I = FirstDigit then
      begin
        if Group then
          Slots[I] := Grouped(Copy(IntText, 1, Pending))
        else
          Slots[I] := Copy(IntText, 1, Pending);
        Pending := 0;
      end
      else if (not Group) and (Pending > 0) then
      begin
        Slots[I] := IntText[Pending];
        Dec(Pending);
      end;
    end;
  Result := '';
  Pending := 1;
  for I := 0 to High(Tokens) do
    case Tokens[I].Kind of
      tkZero, tkHash:
        if (PointIndex >= 0) and (I > PointIndex) and ((ExpIndex < 0) or (I < ExpIndex)) then
        begin
          if Pending <= Length(FracPart) then
            Result := Result + FracPart[Pending];
          Inc(Pending);
        end
        else if (ExpIndex >= 0) and (I > ExpIndex) then
          { the exponent's digits are written with the exponent token }
        else
          Result := Result + Slots[I];
      tkPoint: Result := Result + '.';
      tkComma: ;
      tkPercent: Result := Result + '%';
      tkExponent:
        begin
          ExpText := IntToStr(Abs(Exponent));
          while Length(ExpText) < ExpMin do
            ExpText := '0' + ExpText;
          if Exponent < 0 then
            ExpText := '-' + ExpText
          else if Tokens[I].Text[2] = '+' then
            ExpText := '+' + ExpText;
          Result := Result + Tokens[I].Text[1] + ExpText;
        end;
      tkLiteral: Result := Result + Tokens[I].Text;
    end;
  if WithSign and (X < 0) then
    Result := '-' + Result;
end;

function SplitSections(const Fmt: string): TVbStringArray;
var
  I, N, Start: Integer;
  Quoted: Boolean;
begin
  SetLength(Result, 1);
  N := 0;
  Start := 1;
  Quoted := False;
  I := 1;
  while I <= Length(Fmt) do
  begin
    if Fmt[I] = '"' then
      Quoted := not Quoted
    else if (Fmt[I] = '\') and not Quoted then
      Inc(I)
    else if (Fmt[I] = ';') and not Quoted then
    begin
      Result[N] := Copy(Fmt, Start, I - Start);
      Inc(N);
      SetLength(Result, N + 1);
      Start := I + 1;
    end;
    Inc(I);
  end;
  Result[N] := Copy(Fmt, Start, MaxInt);
end;

function FormatCustomNumber(X: Double; IsNull: Boolean; const Fmt: string): string;
var
  Sections: TVbStringArray;
begin
  Sections := SplitSections(Fmt);
  if IsNull then
  begin
    if Length(Sections) >= 4 then
      Exit(CustomNumber(0, Sections[3], False));
    Exit('');
  end;
  if (X = 0) and (Length(Sections) >= 3) and (Sections[2] <> '') then
    Exit(CustomNumber(X, Sections[2], False));
  if (X < 0) and (Length(Sections) >= 2) and (Sections[1] <> '') then
    Exit(CustomNumber(-X, Sections[1], False));
  if (X < 0) and (Length(Sections) >= 2) then
    Exit(CustomNumber(X, Sections[0], True));
  Result := CustomNumber(X, Sections[0], True);
end;

{ ---- dates ---- }

function LowerAt(const S: string; I: Integer; const Word: string): Boolean;
begin
  Result := SameText(Copy(S, I, Length(Word)), Word);
end;

function Run(const S: string; I: Integer): Integer;
begin
  Result := 1;
  while (I + Result <= Length(S)) and (LowerCase(S[I + Result]) = LowerCase(S[I])) do
    Inc(Result);
end;

function AmPm(D: TDateTime; const Am, Pm: string): string;
begin
  if VbHour(D) < 12 then
    Result := Am
  else
    Result := Pm;
end;

function Hour12(D: TDateTime): Integer;
begin
  Result := VbHour(D) mod 12;
  if Result = 0 then
    Result := 12;
end;

function HasAmPm(const Fmt: string): Boolean;
var
  L: string;
begin
  L := LowerCase(Fmt);
  Result := (Pos('am/pm', L) > 0) or (Pos('a/p', L) > 0) or (Pos('ampm', L) > 0);
end;

function FormatCustomDate(D: TDateTime; const Fmt: string; FirstDayOfWeek, FirstWeekOfYear: Integer): string;
var
  I, N, K: Integer;
  C: Char;
  Twelve, AfterHour: Boolean;
  Settings: TFormatSettings;
begin
  Settings := VbFormatSettings;
  Twelve := HasAmPm(Fmt);
  AfterHour := False;
  Result := '';
  I := 1;
  while I <= Length(Fmt) do
  begin
    C := Fmt[I];
    N := Run(Fmt, I);
    case C of
      'd', 'D':
        begin
          case N of
            1: Result := Result + IntToStr(VbDay(D));
            2: Result := Result + Format('%.2d', [VbDay(D)]);
            3: Result := Result + Settings.ShortDayNames[VbWeekday(D)];
            4: Result := Result + Settings.LongDayNames[VbWeekday(D)];
            5: Result := Result + FormatCustomDate(D, 'm/d/yyyy', 1, 1);
          else
            Result := Result + FormatCustomDate(D, 'dddd, mmmm d, yyyy', 1, 1);
            N := 6;
          end;
          Inc(I, N);
          Continue;
        end;
      'w', 'W':
        begin
          if N >= 2 then
          begin
            Result := Result + IntToStr(VbDatePart('ww', D, FirstDayOfWeek, FirstWeekOfYear));
            N := 2;
          end
          else
            Result := Result + IntToStr(VbWeekday(D, FirstDayOfWeek));
          Inc(I, N);
          Continue;
        end;
      'm', 'M':
        begin
          if AfterHour and (N <= 2) then
          begin
            if N = 1 then
              Result := Result + IntToStr(VbMinute(D))
            else
              Result := Result + Format('%.2d', [VbMinute(D)]);
          end
          else
            case N of
              1: Result := Result + IntToStr(VbMonth(D));
              2: Result := Result + Format('%.2d', [VbMonth(D)]);
              3: Result := Result + Settings.ShortMonthNames[VbMonth(D)];
            else
              Result := Result + Settings.LongMonthNames[VbMonth(D)];
              N := 4;
            end;
          AfterHour := False;
          Inc(I, N);
          Continue;
        end;
      'q', 'Q': Result := Result + IntToStr(VbDatePart('q', D));
      'y', 'Y':
        begin
          if N >= 4 then
          begin
            Result := Result + Format('%.4d', [VbYear(D)]);
            N := 4;
          end
          else if N >= 2 then
          begin
            Result := Result + Format('%.2d', [VbYear(D) mod 100]);
            N := 2;
          end
          else
            Result := Result + IntToStr(VbDatePart('y', D));
          Inc(I, N);
          Continue;
        end;
      'h', 'H':
        begin
          if Twelve then
            K := Hour12(D)
          else
            K := VbHour(D);
          if N >= 2 then
          begin
            Result := Result + Format('%.2d', [K]);
            N := 2;
          end
          else
            Result := Result + IntToStr(K);
          AfterHour := True;
          Inc(I, N);
          Continue;
        end;
      'n', 'N':
        begin
          if N >= 2 then
          begin
            Result := Result + Format('%.2d', [VbMinute(D)]);
            N := 2;
          end
          else
            Result := Result + IntToStr(VbMinute(D));
          Inc(I, N);
          Continue;
        end;
      's', 'S':
        begin
          if N >= 2 then
          begin
            Result := Result + Format('%.2d', [VbSecond(D)]);
            N := 2;
          end
          else
            Result := Result + IntToStr(VbSecond(D));
          AfterHour := False;
          Inc(I, N);
          Continue;
        end;
      't', 'T':
        if N >= 5 then
        begin
          Result := Result + FormatCustomDate(D, 'h:nn:ss AM/PM', 1, 1);
          Inc(I, 5);
          Continue;
        end
        else
          Result := Result + C;
      'a', 'A':
        if LowerAt(Fmt, I, 'am/pm') then
        begin
          if C = 'A' then
            Result := Result + AmPm(D, 'AM', 'PM')
          else
            Result := Result + AmPm(D, 'am', 'pm');
          Inc(I, 5);
          Continue;
        end
        else if LowerAt(Fmt, I, 'a/p') then
        begin
          if C = 'A' then
            Result := Result + AmPm(D, 'A', 'P')
          else
            Result := Result + AmPm(D, 'a', 'p');
          Inc(I, 3);
          Continue;
        end
        else if LowerAt(Fmt, I, 'ampm') then
        begin
          Result := Result + AmPm(D, 'AM', 'PM');
          Inc(I, 4);
          Continue;
        end
        else
          Result := Result + C;
      'c', 'C': Result := Result + VbDateToStr(D);
      '\':
        begin
          if I < Length(Fmt) then
            Result := Result + Fmt[I + 1];
          Inc(I, 2);
          Continue;
        end;
      '"':
        begin
          K := I + 1;
          while (K <= Length(Fmt)) and (Fmt[K] <> '"') do
            Inc(K);
          Result := Result + Copy(Fmt, I + 1, K - I - 1);
          I := K + 1;
          Continue;
        end;
    else
      Result := Result + C;
    end;
    Inc(I);
  end;
end;

function LooksLikeDateFormat(const Fmt: string): Boolean;
var
  I: Integer;
  Quoted: Boolean;
begin
  Quoted := False;
  Result := False;
  I := 1;
  while I <= Length(Fmt) do
  begin
    if Fmt[I] = '"' then
      Quoted := not Quoted
    else if not Quoted then
      case Fmt[I] of
        '\': Inc(I);
        '0', '#': Exit(False);
        'd', 'D', 'm', 'M', 'y', 'Y', 'h', 'H', 'n', 'N', 's', 'S', 'w', 'W', 'q', 'Q', 'c', 'C', 't', 'T':
          Result := True;
      end;
    Inc(I);
  end;
end;

{ ---- strings ---- }

function FormatString(const S, Fmt: string): string;
var
  Body: string;
  I, Count, Index: Integer;
  FromLeft, Upper, Lower: Boolean;
begin
  Upper := Pos('>', Fmt) > 0;
  Lower := Pos('<', Fmt) > 0;
  FromLeft := Pos('!', Fmt) > 0;
  Body := '';
  Count := 0;
  for I := 1 to Length(Fmt) do
    if CharInSet(Fmt[I], ['@', '&']) then
      Inc(Count);
  if Count = 0 then
    Result := S
  else
  begin
    Result := '';
    if FromLeft then
      Index := 1
    else
      Index := Length(S) - Count + 1;
    { characters beyond the placeholders go with the first one }
    if (not FromLeft) and (Index > 1) then
    begin
      Body := Copy(S, 1, Index - 1);
    end;
    for I := 1 to Length(Fmt) do
      case Fmt[I] of
        '@', '&':
          begin
            Result := Result + Body;
            Body := '';
            if (Index >= 1) and (Index <= Length(S)) then
              Result := Result + S[Index]
            else if Fmt[I] = '@' then
              Result := Result + ' ';
            Inc(Index);
          end;
        '<', '>', '!': ;
      else
        Result := Result + Fmt[I];
      end;
    if FromLeft and (Index <= Length(S)) then
      Result := Result + Copy(S, Index, MaxInt);
  end;
  if Upper then
    Result := VbUCase(Result)
  else if Lower then
    Result := VbLCase(Result);
end;

function IsStringFormat(const Fmt: string): Boolean;
var
  I: Integer;
begin
  for I := 1 to Length(Fmt) do
    if not CharInSet(Fmt[I], ['@', '&', '<', '>', '!', ' ', '-', '(', ')', '/', ':']) then
      Exit(False);
  Result := Fmt <> '';
end;

{ ---- entry points ---- }

function NamedFormat(const Value: Variant; const Name: string; out Text: string): Boolean;
var
  X: Double;
begin
  Result := True;
  if SameText(Name, 'General Date') then Text := VbDateToStr(VbCDate(Value))
  else if SameText(Name, 'Long Date') then Text := FormatCustomDate(VbCDate(Value), 'dddd, mmmm d, yyyy', 1, 1)
  else if SameText(Name, 'Medium Date') then Text := FormatCustomDate(VbCDate(Value), 'dd-mmm-yy', 1, 1)
  else if SameText(Name, 'Short Date') then Text := FormatCustomDate(VbCDate(Value), 'm/d/yyyy', 1, 1)
  else if SameText(Name, 'Long Time') then Text := FormatCustomDate(VbCDate(Value), 'h:nn:ss AM/PM', 1, 1)
  else if SameText(Name, 'Medium Time') then Text := FormatCustomDate(VbCDate(Value), 'hh:nn AM/PM', 1, 1)
  else if SameText(Name, 'Short Time') then Text := FormatCustomDate(VbCDate(Value), 'hh:nn', 1, 1)
  else
  begin
    if SameText(Name, 'General Number') or SameText(Name, 'Currency') or SameText(Name, 'Fixed') or
      SameText(Name, 'Standard') or SameText(Name, 'Percent') or SameText(Name, 'Scientific') or
      SameText(Name, 'Yes/No') or SameText(Name, 'True/False') or SameText(Name, 'On/Off') then
    begin
      if not VbTryStrToNumber(VbCStr(Value), X) then
        X := VbCDbl(Value);
    end
    else
      Exit(False);
    if SameText(Name, 'General Number') then Text := VbFloatToStr(X)
    else if SameText(Name, 'Currency') then Text := NumberText(X, 2, -1, -1, -1, True, '$', '')
    else if SameText(Name, 'Fixed') then Text := NumberText(X, 2, -1, 0, 0, False, '', '')
    else if SameText(Name, 'Standard') then Text := NumberText(X, 2, -1, 0, -1, False, '', '')
    else if SameText(Name, 'Percent') then Text := NumberText(X * 100, 2, -1, 0, 0, False, '', '%')
    else if SameText(Name, 'Scientific') then Text := ScientificText(X, 2)
    else if SameText(Name, 'Yes/No') then begin if X <> 0 then Text := 'Yes' else Text := 'No'; end
    else if SameText(Name, 'True/False') then begin if X <> 0 then Text := 'True' else Text := 'False'; end
    else if X <> 0 then Text := 'On' else Text := 'Off';
  end;
end;

function VbFormat(const Expression: Variant; const Fmt: string; FirstDayOfWeek, FirstWeekOfYear: Integer): string;
var
  X: Double;
  D: TDateTime;
begin
  if VarIsNull(Expression) then
  begin
    if (Fmt <> '') and not LooksLikeDateFormat(Fmt) and not IsStringFormat(Fmt) then
      Exit(FormatCustomNumber(0, True, Fmt));
    Exit('');
  end;
  if Fmt = '' then
  begin
    if VarIsEmpty(Expression) then
      Exit('');
    Exit(VbCStr(Expression));
  end;
  if NamedFormat(Expression, Fmt, Result) then
    Exit;
  if IsStringFormat(Fmt) then
    Exit(FormatString(VbCStr(Expression), Fmt));
  if LooksLikeDateFormat(Fmt) then
  begin
    if VbIsStringVar(Expression) and not VbTryStrToDate(VarToStr(Expression), D) then
    begin
      if not VbTryStrToNumber(VarToStr(Expression), X) then
        Exit(VarToStr(Expression));
      D := X;
    end
    else
      D := VbCDate(Expression);
    Exit(FormatCustomDate(D, Fmt, FirstDayOfWeek, FirstWeekOfYear));
  end;
  if VbIsStringVar(Expression) and not VbTryStrToNumber(VarToStr(Expression), X) then
    Exit(VarToStr(Expression));
  if VarType(Expression) = varBoolean then
    X := VbToDouble(Expression)
  else
    X := VbCDbl(Expression);
  Result := FormatCustomNumber(X, False, Fmt);
end;

function VbFormatDateTime(const Expression: Variant; NamedFormat: Integer): string;
var
  D: TDateTime;
begin
  D := VbCDate(Expression);
  case NamedFormat of
    0: Result := VbDateToStr(D);
    1: Result := FormatCustomDate(D, 'dddd, mmmm d, yyyy', 1, 1);
    2: Result := FormatCustomDate(D, 'm/d/yyyy', 1, 1);
    3: Result := FormatCustomDate(D, 'h:nn:ss AM/PM', 1, 1);
    4: Result := FormatCustomDate(D, 'hh:nn', 1, 1);
  else
    VbRaiseError(5);
  end;
end;

end.
