{$IFDEF FPC}{$MODE DelphiUnicode}{$ENDIF}
{ VB's print list (Debug.Print, Print #): each item is followed by one separator character, ';' (the
  next item follows at once), ',' (the next item starts at the next 14-column print zone) or ' ' (end of
  the list). A list ending in ';' or ',' leaves the line open. Numbers print with a leading space for the
  sign and one trailing space; Spc(n) and Tab(n) are items made by VbSpc and VbTab. }
unit VrPrintList;

interface

type
  { The column (0-based) of an output line being printed, kept between statements. }
  TVbPrintState = record
    Column: LongInt;
  end;

const
  VbPrintZoneWidth = 14;

{ Print items Spc(N) and Tab(N); Tab without a column (the next print zone) is VbTab(-1). }
function VbSpc(N: LongInt): Variant;
function VbTab(Column: LongInt): Variant;
{ The text one print item shows (numbers padded with the sign space and a trailing space). }
function VbPrintItemText(const Item: Variant): string;
{ The text a print statement writes, line break included (#13#10 when LineBreak is that), updating
  the column. }
function VbFormatPrintList(var State: TVbPrintState; const Items: array of Variant; const Seps: string;
  const LineBreak: string): string;

implementation

uses
  SysUtils, Variants, VrConvert;

const
  SpcMarker = LongInt($7E000000);
  TabMarker = LongInt($7D000000);
  MarkerMask = LongInt($7F000000);
  ZoneMarker = LongInt($7DFFFFFF);

function Marker(Kind, N: LongInt): Variant;
begin
  if N < 0 then
    N := 0;
  if N > $FFFF then
    N := $FFFF;
  VarClear(Result);
  TVarData(Result).VType := varError;
  TVarData(Result).VError := Kind or N;
end;

function VbSpc(N: LongInt): Variant;
begin
  Result := Marker(SpcMarker, N);
end;

function VbTab(Column: LongInt): Variant;
begin
  if Column < 0 then
  begin
    VarClear(Result);
    TVarData(Result).VType := varError;
    TVarData(Result).VError := ZoneMarker;
  end
  else
    Result := Marker(TabMarker, Column);
end;

function IsMarker(const Item: Variant; Kind: LongInt): Boolean;
begin
  Result := (VarType(Item) = varError) and (TVarData(Item).VError and MarkerMask = Kind);
end;

function VbPrintItemText(const Item: Variant): string;
begin
  case VarType(Item) of
    varEmpty: Result := '';
    varNull: Result := 'Null';
    varBoolean, varDate: Result := VbCStr(Item);
    varError: Result := 'Error ' + IntToStr(TVarData(Item).VError);
  else
    Result := VbCStr(Item);
    if (VarType(Item) in [varSingle, varDouble, varCurrency]) or VbIsIntegerVarType(VarType(Item)) then
    begin
      Result := VbNoLeadingZero(Result);
      if Result[1] <> '-' then
        Result := ' ' + Result;
      Result := Result + ' ';
    end;
  end;
end;

function VbFormatPrintList(var State: TVbPrintState; const Items: array of Variant; const Seps: string;
  const LineBreak: string): string;
var
  I, Target: LongInt;
  Sep: Char;
  Text: string;

  procedure Emit(const S: string);
  begin
    Result := Result + S;
    Inc(State.Column, Length(S));
  end;

  procedure NewLine;
  begin
    Result := Result + LineBreak;
    State.Column := 0;
  end;

begin
  Result := '';
  Sep := ' ';
  for I := 0 to High(Items) do
  begin
    if (VarType(Items[I]) = varError) and (TVarData(Items[I]).VError = ZoneMarker) then
    begin
      Emit(StringOfChar(' ', (State.Column div VbPrintZoneWidth + 1) * VbPrintZoneWidth - State.Column));
    end
    else if IsMarker(Items[I], SpcMarker) then
      Emit(StringOfChar(' ', TVarData(Items[I]).VError and $FFFF))
    else if IsMarker(Items[I], TabMarker) then
    begin
      Target := TVarData(Items[I]).VError and $FFFF;
      if Target < 1 then
        Target := 1;
      if State.Column > Target - 1 then
        NewLine;
      Emit(StringOfChar(' ', Target - 1 - State.Column));
    end
    else
    begin
      Text := VbPrintItemText(Items[I]);
      Emit(Text);
    end;
    if I < Length(Seps) then
      Sep := Seps[I + 1]
    else
      Sep := ' ';
    if Sep = ',' then
      Emit(StringOfChar(' ', (State.Column div VbPrintZoneWidth + 1) * VbPrintZoneWidth - State.Column));
  end;
  if Length(Items) = 0 then
    Sep := ' ';
  if not CharInSet(Sep, [';', ',']) then
    NewLine;
end;

end.
