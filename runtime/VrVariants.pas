{$IFDEF FPC}{$MODE DelphiUnicode}{$ENDIF}
{ VB's Variant helpers: the Is... tests, VarType and TypeName with VB's numbers and names, & with VB's
  Null rules, Boolean as a number (True is -1), IIf, and the Missing marker of omitted Optional
  Variant parameters. }
unit VrVariants;

interface

function VbIsEmpty(const V: Variant): Boolean;
function VbIsNull(const V: Variant): Boolean;
function VbIsNumeric(const V: Variant): Boolean;
function VbIsDate(const V: Variant): Boolean;
function VbIsArray(const V: Variant): Boolean;
function VbIsObject(const V: Variant): Boolean;
function VbIsError(const V: Variant): Boolean;
{ An omitted Optional Variant parameter holds VbMissing; IsMissing tests it. }
function VbMissing: Variant;
function VbIsMissing(const V: Variant): Boolean;
function VbVarType(const V: Variant): SmallInt;
function VbTypeName(const V: Variant): string;
{ A & B: Null & Null is Null, otherwise Null and Empty count as "". }
function VbConcat(const A, B: Variant): Variant;
function VbBoolToNum(B: Boolean): SmallInt;
{ +, - and * on Variants as VB does them: Null gives Null, Empty counts as 0 (or "" beside a string),
  True as -1, two strings + concatenate, a string beside a number is read as a Double; the result has
  the wider operand type (Byte, Integer, Long, Single, Double; Currency; Date for date arithmetic) and
  widens to the next type instead of overflowing. }
function VbAdd(const A, B: Variant): Variant;
function VbSub(const A, B: Variant): Variant;
function VbMul(const A, B: Variant): Variant;
function VbNeg(const A: Variant): Variant;
function VbIIf(Condition: Boolean; const TruePart, FalsePart: Variant): Variant;
{ Array(...): a Variant array from index 0. }
function VbArray(const Items: array of Variant): Variant;
{ Choose(Index, ...): the Index-th choice from 1, Null when there is none. }
function VbChoose(Index: LongInt; const Choices: array of Variant): Variant;
{ Switch(condition, value, ...): the value after the first true condition, Null when none is. }
function VbSwitch(const Pairs: array of Variant): Variant;

implementation

uses
  SysUtils, Variants, VrErrors, VrConvert;

const
  ParamNotFound = LongWord($80020004);

function VbIsEmpty(const V: Variant): Boolean;
begin
  Result := VarIsEmpty(V);
end;

function VbIsNull(const V: Variant): Boolean;
begin
  Result := VarIsNull(V);
end;

function VbIsNumeric(const V: Variant): Boolean;
var
  X: Double;
begin
  case VarType(V) of
    varEmpty, varBoolean, varSingle, varDouble, varCurrency: Result := True;
  else
    Result := VbIsIntegerVarType(VarType(V)) or (VbIsStringVar(V) and VbTryStrToNumber(VarToStr(V), X));
  end;
end;

function VbIsDate(const V: Variant): Boolean;
var
  D: TDateTime;
begin
  if VarType(V) = varDate then
    Exit(True);
  Result := VbIsStringVar(V) and VbTryStrToDate(VarToStr(V), D);
end;

function VbIsArray(const V: Variant): Boolean;
begin
  Result := VarIsArray(V);
end;

function VbIsObject(const V: Variant): Boolean;
begin
  Result := VarType(V) in [varDispatch, varUnknown];
end;

function VbIsError(const V: Variant): Boolean;
begin
  Result := VarType(V) = varError;
end;

function VbMissing: Variant;
begin
  VarClear(Result);
  TVarData(Result).VType := varError;
  TVarData(Result).VError := HRESULT(ParamNotFound);
end;

function VbIsMissing(const V: Variant): Boolean;
begin
  Result := (VarType(V) = varError) and (LongWord(TVarData(V).VError) = ParamNotFound);
