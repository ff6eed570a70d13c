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

function IsStringType(VT: TVarType): Boolean;
begin
  Result := (VT = varString) or (VT = varOleStr) or (VT = varUString);
end;

function VbIsNumeric(const V: Variant): Boolean;
var
  X: Double;
begin
  case VarType(V) of
    varEmpty, varBoolean, varSmallint, varInteger, varSingle, varDouble, varCurrency, varShortInt,
    varByte, varWord, varLongWord, varInt64, varQWord: Result := True;
  else
    Result := IsStringType(VarType(V)) and VbTryStrToNumber(VarToStr(V), X);
  end;
end;

function VbIsDate(const V: Variant): Boolean;
var
  D: TDateTime;
begin
  if VarType(V) = varDate then
    Exit(True);
  Result := IsStringType(VarType(V)) and VbTryStrToDate(VarToStr(V), D);
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
    varWord, varLongWord, varInt64, varQWord: Result := 3;
    varString, varOleStr, varUString: Result := 8;
    varUnknown: Result := 9;
    varByte: Result := 17;
  else
    Result := VT;
  end;
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
    9: if VarType(V) = varDispatch then
         if TVarData(V).VDispatch = nil then Result := 'Nothing' else Result := 'Object'
       else if TVarData(V).VUnknown = nil then
         Result := 'Nothing'
       else
         Result := 'Unknown';
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

end.
