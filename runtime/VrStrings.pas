{$IFDEF FPC}{$MODE DelphiUnicode}{$ENDIF}
{ VB's string functions on UTF-16 strings, 1-based as in VB. Compare arguments take vbBinaryCompare (0)
  or vbTextCompare (1); text comparison ignores case as VB does on an English system. Character codes
  of Asc and Chr are those of Windows code page 1252. }
unit VrStrings;

interface

type
  TVbStringArray = array of string;

function VbLen(const S: string): LongInt;
{ LenB: the bytes of the string's UTF-16 form. }
function VbLenB(const S: string): LongInt;
function VbLeft(const S: string; Length: LongInt): string;
function VbRight(const S: string; Length: LongInt): string;
function VbMid(const S: string; Start: LongInt): string; overload;
function VbMid(const S: string; Start, Length: LongInt): string; overload;
{ The Mid statement: Mid(S, Start[, Length]) = Replacement. Length < 0 means omitted. }
procedure VbMidAssign(var S: string; Start: LongInt; const Replacement: string; Length: LongInt = -1);
function VbInStr(const S1, S2: string): LongInt; overload;
function VbInStr(Start: LongInt; const S1, S2: string; Compare: Integer = 0): LongInt; overload;
function VbInStrRev(const S, Find: string; Start: LongInt = -1; Compare: Integer = 0): LongInt;
function VbReplace(const Expression, Find, Replacement: string; Start: LongInt = 1; Count: LongInt = -1;
  Compare: Integer = 0): string;
function VbSplit(const Expression: string; const Delimiter: string = ' '; Limit: LongInt = -1;
  Compare: Integer = 0): TVbStringArray;
function VbJoin(const SourceArray: TVbStringArray; const Delimiter: string = ' '): string; overload;
function VbJoin(const SourceArray: Variant; const Delimiter: string = ' '): string; overload;
function VbFilter(const SourceArray: TVbStringArray; const Match: string; Include: Boolean = True;
  Compare: Integer = 0): TVbStringArray; overload;
function VbFilter(const SourceArray: Variant; const Match: string; Include: Boolean = True;
  Compare: Integer = 0): TVbStringArray; overload;
function VbLTrim(const S: string): string;
function VbRTrim(const S: string): string;
function VbTrim(const S: string): string;
function VbLCase(const S: string): string;
function VbUCase(const S: string): string;
function VbSpace(Number: LongInt): string;
function VbString(Number: LongInt; const Character: string): string; overload;
function VbString(Number: LongInt; CharCode: LongInt): string; overload;
function VbString(Number: LongInt; const Character: Variant): string; overload;
function VbStrReverse(const S: string): string;
function VbStrComp(const S1, S2: string; Compare: Integer = 0): SmallInt;
function VbStrConv(const S: string; Conversion: LongInt): string;
function VbAsc(const S: string): SmallInt;
function VbAscW(const S: string): SmallInt;
function VbChr(CharCode: LongInt): string;
function VbChrW(CharCode: LongInt): string;
{ Windows code page 1252: a character's byte ('?' when it has none) and a byte's character. }
function VbAnsiByteOf(C: Char): Byte;
function VbAnsiCharOf(B: Byte): Char;
{ The Like operator; CompareText for modules with Option Compare Text. }
function VbLike(const S, Pattern: string; CompareText: Boolean = False): Boolean;
{ String comparison operators (=, <, > ...) under Option Compare Binary or Text: -1, 0 or 1. }
function VbCompareStrings(const S1, S2: string; CompareText: Boolean = False): Integer;

{ LSet and RSet of strings: Value left or right aligned in the length of Target, cut from the right. }
function VbLSet(const Target, Value: string): string;
function VbRSet(const Target, Value: string): string;

{ Fixed-length strings (Dim S As String * N): the value a declaration starts with (N null
  characters), and any assigned value cut or padded with spaces to N characters. }
function VbFixedStringInit(Length: LongInt): string;
function VbFixedString(const S: string; Length: LongInt): string;

implementation

uses
  SysUtils, Variants, VrErrors, VrConvert;

const
  { code page 1252 characters 128..159 }
  Cp1252High: array[128..159] of Word = ($20AC, $81, $201A, $0192, $201E, $2026, $2020, $2021, $02C6,
    $2030, $0160, $2039, $0152, $8D, $017D, $8F, $90, $2018, $2019, $201C, $201D, $2022, $2013, $2014,
    $02DC, $2122, $0161, $203A, $0153, $9D, $017E, $0178);

function FoldChar(C: Char): Char;
begin
  case C of
    'A'..'Z', #$C0..#$D6, #$D8..#$DE: Result := Char(Ord(C) + 32);
    #$0160, #$0152, #$017D: Result := Char(Ord(C) + 1);
    #$0178: Result := #$FF;
  else
    Result := C;
  end;
end;

function UpperChar(C: Char): Char;
begin
  case C of
    'a'..'z', #$E0..#$F6, #$F8..#$FE: Result := Char(Ord(C) - 32);
    #$0161, #$0153, #$017E: Result := Char(Ord(C) - 1);
    #$FF: Result := #$0178;
  else
    Result := C;
  end;
end;

function Repeated(C: Char; Count: LongInt): string;
var
  I: LongInt;
begin
  SetLength(Result, Count);
  for I := 1 to Count do
    Result[I] := C;
end;

function VbLCase(const S: string): string;
var
  I: Integer;
begin
  Result := S;
  for I := 1 to Length(Result) do
    Result[I] := FoldChar(Result[I]);
end;

function VbUCase(const S: string): string;
var
  I: Integer;
begin
  Result := S;
  for I := 1 to Length(Result) do
    Result[I] := UpperChar(Result[I]);
end;

function Folded(const S: string; Compare: Integer): string;
begin
  if Compare = 1 then
    Result := VbLCase(S)
  else
    Result := S;
end;

procedure CheckCompare(Compare: Integer);
begin
  if (Compare < -1) or (Compare > 2) then
    VbRaiseError(5);
end;

function VbLen(const S: string): LongInt;
begin
  Result := Length(S);
end;

function VbLenB(const S: string): LongInt;
begin
  Result := Length(S) * 2;
end;

function VbLeft(const S: string; Length: LongInt): string;
begin
  if Length < 0 then
    VbRaiseError(5);
  Result := Copy(S, 1, Length);
end;

function VbRight(const S: string; Length: LongInt): string;
begin
  if Length < 0 then
    VbRaiseError(5);
  if Length >= System.Length(S) then
    Result := S
  else
    Result := Copy(S, System.Length(S) - Length + 1, Length);
end;

function VbMid(const S: string; Start: LongInt): string;
begin
  if Start < 1 then
    VbRaiseError(5);
  Result := Copy(S, Start, MaxInt);
end;

function VbMid(const S: string; Start, Length: LongInt): string;
begin
  if (Start < 1) or (Length < 0) then
    VbRaiseError(5);
  Result := Copy(S, Start, Length);
end;

procedure VbMidAssign(var S: string; Start: LongInt; const Replacement: string; Length: LongInt);
var
  Count, I: LongInt;
begin
  if (Start < 1) or (Start > System.Length(S)) then
    VbRaiseError(5);
  Count := System.Length(Replacement);
  if (Length >= 0) and (Length < Count) then
    Count := Length;
  if Count > System.Length(S) - Start + 1 then
    Count := System.Length(S) - Start + 1;
  for I := 0 to Count - 1 do
    S[Start + I] := Replacement[I + 1];
end;

function VbInStr(const S1, S2: string): LongInt;
begin
  Result := VbInStr(1, S1, S2, 0);
end;

function VbInStr(Start: LongInt; const S1, S2: string; Compare: Integer): LongInt;
begin
  if Start < 1 then
    VbRaiseError(5);
  CheckCompare(Compare);
  if Start > Length(S1) then
    Exit(0);
  if S2 = '' then
    Exit(Start);
  Result := Pos(Folded(S2, Compare), Folded(S1, Compare), Start);
end;

function VbInStrRev(const S, Find: string; Start: LongInt; Compare: Integer): LongInt;
var
  Text, Target: string;
  I: LongInt;
begin
  if (Start = 0) or (Start < -1) then
    VbRaiseError(5);
  CheckCompare(Compare);
  if Start = -1 then
    Start := Length(S);
  if Start > Length(S) then
    Exit(0);
  if Find = '' then
    Exit(Start);
  Text := Folded(S, Compare);
  Target := Folded(Find, Compare);
  for I := Start - Length(Target) + 1 downto 1 do
    if CompareMem(@Text[I], @Target[1], Length(Target) * SizeOf(Char)) then
      Exit(I);
  Result := 0;
end;

function VbReplace(const Expression, Find, Replacement: string; Start, Count: LongInt;
  Compare: Integer): string;
var
  Text, Target: string;
  I, Done: LongInt;
begin
  if (Start < 1) or (Count < -1) then
    VbRaiseError(5);
  CheckCompare(Compare);
  if Start > Length(Expression) then
    Exit('');
  Result := '';
  if (Find = '') or (Count = 0) then
    Exit(Copy(Expression, Start, MaxInt));
  Text := Folded(Expression, Compare);
  Target := Folded(Find, Compare);
  I := Start;
  Done := 0;
  while I <= Length(Expression) do
  begin
    if ((Count = -1) or (Done < Count)) and (I + Length(Target) - 1 <= Length(Text)) and
      CompareMem(@Text[I], @Target[1], Length(Target) * SizeOf(Char)) then
    begin
      Result := Result + Replacement;
      Inc(I, Length(Target));
      Inc(Done);
    end
    else
    begin
      Result := Result + Expression[I];
      Inc(I);
    end;
  end;
end;

function VbSplit(const Expression, Delimiter: string; Limit: LongInt; Compare: Integer): TVbStringArray;
var
  Text, Target: string;
  Start, Found, N: LongInt;
begin
  if Limit < -1 then
    VbRaiseError(5);
  CheckCompare(Compare);
  SetLength(Result, 0);
  if (Expression = '') or (Limit = 0) then
    Exit;
  if Delimiter = '' then
  begin
    SetLength(Result, 1);
    Result[0] := Expression;
    Exit;
  end;
  Text := Folded(Expression, Compare);
  Target := Folded(Delimiter, Compare);
  Start := 1;
  N := 0;
  repeat
    if (Limit <> -1) and (N = Limit - 1) then
      Found := 0
    else
      Found := Pos(Target, Text, Start);
    SetLength(Result, N + 1);
    if Found = 0 then
      Result[N] := Copy(Expression, Start, MaxInt)
    else
      Result[N] := Copy(Expression, Start, Found - Start);
    Inc(N);
    Start := Found + Length(Target);
  until Found = 0;
end;

function VbJoin(const SourceArray: TVbStringArray; const Delimiter: string): string;
var
  I: Integer;
begin
  Result := '';
  for I := 0 to High(SourceArray) do
  begin
    if I > 0 then
      Result := Result + Delimiter;
    Result := Result + SourceArray[I];
  end;
end;

function VbJoin(const SourceArray: Variant; const Delimiter: string): string;
var
  I: Integer;
begin
  if not VarIsArray(SourceArray) or (VarArrayDimCount(SourceArray) <> 1) then
    VbRaiseError(13);
  Result := '';
  for I := VarArrayLowBound(SourceArray, 1) to VarArrayHighBound(SourceArray, 1) do
  begin
    if I > VarArrayLowBound(SourceArray, 1) then
      Result := Result + Delimiter;
    Result := Result + VarToStr(SourceArray[I]);
  end;
end;

function VbFilter(const SourceArray: TVbStringArray; const Match: string; Include: Boolean;
  Compare: Integer): TVbStringArray;
var
  I, N: Integer;
begin
  CheckCompare(Compare);
  SetLength(Result, Length(SourceArray));
  N := 0;
  for I := 0 to High(SourceArray) do
    if (VbInStr(1, SourceArray[I], Match, Compare) > 0) = Include then
    begin
      Result[N] := SourceArray[I];
      Inc(N);
    end;
  SetLength(Result, N);
end;

function VbFilter(const SourceArray: Variant; const Match: string; Include: Boolean;
  Compare: Integer): TVbStringArray;
var
  Items: TVbStringArray;
  I, Low: Integer;
begin
  if not VarIsArray(SourceArray) or (VarArrayDimCount(SourceArray) <> 1) then
    VbRaiseError(13);
  Low := VarArrayLowBound(SourceArray, 1);
  SetLength(Items, VarArrayHighBound(SourceArray, 1) - Low + 1);
  for I := 0 to High(Items) do
    Items[I] := VarToStr(SourceArray[Low + I]);
  Result := VbFilter(Items, Match, Include, Compare);
end;

function VbLTrim(const S: string): string;
var
  I: Integer;
begin
  I := 1;
  while (I <= Length(S)) and (S[I] = ' ') do
    Inc(I);
  Result := Copy(S, I, MaxInt);
end;

function VbRTrim(const S: string): string;
var
  I: Integer;
begin
  I := Length(S);
  while (I >= 1) and (S[I] = ' ') do
    Dec(I);
  Result := Copy(S, 1, I);
end;

function VbTrim(const S: string): string;
begin
  Result := VbLTrim(VbRTrim(S));
end;

function VbSpace(Number: LongInt): string;
begin
  if Number < 0 then
    VbRaiseError(5);
  Result := Repeated(' ', Number);
end;

function VbString(Number: LongInt; const Character: string): string;
begin
  if (Number < 0) or (Character = '') then
    VbRaiseError(5);
  Result := Repeated(Character[1], Number);
end;

function VbString(Number: LongInt; CharCode: LongInt): string;
begin
  if Number < 0 then
    VbRaiseError(5);
  Result := Repeated(VbChr(CharCode mod 256)[1], Number);
end;

function VbString(Number: LongInt; const Character: Variant): string;
begin
  if VarIsNull(Character) then
    VbRaiseError(94);
  if VbIsStringVar(Character) then
    Result := VbString(Number, VarToStr(Character))
  else
    Result := VbString(Number, LongInt(Character));
end;

function VbStrReverse(const S: string): string;
var
  I: Integer;
begin
  SetLength(Result, Length(S));
  for I := 1 to Length(S) do
    Result[I] := S[Length(S) - I + 1];
end;

function VbCompareStrings(const S1, S2: string; CompareText: Boolean): Integer;
var
  A, B: string;
  I: Integer;
begin
  if CompareText then
  begin
    A := VbLCase(S1);
    B := VbLCase(S2);
  end
  else
  begin
    A := S1;
    B := S2;
  end;
  for I := 1 to Length(A) do
  begin
    if I > Length(B) then
      Exit(1);
    if A[I] <> B[I] then
      if A[I] < B[I] then
        Exit(-1)
      else
        Exit(1);
  end;
  if Length(A) < Length(B) then
    Result := -1
  else
    Result := 0;
end;

function VbStrComp(const S1, S2: string; Compare: Integer): SmallInt;
begin
  CheckCompare(Compare);
  Result := VbCompareStrings(S1, S2, Compare = 1);
end;

function VbStrConv(const S: string; Conversion: LongInt): string;
var
  I: Integer;
  StartOfWord: Boolean;
begin
  case Conversion and 3 of
    1: Result := VbUCase(S);
    2: Result := VbLCase(S);
    3:
      begin
        Result := VbLCase(S);
        StartOfWord := True;
        for I := 1 to Length(Result) do
        begin
          if StartOfWord then
            Result[I] := UpperChar(Result[I]);
          StartOfWord := CharInSet(Result[I], [' ', #9, #10, #13, #0]);
        end;
      end;
  else
    Result := S;
  end;
  if Conversion and not (3 or 64 or 128) <> 0 then
    VbRaiseError(5);
end;

function VbAnsiByteOf(C: Char): Byte;
var
  I: Integer;
begin
  if (Ord(C) < 128) or ((Ord(C) >= 160) and (Ord(C) <= 255)) then
    Exit(Ord(C));
  for I := 128 to 159 do
    if Cp1252High[I] = Ord(C) then
      Exit(I);
  Result := Ord('?');
end;

function VbAnsiCharOf(B: Byte): Char;
begin
  if (B >= 128) and (B <= 159) then
    Result := Char(Cp1252High[B])
  else
    Result := Char(B);
end;

function VbAsc(const S: string): SmallInt;
begin
  if S = '' then
    VbRaiseError(5);
  Result := VbAnsiByteOf(S[1]);
end;

function VbAscW(const S: string): SmallInt;
begin
  if S = '' then
    VbRaiseError(5);
  Result := SmallInt(Ord(S[1]));
end;

function VbChr(CharCode: LongInt): string;
begin
  if (CharCode < -32768) or (CharCode > 65535) then
    VbRaiseError(5);
  CharCode := CharCode and $FFFF;
  if CharCode > 255 then
    VbRaiseError(5);
  Result := VbAnsiCharOf(CharCode);
end;

function VbChrW(CharCode: LongInt): string;
begin
  if (CharCode < -32768) or (CharCode > 65535) then
    VbRaiseError(5);
  Result := Char(CharCode and $FFFF);
end;

{ Like: ? one char, * any run, # one digit, [list] [!list] with ranges. }
function MatchClass(const Pattern: string; var P: Integer; C: Char; out Matched: Boolean): Boolean;
var
  Negate: Boolean;
  Lo, Hi: Char;
begin
  Inc(P);
  Negate := (P <= Length(Pattern)) and (Pattern[P] = '!');
  if Negate then
    Inc(P);
  Matched := False;
  while (P <= Length(Pattern)) and (Pattern[P] <> ']') do
  begin
    Lo := Pattern[P];
    Hi := Lo;
    if (P + 2 <= Length(Pattern)) and (Pattern[P + 1] = '-') and (Pattern[P + 2] <> ']') then
    begin
      Hi := Pattern[P + 2];
      Inc(P, 2);
      if Hi < Lo then
        VbRaiseError(93);
    end;
    if (C >= Lo) and (C <= Hi) then
      Matched := True;
    Inc(P);
  end;
  if P > Length(Pattern) then
    VbRaiseError(93);
  Inc(P);
  Matched := Matched <> Negate;
  Result := True;
end;

function LikeAt(const S, Pattern: string; SI, PI: Integer): Boolean;
var
  Matched: Boolean;
  P: Integer;
begin
  while PI <= Length(Pattern) do
  begin
    case Pattern[PI] of
      '*':
        begin
          while (PI <= Length(Pattern)) and (Pattern[PI] = '*') do
            Inc(PI);
          if PI > Length(Pattern) then
            Exit(True);
          while SI <= Length(S) + 1 do
          begin
            if LikeAt(S, Pattern, SI, PI) then
              Exit(True);
            Inc(SI);
          end;
          Exit(False);
        end;
      '?':
        if SI > Length(S) then
          Exit(False);
      '#':
        if (SI > Length(S)) or not CharInSet(S[SI], ['0'..'9']) then
          Exit(False);
      '[':
        begin
          if SI > Length(S) then
            Exit(False);
          P := PI;
          MatchClass(Pattern, P, S[SI], Matched);
          if not Matched then
            Exit(False);
          PI := P;
          Inc(SI);
          Continue;
        end;
    else
      if (SI > Length(S)) or (S[SI] <> Pattern[PI]) then
        Exit(False);
    end;
    Inc(SI);
    Inc(PI);
  end;
  Result := SI > Length(S);
end;

function VbLike(const S, Pattern: string; CompareText: Boolean): Boolean;
begin
  if CompareText then
    Result := LikeAt(VbLCase(S), VbLCase(Pattern), 1, 1)
  else
    Result := LikeAt(S, Pattern, 1, 1);
end;

function VbLSet(const Target, Value: string): string;
begin
  Result := Copy(Value, 1, Length(Target));
  Result := Result + Repeated(' ', Length(Target) - Length(Result));
end;

function VbRSet(const Target, Value: string): string;
begin
  Result := Copy(Value, 1, Length(Target));
  Result := Repeated(' ', Length(Target) - Length(Result)) + Result;
end;

function VbFixedStringInit(Length: LongInt): string;
begin
  Result := Repeated(#0, Length);
end;

function VbFixedString(const S: string; Length: LongInt): string;
begin
  if System.Length(S) >= Length then
    Result := Copy(S, 1, Length)
  else
    Result := S + Repeated(' ', Length - System.Length(S));
end;

end.