end;

function BaseVarType(VT: TVarType): SmallInt;
begin
  case VT of
    varShortInt, varSmallint: Result := 2;
    varInteger: Result := 3;
    varWord, varLongWord, varInt64: Result := 3;
    varString, varOleStr, varUString: Result := 8;
    varUnknown: Result := 9;
    varByte: Result := 17;
  else
    if VbIsIntegerVarType(VT) then
      Result := 3
    else
      Result := VT;
  end;
end;

{ An object's VB class name: its Pascal class name without the T (TVb for the runtime's own). }
function ObjectTypeName(const V: Variant): string;
var
  Instance: TObject;
begin
  if TVarData(V).VUnknown = nil then
    Exit('Nothing');
  Instance := IInterface(TVarData(V).VUnknown) as TObject;
  Result := Instance.ClassName;
  if Copy(Result, 1, 3) = 'TVb' then
    Delete(Result, 1, 3)
  else if (Length(Result) > 1) and (Result[1] = 'T') then
    Delete(Result, 1, 1);
end;

function VbVarType(const V: Variant): SmallInt;
var
  VT: TVarType;
begin
  VT := VarType(V);
  if VT and varArray <> 0 then
    Result := 8192 or BaseVarType(VT and varTypeMask)
  else
    Result := BaseVarType(VT);
end;

function VbTypeName(const V: Variant): string;
var
  VT: TVarType;
begin
  VT := VarType(V);
  case BaseVarType(VT and varTypeMask) of
    0: Result := 'Empty';
    1: Result := 'Null';
    2: Result := 'Integer';
    3: Result := 'Long';
    4: Result := 'Single';
    5: Result := 'Double';
    6: Result := 'Currency';
    7: Result := 'Date';
    8: Result := 'String';
    9: Result := ObjectTypeName(V);
    10: Result := 'Error';
    11: Result := 'Boolean';
    12: Result := 'Variant';
    14: Result := 'Decimal';
    17: Result := 'Byte';
  else
    Result := 'Unknown';
  end;
  if VT and varArray <> 0 then
    Result := Result + '()';
end;

function VbConcat(const A, B: Variant): Variant;
begin
  if VarIsNull(A) and VarIsNull(B) then
    Exit(Null);
  Result := '';
  if not VarIsNull(A) then
    Result := VbCStr(A);
  if not VarIsNull(B) then
    Result := VarToStr(Result) + VbCStr(B);
end;

function VbBoolToNum(B: Boolean): SmallInt;
begin
  if B then
    Result := -1
  else
    Result := 0;
end;

function VbIIf(Condition: Boolean; const TruePart, FalsePart: Variant): Variant;
begin
  if Condition then
    Result := TruePart
  else
    Result := FalsePart;
end;

function VbArray(const Items: array of Variant): Variant;
var
  I: Integer;
begin
  Result := VarArrayCreate([0, High(Items)], varVariant);
  for I := 0 to High(Items) do
    Result[I] := Items[I];
end;

function VbChoose(Index: LongInt; const Choices: array of Variant): Variant;
begin
  if (Index < 1) or (Index > Length(Choices)) then
    Result := Null
  else
    Result := Choices[Index - 1];
end;

function VbSwitch(const Pairs: array of Variant): Variant;
var
  I: Integer;
begin
  if Odd(Length(Pairs)) then
    VbRaiseError(5);
  I := 0;
  while I < High(Pairs) do
  begin
    if VbCBool(Pairs[I]) then
      Exit(Pairs[I + 1]);
    Inc(I, 2);
  end;
  Result := Null;
end;

type
  TArith = (arAdd, arSub, arMul);
  TRank = (rkByte, rkInteger, rkLong, rkSingle, rkDouble, rkCurrency, rkDate);

