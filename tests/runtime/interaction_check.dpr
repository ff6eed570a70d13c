{$IFDEF FPC}{$MODE DelphiUnicode}{$ENDIF}
{ Compiled against the LCL only: MsgBox and InputBox need a display to run. }
program interaction_check;

uses
  {$IFDEF FPC}Interfaces,{$ENDIF} Forms, VrConstants, VrInteraction, VrSystem;

begin
  Application.Initialize;
  if ParamCount > 0 then
    if VbMsgBox(VbInputBox('Name?', 'Check', 'x'), vbYesNo or vbQuestion) = vbYes then
      VbDoEvents;
end.
