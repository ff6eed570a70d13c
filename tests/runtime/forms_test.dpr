{$IFDEF FPC}{$MODE DelphiUnicode}{$ENDIF}
{ The forms runtime on live LCL controls (run under Xvfb), then a main form closed by the
  VELDRANE_CLOSE_AFTER_MS hook: the driver expects its "shown" line and exit status 0; with the
  argument "raise" the main form's timer raises an error no handler catches instead. }
program forms_test;

uses
  {$IFDEF FPC}Interfaces,{$ENDIF} SysUtils, Classes, Controls, Forms, Graphics, StdCtrls, ExtCtrls,
  ComCtrls, Grids, Menus, RuntimeChecks, VrErrors, VrConstants, VrInteraction, VrSystem, VrForms;

type
  { reaches the protected OnClick of either list class }
  TControlAccess = class(TControl);

  TProbe = class
    Log: string;
    procedure Clicked(Sender: TObject);
    procedure QueryUnload(Sender: TObject; var CanClose: Boolean);
    procedure Unloaded(Sender: TObject; var Action: TCloseAction);
    procedure Fail(Sender: TObject);
    procedure Ask(Sender: TObject);
  end;

procedure TProbe.Clicked(Sender: TObject);
begin
  Log := Log + 'click:' + TComponent(Sender).Name + ' ';
end;

procedure TProbe.QueryUnload(Sender: TObject; var CanClose: Boolean);
begin
  Log := Log + 'Q';
  CanClose := TComponent(Sender).Tag = 0;
end;

procedure TProbe.Unloaded(Sender: TObject; var Action: TCloseAction);
begin
  Log := Log + 'U';
end;

procedure TProbe.Fail(Sender: TObject);
begin
  VbRaiseError(5);
end;

procedure TProbe.Ask(Sender: TObject);
begin
  TTimer(Sender).Enabled := False;
  Log := 'answer ' + IntToStr(VbMsgBox('Go on?', vbOKCancel));
end;

const
  Pixels: array[0..5] of record Twips: Double; Pixels: Integer; end = ((Twips: 1440; Pixels: 96),
    (Twips: 22; Pixels: 1), (Twips: 23; Pixels: 2), (Twips: 7.5; Pixels: 1), (Twips: -7.5; Pixels: -1),
    (Twips: -23; Pixels: -2));
  Colors: array[0..3] of record Vb: LongInt; Color: TColor; end = ((Vb: $FF; Color: clRed),
    (Vb: LongInt($8000000F); Color: clBtnFace), (Vb: LongInt($80000005); Color: clWindow),
    (Vb: LongInt($80000018); Color: clInfoBk));
  BadColors: array[0..2] of LongInt = (LongInt($80000019), $1000000, LongInt($80010005));
  { Load copies every published property these classes have }
  ElementClasses: array[0..11] of TComponentClass = (TLabel, TEdit, TRadioButton, TImage, TShape, TPanel,
    TScrollBar, TMemo, TTimer, TListView, TTreeView, TStringGrid);

var
  Probe: TProbe;
  Form: TForm;
  Button, Element: TButton;
  Check1: TCheckBox;
  Lists: array[0..1] of TWinControl;
  List: TWinControl;
  I: Integer;
  Main: TForm;
  Panel: TPanel;
  Elements: TArray<TComponent>;
  Made: TComponent;
  Picture: TPicture;
  Menu: TMainMenu;
begin
  Application.Initialize;
  Probe := TProbe.Create;
  Form := TForm.CreateNew(nil);
  Form.Name := 'Holder';
  Button := TButton.Create(Form);
  Button.Parent := Form;

  for I := Low(Pixels) to High(Pixels) do
    Check('TwipsToPixels ' + FloatToStr(Pixels[I].Twips), IntToStr(VbTwipsToPixels(Pixels[I].Twips)),
      IntToStr(Pixels[I].Pixels));
  VbMove(Button, 150, 300, 600, 450);
  Check('Move', Format('%d %d %d %d', [Button.Left, Button.Top, Button.Width, Button.Height]), '10 20 40 30');
  VbSetLeft(Button, 1000);
  Check('Left', FloatToStr(VbGetLeft(Button)), '1005');
  try VbSetWidth(Button, -15); NotRaised('negative Width') except on E: Exception do CheckRaised('negative Width', E, 380) end;
  { under Xvfb no window manager runs: the option the runtime gives the LCL is not the program's }
  Check('frame probe skipped', ParamStr(ParamCount), '--disableaccurateframe');
  Check('Command without the runtime''s option', VbCommand, '');
  VbSetScaleMode(Form, 3);
  VbMove(Button, 12, 7);
  Check('Move in pixels', Format('%d %d', [Button.Left, Button.Top]), '12 7');
  VbSetScaleMode(Form, 5);
  Check('Top in inches', FloatToStr(VbGetTop(Button) * 96), '7');
  Form.ClientWidth := 192;
  Check('ScaleWidth in inches', FloatToStr(VbScaleWidth(Form)), '2');
  Check('MouseDown X in inches', FloatToStr(VbEventX(Form, 48)), '0.5');
  VbSetScaleMode(Form, 1);

  for I := Low(Colors) to High(Colors) do
  begin
    Check('ToColor ' + IntToHex(Colors[I].Vb, 8), IntToHex(VbToColor(Colors[I].Vb), 8), IntToHex(Colors[I].Color, 8));
    Check('FromColor ' + IntToHex(Colors[I].Vb, 8), IntToHex(VbFromColor(Colors[I].Color), 8), IntToHex(Colors[I].Vb, 8));
  end;
  for I := Low(BadColors) to High(BadColors) do
    try VbToColor(BadColors[I]); NotRaised('ToColor ' + IntToHex(BadColors[I], 8)) except on E: Exception do CheckRaised('ToColor ' + IntToHex(BadColors[I], 8), E, 380) end;

  VbSetTag(Button, 'first');
  VbSetToolTip(Button, 'tip');
  VbFontStyleSet(Button.Font, fsBold, True);
  VbSetMousePointer(Button, 11);
  Check('Tag', VbGetTag(Button), 'first');
  Check('ToolTip', Button.Hint + BoolToStr(Button.ShowHint, True), 'tipTrue');
  Check('Font.Bold', BoolToStr(VbFontStyleGet(Button.Font, fsBold), True), 'True');
  Check('MousePointer 11', IntToStr(VbGetMousePointer(Button)), '11');
  try VbSetMousePointer(Button, 16); NotRaised('MousePointer 16') except on E: Exception do CheckRaised('MousePointer 16', E, 380) end;
  Check('Shift+Alt', IntToStr(VbShiftMask([ssShift, ssAlt])), '5');
  Check('right button', IntToStr(VbMouseButtonMask(mbRight)), '2');
  Check('left and middle held', IntToStr(VbMouseButtonsHeld([ssLeft, ssMiddle, ssCtrl])), '5');

  Lists[0] := TListBox.Create(Form);
  Lists[1] := TComboBox.Create(Form);
  for List in Lists do
  begin
    List.Parent := Form;
    TControlAccess(List).OnClick := Probe.Clicked;
    List.Name := List.ClassName;
    VbAddItem(List, 'a');
    VbAddItem(List, 'b');
    VbAddItem(List, 'z', 1);
    VbSetItemData(List, 2, -7);
    VbRemoveItem(List, 0);
    Probe.Log := '';
    VbSetListIndex(List, 1);
    VbSetListIndex(List, 1);
    Check(List.Name + ' items', VbGetList(List, 0) + VbGetList(List, 1) + VbGetList(List, 5) + IntToStr(VbListCount(List)), 'zb2');
    Check(List.Name + ' ItemData', IntToStr(VbGetItemData(List, 1)), '-7');
    Check(List.Name + ' ListIndex', IntToStr(VbGetListIndex(List)) + ' ' + VbGetListText(List), '1 b');
    Check(List.Name + ' Click once', Probe.Log, 'click:' + List.Name + ' ');
    try VbSetListIndex(List, 2); NotRaised(List.Name + ' ListIndex 2') except on E: Exception do CheckRaised(List.Name + ' ListIndex 2', E, 380) end;
    try VbRemoveItem(List, 2); NotRaised(List.Name + ' RemoveItem 2') except on E: Exception do CheckRaised(List.Name + ' RemoveItem 2', E, 5) end;
    try VbAddItem(List, 'x', 3); NotRaised(List.Name + ' AddItem at 3') except on E: Exception do CheckRaised(List.Name + ' AddItem at 3', E, 5) end;
    try VbGetItemData(List, 2); NotRaised(List.Name + ' ItemData(2)') except on E: Exception do CheckRaised(List.Name + ' ItemData(2)', E, 381) end;
    VbClearList(List);
    Check(List.Name + ' cleared', IntToStr(VbListCount(List)), '0');
  end;
  try VbAddItem(Button, 'x'); NotRaised('AddItem on a button') except on E: Exception do CheckRaised('AddItem on a button', E, 438) end;
  try VbGetSelected(Lists[1], 0); NotRaised('Selected on a combo') except on E: Exception do CheckRaised('Selected on a combo', E, 438) end;

  Check1 := TCheckBox.Create(Form);
  Check1.Parent := Form;
  for I := 2 downto 0 do
  begin
    VbSetCheckValue(Check1, I);
    Check('check value ' + IntToStr(I), IntToStr(VbGetCheckValue(Check1)), IntToStr(I));
  end;
  try VbSetCheckValue(Check1, 3); NotRaised('check value 3') except on E: Exception do CheckRaised('check value 3', E, 380) end;

  { control array Cmd: design-time elements 0 and 2 }
  Button.Name := 'Cmd_2';
  Button.Tag := 2;
  Button.OnClick := Probe.Clicked;
  Button.Caption := 'Go';
  Button := TButton.Create(Form);
  Button.Parent := Form;
  Button.Name := 'Cmd_0';
  Button.Caption := 'Zero';
  Button.OnClick := Probe.Clicked;
  VbSetTag(Button, 'zero');
  VbFontStyleSet(Button.Font, fsItalic, True);
  VbLoadControl(Form, 'Cmd', 1);
  Element := VbControlElement(Form, 'Cmd', 1) as TButton;
  Probe.Log := '';
  Element.Click;
  Check('loaded element', Format('%s %s %d %s %s %s', [Element.Caption, BoolToStr(Element.Visible, True),
    Element.Tag, VbGetTag(Element), BoolToStr(fsItalic in Element.Font.Style, True), Probe.Log]),
    'Zero False 1 zero True click:Cmd_1 ');
  Check('loaded parent', BoolToStr(Element.Parent = Form, True), 'True');
  Elements := VbControlElements(Form, 'Cmd');
  Check('bounds', Format('%d %d %d %s', [VbControlLBound(Form, 'Cmd'), VbControlUBound(Form, 'Cmd'),
    VbControlCount(Form, 'Cmd'), Elements[0].Name + Elements[1].Name + Elements[2].Name]), '0 2 3 Cmd_0Cmd_1Cmd_2');
  try VbLoadControl(Form, 'Cmd', 2); NotRaised('Load existing') except on E: Exception do CheckRaised('Load existing', E, 360) end;
  try VbUnloadControl(Form, 'Cmd', 0); NotRaised('Unload design-time') except on E: Exception do CheckRaised('Unload design-time', E, 362) end;
  VbUnloadControl(Form, 'Cmd', 1);
  Check('unloaded', Format('%d %d', [VbControlCount(Form, 'Cmd'), VbControlUBound(Form, 'Cmd')]), '2 2');
  try VbControlElement(Form, 'Cmd', 1); NotRaised('unloaded element') except on E: Exception do CheckRaised('unloaded element', E, 340) end;
  VbLoadControl(Form, 'Cmd', 1);
  Check('reloaded', IntToStr(VbControlCount(Form, 'Cmd')), '3');

  for I := Low(ElementClasses) to High(ElementClasses) do
  begin
    Made := ElementClasses[I].Create(Form);
    Made.Name := 'E' + IntToStr(I) + '_0';
    if Made is TControl then
      TControl(Made).Parent := Form;
    try
      VbLoadControl(Form, 'E' + IntToStr(I), 1);
      Check('Load ' + ElementClasses[I].ClassName, VbControlElement(Form, 'E' + IntToStr(I), 1).ClassName,
        ElementClasses[I].ClassName);
    except
      on E: Exception do Check('Load ' + ElementClasses[I].ClassName, E.ClassName + ': ' + E.Message, ElementClasses[I].ClassName);
    end;
  end;

  { a menu array's new element shows after the element before it }
  Menu := TMainMenu.Create(Form);
  for I := 0 to 2 do
  begin
    Menu.Items.Add(TMenuItem.Create(Form));
    Menu.Items[I].Name := 'mnu_' + IntToStr(I * 2);
    Menu.Items[I].Caption := 'File ' + IntToStr(I * 2);
  end;
  VbLoadControl(Form, 'mnu', 3);
  Made := VbControlElement(Form, 'mnu', 3);
  Check('menu element', Format('%d %s %s', [TMenuItem(Made).MenuIndex, TMenuItem(Made).Caption,
    BoolToStr(TMenuItem(Made).Visible, True)]), '2 File 0 False');

  { LoadPicture, in the program's scratch folder }
  Picture := TPicture.Create;
  Picture.Bitmap.SetSize(3, 2);
  Picture.SaveToFile('p.bmp');
  with TStringList.Create do begin Text := 'not a picture'; SaveToFile('bad.bmp'); Free; end;
  VbLoadPictureInto(Picture, '');
  VbLoadPictureInto(Picture, 'p.bmp');
  Check('LoadPicture', IntToStr(Picture.Width) + 'x' + IntToStr(Picture.Height), '3x2');
  VbLoadPictureInto(Picture, '');
  Check('LoadPicture("")', BoolToStr(Picture.Graphic = nil, True), 'True');
  try VbLoadPictureInto(Picture, 'none.bmp'); NotRaised('missing picture') except on E: Exception do CheckRaised('missing picture', E, 53) end;
  try VbLoadPictureInto(Picture, 'bad.bmp'); NotRaised('not a picture') except on E: Exception do CheckRaised('not a picture', E, 481) end;
  Picture.Free;

  { Unload: QueryUnload may cancel, then Unload }
  Form.OnCloseQuery := Probe.QueryUnload;
  Form.OnClose := Probe.Unloaded;
  VbShowForm(Form);
  Probe.Log := '';
  Form.Tag := 1;
  VbUnloadForm(Form);
  Form.Tag := 0;
  VbUnloadForm(Form);
  Check('Unload order', Probe.Log + BoolToStr(Form.Visible, True), 'QQUFalse');

  Application.CreateForm(TForm, Main);
  Main.Name := 'MainCheck';
  with TLabel.Create(Main) do Parent := Main;
  Panel := TPanel.Create(Main);
  Panel.Parent := Main;
  with TEdit.Create(Main) do Parent := Panel;
  with TCheckBox.Create(Main) do begin Parent := Main; Visible := False; end;
  { the hook cancels a message box in front of the main form before closing it }
  with TTimer.Create(Main) do begin Interval := 10; OnTimer := Probe.Ask; end;
  if ParamStr(1) = 'raise' then
    with TTimer.Create(Main) do begin Interval := 10; OnTimer := Probe.Fail; end;
  Main.Show;
  Probe.Log := '';
  Application.Run;
  Check('message box cancelled', Probe.Log, 'answer 2');
  Form.Free;
  Probe.Free;
  Finish;
end.