function RankOf(const V: Variant): TRank;
begin
  case VarType(V) of
    varByte: Result := rkByte;
    varEmpty, varBoolean, varSmallint, varShortInt: Result := rkInteger;
    varSingle: Result := rkSingle;
    varCurrency: Result := rkCurrency;
    varDate: Result := rkDate;
  else
    if VbIsIntegerVarType(VarType(V)) then
      Result := rkLong
    else
      Result := rkDouble;
  end;
end;

function Operand(const V: Variant): Variant;
begin
  if VarIsEmpty(V) then
    Result := SmallInt(0)
  else if VarType(V) = varBoolean then
    Result := VbBoolToNum(V)
  else if VbIsStringVar(V) then
    Result := VbToDouble(V)
  else
    Result := V;
end;

function IntegerOfRank(Value: Int64; Rank: TRank): Variant;
var
  Wide: Double;
begin
  if (Rank = rkByte) and (Value >= 0) and (Value <= 255) then
    Result := Byte(Value)
  else if (Rank <= rkInteger) and (Value >= -32768) and (Value <= 32767) then
    Result := SmallInt(Value)
  else if (Value >= Low(LongInt)) and (Value <= High(LongInt)) then
    Result := LongInt(Value)
  else
  begin
    Wide := Value;
    Result := Wide;
  end;
end;

function Arith(Op: TArith; const A, B: Variant): Variant;
var
  X, Y: Variant;
  Rank: TRank;
  R: Double;
  I: Int64;
  C: Currency;
begin
  if VarIsNull(A) or VarIsNull(B) then
    Exit(Null);
  if (Op = arAdd) and VbIsStringVar(A) and (VbIsStringVar(B) or VarIsEmpty(B)) then
    Exit(VarToStr(A) + VarToStr(B));
  if (Op = arAdd) and VarIsEmpty(A) and VbIsStringVar(B) then
    Exit(VarToStr(B));
  X := Operand(A);
  Y := Operand(B);
  Rank := RankOf(X);
  if RankOf(Y) > Rank then
    Rank := RankOf(Y);
  { Single beside Long widens to Double }
  if (Rank = rkSingle) and ((RankOf(X) = rkLong) or (RankOf(Y) = rkLong)) then
    Rank := rkDouble;
  case Rank of
    rkByte, rkInteger, rkLong:
      begin
        case Op of
          arAdd: I := Int64(X) + Int64(Y);
          arSub: I := Int64(X) - Int64(Y);
        else
          I := Int64(X) * Int64(Y);
        end;
        Result := IntegerOfRank(I, Rank);
      end;
    rkCurrency:
      begin
        case Op of
          arAdd: C := VbCCur(X) + VbCCur(Y);
          arSub: C := VbCCur(X) - VbCCur(Y);
        else
          C := VbCCur(X) * VbCCur(Y);
        end;
        Result := C;
      end;
  else
    begin
      case Op of
        arAdd: R := VbToDouble(X) + VbToDouble(Y);
        arSub: R := VbToDouble(X) - VbToDouble(Y);
      else
        R := VbToDouble(X) * VbToDouble(Y);
      end;
      if (Rank = rkDate) and (Op <> arMul) and not ((Op = arSub) and (RankOf(X) = rkDate) and (RankOf(Y) = rkDate)) then
        Result := VarFromDateTime(R)
      else if (Rank = rkSingle) and (Abs(R) <= 3.402823466E38) then
        Result := VbSingleVar(R)
      else
        Result := R;
    end;
  end;
end;

function VbAdd(const A, B: Variant): Variant;
begin
  Result := Arith(arAdd, A, B);
end;

function VbSub(const A, B: Variant): Variant;
begin
  Result := Arith(arSub, A, B);
end;

function VbMul(const A, B: Variant): Variant;
begin
  Result := Arith(arMul, A, B);
end;

function VbNeg(const A: Variant): Variant;
begin
  Result := Arith(arSub, SmallInt(0), A);
end;

end.
