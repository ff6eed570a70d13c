{$IFDEF FPC}{$MODE DelphiUnicode}{$ENDIF}
{ MsgBox and InputBox on the LCL's (or VCL's) dialogs; the only runtime unit that needs the GUI, so
  console programs never link it. Using it also lets DoEvents process the window's messages. }
unit VrInteraction;

interface

function VbMsgBox(const Prompt: Variant; Buttons: LongInt = 0; const Title: string = ''): SmallInt;
function VbInputBox(const Prompt: Variant; const Title: string = ''; const Default: string = ''): string;

implementation

uses
  SysUtils, Forms, Controls, Dialogs, Variants, VrConvert, VrSystem;

function ResultOfModal(Modal: Integer): SmallInt;
begin
  case Modal of
    mrOk: Result := 1;
    mrCancel: Result := 2;
    mrAbort: Result := 3;
    mrRetry: Result := 4;
    mrIgnore: Result := 5;
    mrYes: Result := 6;
    mrNo: Result := 7;
  else
    Result := 2;
  end;
end;

function VbMsgBox(const Prompt: Variant; Buttons: LongInt; const Title: string): SmallInt;
var
  Kind: TMsgDlgType;
  Choice: TMsgDlgButtons;
begin
  case Buttons and $70 of
    16: Kind := mtError;
    32: Kind := mtConfirmation;
    48: Kind := mtWarning;
    64: Kind := mtInformation;
  else
    Kind := mtCustom;
  end;
  case Buttons and 7 of
    1: Choice := [mbOK, mbCancel];
    2: Choice := [mbAbort, mbRetry, mbIgnore];
    3: Choice := [mbYes, mbNo, mbCancel];
    4: Choice := [mbYes, mbNo];
    5: Choice := [mbRetry, mbCancel];
  else
    Choice := [mbOK];
  end;
  with CreateMessageDialog(VbCStr(Prompt), Kind, Choice) do
  try
    Caption := Title;
    if Title = '' then
      Caption := VbApp.Title;
    Result := ResultOfModal(ShowModal);
  finally
    Free;
  end;
end;

function VbInputBox(const Prompt: Variant; const Title, Default: string): string;
var
  Caption: string;
  { the LCL's strings are UTF-8 AnsiStrings, the VCL's UTF-16 }
  Value: {$IFDEF FPC}AnsiString{$ELSE}string{$ENDIF};
begin
  Caption := Title;
  if Caption = '' then
    Caption := VbApp.Title;
  Value := Default;
  if InputQuery({$IFDEF FPC}AnsiString(Caption), AnsiString(VbCStr(Prompt)){$ELSE}Caption, VbCStr(Prompt){$ENDIF}, Value) then
    Result := Value
  else
    Result := '';
end;

procedure ProcessMessages;
begin
  Application.ProcessMessages;
end;

initialization
  VbProcessMessagesHook := ProcessMessages;

end.
