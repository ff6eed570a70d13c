{ Loads a text form file (.dfm/.lfm) into an LCL form and reports every class, property or event
  method the load does not know. Usage:
    lcl_form_check FORM.dfm [--frame] [--methods NAME,NAME... | --unit UNIT.pas] [--png OUT.png]
                   [--positions]
  Prints "components: N", "caption: ...", "class: C" for each component, "pictures: N" (images
  showing a picture), "icon: W" (the form's icon, when it has one) and one "error: ..." line per
  problem; exits 0 when
  the form loads cleanly, 1 when it does not, 2 when it cannot be read at all. --positions shows
  the form and prints "client: W H" and, for every control, "position: NAME X Y W H": where it
  stands on the screen, relative to the form's client area. --vb-layout shows the form as a
  migrated form unit does, with VB's layout kept (runtime/VrLayout.inc). }
program lcl_form_check;

{$mode objfpc}{$H+}

uses
  Interfaces, Classes, SysUtils, Forms, Controls, Graphics, StdCtrls, ExtCtrls, Menus, Dialogs, ComCtrls,
  Grids;

type
  TChecker = class
    Methods: TStringList;
    Errors: TStringList;
    constructor Create;
    procedure ReaderError(Reader: TReader; const Message: string; var Handled: Boolean);
    procedure FindMethod(Reader: TReader; const AMethodName: string; var Address: Pointer; var Error: Boolean);
    procedure FindClass(Reader: TReader; const AClassName: string; var ComponentClass: TComponentClass);
    procedure PropertyNotFound(Reader: TReader; Instance: TPersistent; var PropName: string;
      IsPath: Boolean; var Handled, Skip: Boolean);
  end;

constructor TChecker.Create;
begin
  Methods := TStringList.Create;
  Methods.CaseSensitive := False;
  Methods.Sorted := True;
  Errors := TStringList.Create;
end;

procedure TChecker.ReaderError(Reader: TReader; const Message: string; var Handled: Boolean);
begin
  Errors.Add(Message);
  Handled := True;
end;

{ Event methods are only checked by name: the unit is not compiled here, so nothing is bound. }
procedure TChecker.FindMethod(Reader: TReader; const AMethodName: string; var Address: Pointer;
  var Error: Boolean);
begin
  if Methods.IndexOf(AMethodName) < 0 then
    Errors.Add('method not declared by the unit: ' + AMethodName);
  Address := nil;
  Error := False;
end;

procedure TChecker.FindClass(Reader: TReader; const AClassName: string; var ComponentClass: TComponentClass);
begin
  if ComponentClass = nil then
  begin
    Errors.Add('unknown class: ' + AClassName);
    ComponentClass := TPanel;
  end;
end;

procedure TChecker.PropertyNotFound(Reader: TReader; Instance: TPersistent; var PropName: string;
  IsPath: Boolean; var Handled, Skip: Boolean);
begin
  Errors.Add('unknown property: ' + Instance.ClassName + '.' + PropName);
  Handled := True;
  Skip := True;
end;

procedure ReadUnitMethods(const FileName: string; List: TStrings);
var
  Lines: TStringList;
  Line, Name: string;
  I, P: Integer;
begin
  Lines := TStringList.Create;
  try
    Lines.LoadFromFile(FileName);
    for Line in Lines do
    begin
      Name := Trim(Line);
      if not SameText(Copy(Name, 1, 10), 'procedure ') then Continue;
      Name := Trim(Copy(Name, 11, MaxInt));
      P := Pos('.', Name);
      if P > 0 then Name := Copy(Name, P + 1, MaxInt);
      I := 1;
      while (I <= Length(Name)) and (Name[I] in ['A'..'Z', 'a'..'z', '0'..'9', '_']) do Inc(I);
      List.Add(Copy(Name, 1, I - 1));
    end;
  finally
    Lines.Free;
  end;
end;

{$I ../../runtime/VrLayout.inc}

type
  { What a migrated form unit does when the form is first shown (--vb-layout). }
  TVbLayoutForm = class(TForm)
  protected
    VbLayoutKept: Boolean;
    procedure DoShow; override;
    procedure KeepVbLayoutOnce(Data: PtrInt);
  public
    VbClientHeight: Integer;
  end;

procedure TVbLayoutForm.DoShow;
begin
  inherited DoShow;
  if VbLayoutKept then Exit;
  VbLayoutKept := True;
  Application.QueueAsyncCall(@KeepVbLayoutOnce, 0);
end;

procedure TVbLayoutForm.KeepVbLayoutOnce(Data: PtrInt);
begin
  KeepVbLayout(Self, VbClientHeight);
end;

{ The ClientHeight the form file gives, 0 when none. }
function FileClientHeight(const FileName: string): Integer;
var
  Lines: TStringList;
  Line: string;
begin
  Result := 0;
  Lines := TStringList.Create;
  try
    Lines.LoadFromFile(FileName);
    for Line in Lines do
      if Pos('  ClientHeight = ', Line) = 1 then Exit(StrToIntDef(Copy(Line, 18, MaxInt), 0));
  finally
    Lines.Free;
  end;
end;

procedure ShowForm(Form: TForm);
var
  I: Integer;
begin
  Form.Position := poDesigned;
  Form.Left := 0;
  Form.Top := 0;
  Form.Show;
  for I := 1 to 50 do
  begin
    Application.ProcessMessages;
    Sleep(10);
  end;
end;

procedure PrintPositions(Form: TForm);
var
  Origin, At: TPoint;
  I: Integer;
  Control: TControl;
begin
  ShowForm(Form);
  WriteLn('client: ', Form.ClientWidth, ' ', Form.ClientHeight);
  Origin := Form.ClientToScreen(Point(0, 0));
  for I := 0 to Form.ComponentCount - 1 do
    if Form.Components[I] is TControl then
    begin
      Control := TControl(Form.Components[I]);
      At := Control.Parent.ClientToScreen(Point(Control.Left, Control.Top));
      WriteLn('position: ', Control.Name, ' ', At.X - Origin.X, ' ', At.Y - Origin.Y, ' ', Control.Width, ' ',
        Control.Height);
    end;
end;

procedure SavePicture(Form: TForm; const FileName: string);
const
  TitleHeight = 22;
var
  Picture: TPortableNetworkGraphic;
begin
  ShowForm(Form);
  { The client area as the LCL paints it, under a plain title bar with the form's caption. }
  Picture := TPortableNetworkGraphic.Create;
  try
    Picture.SetSize(Form.ClientWidth, Form.ClientHeight + TitleHeight);
    Picture.Canvas.Brush.Color := clActiveCaption;
    Picture.Canvas.FillRect(0, 0, Form.ClientWidth, TitleHeight);
    Picture.Canvas.Font.Color := clCaptionText;
    Picture.Canvas.Font.Style := [fsBold];
    Picture.Canvas.TextOut(6, (TitleHeight - Picture.Canvas.TextHeight(Form.Caption)) div 2, Form.Caption);
    Form.PaintTo(Picture.Canvas, 0, TitleHeight);
    Picture.SaveToFile(FileName);
  finally
    Picture.Free;
  end;
end;

var
  Checker: TChecker;
  TextStream: TFileStream;
  Binary: TMemoryStream;
  Reader: TReader;
  Root: TComponent;
  FormFile, PngFile: string;
  AsFrame, Positions, VbLayout: Boolean;
  I, Pictures: Integer;
begin
  Checker := TChecker.Create;
  AsFrame := False;
  Positions := False;
  VbLayout := False;
  FormFile := '';
  PngFile := '';
  I := 1;
  while I <= ParamCount do
  begin
    if ParamStr(I) = '--frame' then AsFrame := True
    else if ParamStr(I) = '--positions' then Positions := True
    else if ParamStr(I) = '--vb-layout' then VbLayout := True
    else if (ParamStr(I) = '--methods') and (I < ParamCount) then
    begin
      Inc(I);
      Checker.Methods.CommaText := ParamStr(I);
    end
    else if (ParamStr(I) = '--unit') and (I < ParamCount) then
    begin
      Inc(I);
      ReadUnitMethods(ParamStr(I), Checker.Methods);
    end
    else if (ParamStr(I) = '--png') and (I < ParamCount) then
    begin
      Inc(I);
      PngFile := ParamStr(I);
    end
    else FormFile := ParamStr(I);
    Inc(I);
  end;
  if FormFile = '' then
  begin
    WriteLn(StdErr, 'usage: lcl_form_check FORM.dfm [--frame] [--methods A,B | --unit UNIT.pas] [--png OUT.png] [--positions]');
    Halt(2);
  end;

  RegisterClasses([TForm, TFrame, TButton, TLabel, TEdit, TMemo, TCheckBox, TRadioButton, TGroupBox,
    TListBox, TComboBox, TPanel, TPaintBox, TImage, TShape, TBevel, TTimer, TScrollBar, TMainMenu,
    TMenuItem, TOpenDialog, TSaveDialog, TColorDialog, TFontDialog, TListView, TTreeView, TStatusBar,
    TProgressBar, TToolBar, TImageList,
    TTabControl, TTrackBar, TUpDown, TStringGrid]);
  Application.Initialize;
  Binary := TMemoryStream.Create;
  try
    TextStream := TFileStream.Create(FormFile, fmOpenRead or fmShareDenyNone);
    try
      ObjectTextToBinary(TextStream, Binary);
    finally
      TextStream.Free;
    end;
  except
    on E: Exception do
    begin
      WriteLn('error: not a text form file: ', E.Message);
      Halt(2);
    end;
  end;

  if AsFrame then Root := TFrame.Create(nil)
  else if VbLayout then
  begin
    Root := TVbLayoutForm.CreateNew(nil);
    TVbLayoutForm(Root).VbClientHeight := FileClientHeight(FormFile);
  end
  else Root := TForm.CreateNew(nil);
  Binary.Position := 0;
  Reader := TReader.Create(Binary, 4096);
  Reader.OnError := @Checker.ReaderError;
  Reader.OnFindMethod := @Checker.FindMethod;
  Reader.OnFindComponentClass := @Checker.FindClass;
  Reader.OnPropertyNotFound := @Checker.PropertyNotFound;
  try
    Reader.ReadRootComponent(Root);
  except
    on E: Exception do Checker.Errors.Add(E.ClassName + ': ' + E.Message);
  end;
  Reader.Free;

  WriteLn('components: ', Root.ComponentCount);
  if Root is TForm then WriteLn('caption: ', TForm(Root).Caption);
  for I := 0 to Root.ComponentCount - 1 do WriteLn('class: ', Root.Components[I].ClassName);
  Pictures := 0;
  for I := 0 to Root.ComponentCount - 1 do
    if (Root.Components[I] is TImage) and (TImage(Root.Components[I]).Picture.Graphic <> nil) and
      not TImage(Root.Components[I]).Picture.Graphic.Empty then Inc(Pictures);
  WriteLn('pictures: ', Pictures);
  if (Root is TForm) and not TForm(Root).Icon.Empty then WriteLn('icon: ', TForm(Root).Icon.Width);
  for I := 0 to Checker.Errors.Count - 1 do WriteLn('error: ', Checker.Errors[I]);
  if Positions and (Root is TForm) and (Checker.Errors.Count = 0) then PrintPositions(TForm(Root));
  if (PngFile <> '') and (Root is TForm) and (Checker.Errors.Count = 0) then SavePicture(TForm(Root), PngFile);
  if Checker.Errors.Count > 0 then Halt(1);
end.
