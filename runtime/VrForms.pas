{$IFDEF FPC}{$MODE DelphiUnicode}{$ENDIF}
{ What translated forms need beyond the LCL and the VCL: VB's twips and colours, the String Tag, list
  and check box values, events' parameter masks, forms' Show and Unload, control arrays (elements are
  the owner's components BaseName_N whose Tag is N), App, Screen and Clipboard.
  An error no handler catches ends the program as in VB: "Run-time error 'n':" and its description in
  a message box, then exit status 1.
  With VELDRANE_CLOSE_AFTER_MS=N in the environment the program reports its main form once shown
  ("veldrane: shown <Name> <n> controls") and closes it about N ms later, for unattended runs,
  cancelling the message boxes and modal forms in front of it first; an unhandled error is then
  written to standard error instead of a message box. }
unit VrForms;

interface

uses
  Classes, SysUtils, Controls, Forms, Graphics, StdCtrls;

{ A statement the translation left out was reached: listed on standard error and, unless the run is
  unattended, in a window of its own; the program goes on. }
procedure VbReportNotTranslated(E: Exception);

{ VB places a frame's controls from its outer corner and leaves the menu out of the client height;
  under the LCL the form's layout is put back so, once its widgets have their sizes (call it when
  the form is first shown). Nothing to do under the VCL, which places them as VB does. }
procedure VbKeepLayoutOnShow(Form: TCustomForm; VbClientHeight: Integer);

{ Geometry: VB's twips, 15 to a pixel, or the unit the ScaleMode of the control's container sets (a
  form or picture box given one with VbSetScaleMode; 1 twips, 2 points, 3 pixels, 4 characters,
  5 inches, 6 millimetres, 7 centimetres). A form's own Left, Top, Width and Height are always twips;
  its Width and Height are its outer size. }
function VbTwipsToPixels(Twips: Double): Integer;
function VbPixelsToTwips(Pixels: Integer): Single;
procedure VbSetScaleMode(Container: TControl; Mode: Integer);
function VbGetScaleMode(Container: TControl): Integer;
{ An event's X or Y, pixels in Sender, in Sender's scale. }
function VbEventX(Sender: TObject; X: Integer): Single;
function VbEventY(Sender: TObject; Y: Integer): Single;
function VbGetLeft(C: TControl): Single;
procedure VbSetLeft(C: TControl; Value: Double);
function VbGetTop(C: TControl): Single;
procedure VbSetTop(C: TControl; Value: Double);
function VbGetWidth(C: TControl): Single;
procedure VbSetWidth(C: TControl; Value: Double);
function VbGetHeight(C: TControl): Single;
procedure VbSetHeight(C: TControl; Value: Double);
procedure VbMove(C: TControl; Left: Double); overload;
procedure VbMove(C: TControl; Left, Top: Double); overload;
procedure VbMove(C: TControl; Left, Top, Width: Double); overload;
procedure VbMove(C: TControl; Left, Top, Width, Height: Double); overload;
{ The client area in the container's own scale. }
function VbScaleWidth(F: TControl): Single;
function VbScaleHeight(F: TControl): Single;

{ Colours: VB's &H00BBGGRR is a TColor as it is; the system colours &H80000000 + n are the running
  library's clScrollBar .. clInfoBk. }
function VbToColor(VbColor: LongInt): TColor;
function VbFromColor(C: TColor): LongInt;

{ Font.Bold, Italic, Underline, Strikethrough. }
function VbFontStyleGet(F: TFont; Style: TFontStyle): Boolean;
procedure VbFontStyleSet(F: TFont; Style: TFontStyle; Value: Boolean);

{ VB's Tag is a string kept beside the component (its integer Tag is the control-array index). }
function VbGetTag(C: TComponent): string;
procedure VbSetTag(C: TComponent; const Value: string);
procedure VbSetToolTip(C: TControl; const Value: string);
{ MousePointer: VB's 0..15 (99, custom, shows the default cursor). }
function VbGetMousePointer(C: TControl): Integer;
procedure VbSetMousePointer(C: TControl; Value: Integer);
function VbGetScreenMousePointer: Integer;
procedure VbSetScreenMousePointer(Value: Integer);

{ List boxes and combo boxes (anything else raises error 438). }
procedure VbAddItem(C: TObject; const Item: string); overload;
procedure VbAddItem(C: TObject; const Item: string; Index: Integer); overload;
procedure VbRemoveItem(C: TObject; Index: Integer);
procedure VbClearList(C: TObject);
function VbListCount(C: TObject): Integer;
function VbGetList(C: TObject; Index: Integer): string;
procedure VbSetList(C: TObject; Index: Integer; const Value: string);
function VbGetListIndex(C: TObject): Integer;
procedure VbSetListIndex(C: TObject; Value: Integer);
function VbGetItemData(C: TObject; Index: Integer): LongInt;
procedure VbSetItemData(C: TObject; Index: Integer; Value: LongInt);
{ A list box's Text is its selected item; a combo box's its edit text. }
function VbGetListText(C: TObject): string;
function VbGetSelected(C: TObject; Index: Integer): Boolean;
procedure VbSetSelected(C: TObject; Index: Integer; Value: Boolean);

{ A check box's Value: 0 unchecked, 1 checked, 2 grayed. }
function VbGetCheckValue(C: TCheckBox): Integer;
procedure VbSetCheckValue(C: TCheckBox; Value: Integer);

{ Events' parameters as VB passes them. }
function VbShiftMask(Shift: TShiftState): Integer;
function VbMouseButtonMask(Button: TMouseButton): Integer;
function VbMouseButtonsHeld(Shift: TShiftState): Integer;

{ Forms: Show (Modal 1 is vbModal), Unload (QueryUnload, then Unload, through Close) and Forms.Count. }
procedure VbShowForm(F: TCustomForm; Modal: Integer = 0);
procedure VbUnloadForm(F: TCustomForm);
function VbFormCount: Integer;

{ Control arrays. }
function VbControlElement(Owner: TComponent; const BaseName: string; Index: Integer): TComponent;
procedure VbLoadControl(Owner: TComponent; const BaseName: string; Index: Integer);
procedure VbUnloadControl(Owner: TComponent; const BaseName: string; Index: Integer);
function VbControlLBound(Owner: TComponent; const BaseName: string): Integer;
function VbControlUBound(Owner: TComponent; const BaseName: string): Integer;
function VbControlCount(Owner: TComponent; const BaseName: string): Integer;
function VbControlElements(Owner: TComponent; const BaseName: string): TArray<TComponent>;

{ Screen and Clipboard (App is VrSystem's VbApp). }
function VbScreenWidth: Single;
function VbScreenHeight: Single;
function VbScreenTwipsPerPixelX: Single;
function VbScreenTwipsPerPixelY: Single;
procedure VbClipboardSetText(const Value: string);
function VbClipboardGetText: string;
procedure VbClipboardClear;

{ LoadPicture into a Picture property; '' clears it. }
procedure VbLoadPictureInto(P: TPicture; const FileName: string);

implementation

uses
  TypInfo, ExtCtrls, Clipbrd, Dialogs, Menus, VrErrors, VrSystem{$IFDEF LCL}{$IFDEF UNIX}, VrFrameProbe{$ENDIF}{$ENDIF};

const
  TwipsPerPixel = 15;
  VbSystemColor = LongInt($80000000);
  { VB's system colour n is Windows' COLOR_ index n, which both libraries name. }
  SystemColors: array[0..24] of TColor = (clScrollBar, clBackground, clActiveCaption, clInactiveCaption,
    clMenu, clWindow, clWindowFrame, clMenuText, clWindowText, clCaptionText, clActiveBorder,
    clInactiveBorder, clAppWorkSpace, clHighlight, clHighlightText, clBtnFace, clBtnShadow, clGrayText,
    clBtnText, clInactiveCaptionText, clBtnHighlight, cl3DDkShadow, cl3DLight, clInfoText, clInfoBk);
  { VB's MousePointer n; the icon pointer (4) has no cursor of its own in either library. }
  Cursors: array[0..15] of TCursor = (crDefault, crArrow, crCross, crIBeam, crArrow, crSize, crSizeNESW,
    crSizeNS, crSizeNWSE, crSizeWE, crUpArrow, crHourGlass, crNoDrop, crAppStart, crHelp, crSizeAll);

type
  { Reaches the protected Click (which VB's ListIndex assignment runs) and Text. }
  TControlAccess = class(TControl);

  { Keeps what the runtime adds to components (String Tags, elements loaded at run time) and
    forgets a component when it is destroyed. }
  TComponentNotes = class(TComponent)
  private
    FTags: TStringList;
    FScaleModes: TStringList;
    FLoaded: TList;
    FDoomed: TList;
    FReaper: TTimer;
    procedure Forget(C: TComponent);
    procedure Watch(C: TComponent);
    procedure Reap(Sender: TObject);
  protected
    procedure Notification(C: TComponent; Operation: TOperation); override;
  public
    constructor Create(AOwner: TComponent); override;
    destructor Destroy; override;
    function TagOf(C: TComponent): string;
    procedure SetTag(C: TComponent; const Value: string);
    { 0 where none was set }
    function ScaleModeOf(C: TComponent): Integer;
    procedure SetScaleMode(C: TComponent; Mode: Integer);
    procedure MarkLoaded(C: TComponent);
    function WasLoaded(C: TComponent): Boolean;
    { Frees C once the current event has returned (an element may unload itself from its own handler). }
    procedure FreeLater(C: TComponent);
  end;

  TTagText = class
    Value: string;
  end;

  TUnhandledErrors = class
    Unattended: Boolean;
    NotTranslatedList: TMemo;
    procedure Report(Sender: TObject; E: Exception);
    procedure ListNotTranslated(const Text: string);
  end;

  TCloseAfter = class
  private
    FDelay: Integer;
    FTimer: TTimer;
    FReported: Boolean;
    procedure Idle(Sender: TObject; var Done: Boolean);
    procedure Fire(Sender: TObject);
  end;

var
  Notes: TComponentNotes;
  CloseAfter: TCloseAfter;
  Unhandled: TUnhandledErrors;

function KeyOf(C: TComponent): string;
begin
  Result := IntToHex(NativeUInt(C), SizeOf(Pointer) * 2);
end;

constructor TComponentNotes.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  FTags := TStringList.Create;
  FTags.Sorted := True;
  FScaleModes := TStringList.Create;
  FScaleModes.Sorted := True;
  FLoaded := TList.Create;
  FDoomed := TList.Create;
end;

destructor TComponentNotes.Destroy;
var
  I: Integer;
begin
  for I := 0 to FTags.Count - 1 do
    FTags.Objects[I].Free;
  FTags.Free;
  FScaleModes.Free;
  FLoaded.Free;
  FDoomed.Free;
  inherited Destroy;
end;

procedure TComponentNotes.Watch(C: TComponent);
begin
  C.FreeNotification(Self);
end;

procedure TComponentNotes.Forget(C: TComponent);
var
  I: Integer;
begin
  if FTags.Find(KeyOf(C), I) then
  begin
    FTags.Objects[I].Free;
    FTags.Delete(I);
  end;
  if FScaleModes.Find(KeyOf(C), I) then
    FScaleModes.Delete(I);
  FLoaded.Remove(C);
  FDoomed.Remove(C);
end;

procedure TComponentNotes.Notification(C: TComponent; Operation: TOperation);
begin
  inherited Notification(C, Operation);
  if Operation = opRemove then
    Forget(C);
end;

function TComponentNotes.TagOf(C: TComponent): string;
var
  I: Integer;
begin
  if FTags.Find(KeyOf(C), I) then
    Result := TTagText(FTags.Objects[I]).Value
  else
    Result := '';
end;

procedure TComponentNotes.SetTag(C: TComponent; const Value: string);
var
  I: Integer;
  Text: TTagText;
begin
  if not FTags.Find(KeyOf(C), I) then
  begin
    Text := TTagText.Create;
    FTags.AddObject(KeyOf(C), Text);
    Watch(C);
  end
  else
    Text := TTagText(FTags.Objects[I]);
  Text.Value := Value;
end;

function TComponentNotes.ScaleModeOf(C: TComponent): Integer;
var
  I: Integer;
begin
  if FScaleModes.Find(KeyOf(C), I) then
    Result := NativeInt(FScaleModes.Objects[I])
  else
    Result := 0;
end;

procedure TComponentNotes.SetScaleMode(C: TComponent; Mode: Integer);
var
  I: Integer;
begin
  if FScaleModes.Find(KeyOf(C), I) then
    FScaleModes.Objects[I] := TObject(NativeInt(Mode))
  else
  begin
    FScaleModes.AddObject(KeyOf(C), TObject(NativeInt(Mode)));
    Watch(C);
  end;
end;

procedure TComponentNotes.MarkLoaded(C: TComponent);
begin
  FLoaded.Add(C);
  Watch(C);
end;

function TComponentNotes.WasLoaded(C: TComponent): Boolean;
begin
  Result := FLoaded.IndexOf(C) >= 0;
end;

procedure TComponentNotes.FreeLater(C: TComponent);
begin
  FDoomed.Add(C);
  Watch(C);
  if FReaper = nil then
  begin
    FReaper := TTimer.Create(Self);
    FReaper.Interval := 1;
    FReaper.OnTimer := Reap;
  end;
  FReaper.Enabled := True;
end;

procedure TComponentNotes.Reap(Sender: TObject);
begin
  FReaper.Enabled := False;
  while FDoomed.Count > 0 do
    TComponent(FDoomed[FDoomed.Count - 1]).Free; { its notification removes it from the list }
end;

function TheNotes: TComponentNotes;
begin
  if Notes = nil then
    Notes := TComponentNotes.Create(nil);
  Result := Notes;
end;

{ Geometry }

function VbTwipsToPixels(Twips: Double): Integer;
var
  Pixels: Double;
begin
  Pixels := Twips / TwipsPerPixel;
  { halves away from zero, as the form files are converted }
  if Pixels < 0 then
    Result := -Trunc(-Pixels + 0.5)
  else
    Result := Trunc(Pixels + 0.5);
end;

function VbPixelsToTwips(Pixels: Integer): Single;
begin
  Result := Pixels * TwipsPerPixel;
end;

procedure VbSetScaleMode(Container: TControl; Mode: Integer);
begin
  if (Mode < 0) or (Mode > 7) then
    VbRaiseError(380);
  TheNotes.SetScaleMode(Container, Mode);
end;

function VbGetScaleMode(Container: TControl): Integer;
begin
  Result := TheNotes.ScaleModeOf(Container);
  if Result = 0 then
    Result := 1;
end;

{ Twips in one unit of a ScaleMode; user scales (0) are kept as twips. }
function TwipsPerUnit(Mode: Integer; Vertical: Boolean): Double;
begin
  case Mode of
    2: Result := 20;
    3: Result := TwipsPerPixel;
    4: if Vertical then Result := 240 else Result := 120;
    5: Result := 1440;
    6: Result := 1440 / 25.4;
    7: Result := 1440 / 2.54;
  else
    Result := 1;
  end;
end;

{ Twips in one unit of the scale C's position and size are given in: its nearest container with a
  ScaleMode; a form's own geometry is always twips. }
function UnitOf(C: TControl; Vertical: Boolean): Double;
var
  Container: TControl;
begin
  Result := 1;
  if C is TCustomForm then
    Exit;
  Container := C.Parent;
  while (Container <> nil) and (TheNotes.ScaleModeOf(Container) = 0) and not (Container is TCustomForm) do
    Container := Container.Parent;
  if Container <> nil then
    Result := TwipsPerUnit(VbGetScaleMode(Container), Vertical);
end;

function ToPixels(C: TControl; Value: Double; Vertical: Boolean): Integer;
begin
  Result := VbTwipsToPixels(Value * UnitOf(C, Vertical));
end;

function FromPixels(C: TControl; Pixels: Integer; Vertical: Boolean): Single;
begin
  Result := Pixels * TwipsPerPixel / UnitOf(C, Vertical);
end;

function EventUnits(Sender: TObject; Pixels: Integer; Vertical: Boolean): Single;
begin
  if Sender is TControl then
    Result := Pixels * TwipsPerPixel / TwipsPerUnit(VbGetScaleMode(TControl(Sender)), Vertical)
  else
    Result := VbPixelsToTwips(Pixels);
end;

function VbEventX(Sender: TObject; X: Integer): Single;
begin
  Result := EventUnits(Sender, X, False);
end;

function VbEventY(Sender: TObject; Y: Integer): Single;
begin
  Result := EventUnits(Sender, Y, True);
end;

function VbGetLeft(C: TControl): Single;
begin
  Result := FromPixels(C, C.Left, False);
end;

procedure VbSetLeft(C: TControl; Value: Double);
begin
  C.Left := ToPixels(C, Value, False);
end;

function VbGetTop(C: TControl): Single;
begin
  Result := FromPixels(C, C.Top, True);
end;

procedure VbSetTop(C: TControl; Value: Double);
begin
  C.Top := ToPixels(C, Value, True);
end;

function NonNegative(C: TControl; Value: Double; Vertical: Boolean): Integer;
begin
  if Value < 0 then
    VbRaiseError(380);
  Result := ToPixels(C, Value, Vertical);
end;

function VbGetWidth(C: TControl): Single;
begin
  Result := FromPixels(C, C.Width, False);
end;

procedure VbSetWidth(C: TControl; Value: Double);
begin
  C.Width := NonNegative(C, Value, False);
end;

function VbGetHeight(C: TControl): Single;
begin
  Result := FromPixels(C, C.Height, True);
end;

procedure VbSetHeight(C: TControl; Value: Double);
begin
  C.Height := NonNegative(C, Value, True);
end;

procedure VbMove(C: TControl; Left: Double);
begin
  VbSetLeft(C, Left);
end;

procedure VbMove(C: TControl; Left, Top: Double);
begin
  C.SetBounds(ToPixels(C, Left, False), ToPixels(C, Top, True), C.Width, C.Height);
end;

procedure VbMove(C: TControl; Left, Top, Width: Double);
begin
  C.SetBounds(ToPixels(C, Left, False), ToPixels(C, Top, True), NonNegative(C, Width, False), C.Height);
end;

procedure VbMove(C: TControl; Left, Top, Width, Height: Double);
begin
  C.SetBounds(ToPixels(C, Left, False), ToPixels(C, Top, True), NonNegative(C, Width, False),
    NonNegative(C, Height, True));
end;

function VbScaleWidth(F: TControl): Single;
begin
  Result := F.ClientWidth * TwipsPerPixel / TwipsPerUnit(VbGetScaleMode(F), False);
end;

function VbScaleHeight(F: TControl): Single;
begin
  Result := F.ClientHeight * TwipsPerPixel / TwipsPerUnit(VbGetScaleMode(F), True);
end;

{ Colours }

function VbToColor(VbColor: LongInt): TColor;
begin
  if VbColor and VbSystemColor <> 0 then
  begin
    if (VbColor and $7FFFFF00 <> 0) or (VbColor and $FF > High(SystemColors)) then
      VbRaiseError(380);
    Result := SystemColors[VbColor and $FF];
  end
  else if VbColor > $FFFFFF then
  begin
    VbRaiseError(380);
    Result := clNone;
  end
  else
    Result := TColor(VbColor);
end;

function VbFromColor(C: TColor): LongInt;
var
  I: Integer;
begin
  for I := Low(SystemColors) to High(SystemColors) do
    if SystemColors[I] = C then
    begin
      Result := VbSystemColor or I;
      Exit;
    end;
  if C = clDefault then
    Result := VbSystemColor or 15 { a control left at its default colour shows the button face }
  else
    Result := LongInt(C) and $FFFFFF;
end;

{ Fonts }

function VbFontStyleGet(F: TFont; Style: TFontStyle): Boolean;
begin
  Result := Style in F.Style;
end;

procedure VbFontStyleSet(F: TFont; Style: TFontStyle; Value: Boolean);
begin
  if Value then
    F.Style := F.Style + [Style]
  else
    F.Style := F.Style - [Style];
end;

{ Tag, tooltips, pointers }

function VbGetTag(C: TComponent): string;
begin
  Result := TheNotes.TagOf(C);
end;

procedure VbSetTag(C: TComponent; const Value: string);
begin
  TheNotes.SetTag(C, Value);
end;

procedure VbSetToolTip(C: TControl; const Value: string);
begin
  C.Hint := Value;
  C.ShowHint := Value <> '';
end;

function PointerOf(Cursor: TCursor): Integer;
var
  I: Integer;
begin
  for I := Low(Cursors) to High(Cursors) do
    if Cursors[I] = Cursor then
    begin
      Result := I;
      Exit;
    end;
  Result := 0;
end;

function CursorOf(Pointer: Integer): TCursor;
begin
  if Pointer = 99 then
    Result := crDefault
  else if (Pointer < Low(Cursors)) or (Pointer > High(Cursors)) then
  begin
    VbRaiseError(380);
    Result := crDefault;
  end
  else
    Result := Cursors[Pointer];
end;

function VbGetMousePointer(C: TControl): Integer;
begin
  Result := PointerOf(C.Cursor);
end;

procedure VbSetMousePointer(C: TControl; Value: Integer);
begin
  C.Cursor := CursorOf(Value);
end;

function VbGetScreenMousePointer: Integer;
begin
  Result := PointerOf(Screen.Cursor);
end;

procedure VbSetScreenMousePointer(Value: Integer);
begin
  Screen.Cursor := CursorOf(Value);
end;

{ Lists }

function ItemsOf(C: TObject): TStrings;
begin
  if C is TCustomListBox then
    Result := TCustomListBox(C).Items
  else if C is TCustomComboBox then
    Result := TCustomComboBox(C).Items
  else
  begin
    VbRaiseError(438);
    Result := nil;
  end;
end;

function ItemIndexOf(C: TObject): Integer;
begin
  if C is TCustomListBox then
    Result := TCustomListBox(C).ItemIndex
  else
    Result := TCustomComboBox(C).ItemIndex;
end;

{ Error Number unless 0 <= Index < Items.Count. }
procedure CheckIndex(Items: TStrings; Index: Integer; Number: LongInt);
begin
  if (Index < 0) or (Index >= Items.Count) then
    VbRaiseError(Number);
end;

procedure VbAddItem(C: TObject; const Item: string);
begin
  ItemsOf(C).Add(Item);
end;

procedure VbAddItem(C: TObject; const Item: string; Index: Integer);
var
  Items: TStrings;
begin
  Items := ItemsOf(C);
  if (Index < 0) or (Index > Items.Count) then
    VbRaiseError(5);
  Items.Insert(Index, Item);
end;

procedure VbRemoveItem(C: TObject; Index: Integer);
var
  Items: TStrings;
begin
  Items := ItemsOf(C);
  CheckIndex(Items, Index, 5);
  Items.Delete(Index);
end;

procedure VbClearList(C: TObject);
begin
  ItemsOf(C).Clear;
end;

function VbListCount(C: TObject): Integer;
begin
  Result := ItemsOf(C).Count;
end;

function VbGetList(C: TObject; Index: Integer): string;
var
  Items: TStrings;
begin
  Items := ItemsOf(C);
  if (Index >= 0) and (Index < Items.Count) then
    Result := Items[Index]
  else if (Index = -1) and (C is TCustomComboBox) then
    Result := TControlAccess(C).Text
  else
    Result := '';
end;

procedure VbSetList(C: TObject; Index: Integer; const Value: string);
var
  Items: TStrings;
begin
  Items := ItemsOf(C);
  CheckIndex(Items, Index, 381);
  Items[Index] := Value;
end;

function VbGetListIndex(C: TObject): Integer;
begin
  ItemsOf(C);
  Result := ItemIndexOf(C);
end;

procedure VbSetListIndex(C: TObject; Value: Integer);
begin
  if (Value < -1) or (Value >= ItemsOf(C).Count) then
    VbRaiseError(380);
  if Value = ItemIndexOf(C) then
    Exit;
  if C is TCustomListBox then
    TCustomListBox(C).ItemIndex := Value
  else
    TCustomComboBox(C).ItemIndex := Value;
  { VB runs the control's Click when ListIndex changes }
  TControlAccess(C).Click;
end;

function VbGetItemData(C: TObject; Index: Integer): LongInt;
var
  Items: TStrings;
begin
  Items := ItemsOf(C);
  CheckIndex(Items, Index, 381);
  Result := LongInt(NativeInt(Items.Objects[Index]));
end;

procedure VbSetItemData(C: TObject; Index: Integer; Value: LongInt);
var
  Items: TStrings;
begin
  Items := ItemsOf(C);
  CheckIndex(Items, Index, 381);
  Items.Objects[Index] := TObject(NativeInt(Value));
end;

function VbGetListText(C: TObject): string;
begin
  if C is TCustomComboBox then
    Result := TControlAccess(C).Text
  else
    Result := VbGetList(C, ItemIndexOf(C));
end;

function ListBoxOf(C: TObject): TCustomListBox;
begin
  if not (C is TCustomListBox) then
    VbRaiseError(438);
  Result := TCustomListBox(C);
end;

function VbGetSelected(C: TObject; Index: Integer): Boolean;
var
  List: TCustomListBox;
begin
  List := ListBoxOf(C);
  CheckIndex(List.Items, Index, 381);
  Result := List.Selected[Index];
end;

procedure VbSetSelected(C: TObject; Index: Integer; Value: Boolean);
var
  List: TCustomListBox;
begin
  List := ListBoxOf(C);
  CheckIndex(List.Items, Index, 381);
  List.Selected[Index] := Value;
end;

{ Check boxes }

function VbGetCheckValue(C: TCheckBox): Integer;
begin
  case C.State of
    cbChecked: Result := 1;
    cbGrayed: Result := 2;
  else
    Result := 0;
  end;
end;

procedure VbSetCheckValue(C: TCheckBox; Value: Integer);
begin
  case Value of
    0: C.State := cbUnchecked;
    1: C.State := cbChecked;
    2: C.State := cbGrayed;
  else
    VbRaiseError(380);
  end;
end;

{ Events' parameters }

function VbShiftMask(Shift: TShiftState): Integer;
begin
  Result := 0;
  if ssShift in Shift then
    Result := Result or 1;
  if ssCtrl in Shift then
    Result := Result or 2;
  if ssAlt in Shift then
    Result := Result or 4;
end;

function VbMouseButtonMask(Button: TMouseButton): Integer;
begin
  case Button of
    mbLeft: Result := 1;
    mbRight: Result := 2;
    mbMiddle: Result := 4;
  else
    Result := 0;
  end;
end;

function VbMouseButtonsHeld(Shift: TShiftState): Integer;
begin
  Result := 0;
  if ssLeft in Shift then
    Result := Result or 1;
  if ssRight in Shift then
    Result := Result or 2;
  if ssMiddle in Shift then
    Result := Result or 4;
end;

{ Forms }

procedure VbShowForm(F: TCustomForm; Modal: Integer);
begin
  case Modal of
    0: F.Show;
    1:
      begin
        if F.Visible then
          VbRaiseError(400);
        F.ShowModal;
      end;
  else
    VbRaiseError(5);
  end;
end;

procedure VbUnloadForm(F: TCustomForm);
begin
  F.Close;
end;

function VbFormCount: Integer;
begin
  Result := Screen.FormCount;
end;

{ Control arrays }

{ The index of an element named BaseName_N, or -1. }
function ElementIndex(C: TComponent; const BaseName: string): Integer;
var
  Prefix: string;
begin
  Result := -1;
  Prefix := BaseName + '_';
  if SameText(Copy(C.Name, 1, Length(Prefix)), Prefix) then
    Result := StrToIntDef(Copy(C.Name, Length(Prefix) + 1, MaxInt), -1);
  if (Result >= 0) and (IntToStr(Result) <> Copy(C.Name, Length(Prefix) + 1, MaxInt)) then
    Result := -1;
end;

function ElementName(const BaseName: string; Index: Integer): string;
begin
  Result := BaseName + '_' + IntToStr(Index);
end;

function FindElement(Owner: TComponent; const BaseName: string; Index: Integer): TComponent;
begin
  Result := nil;
  if Index >= 0 then
    Result := Owner.FindComponent(ElementName(BaseName, Index));
end;

procedure MissingElement(Index: Integer);
begin
  VbRaiseError(340, 'Control array element ''' + IntToStr(Index) + ''' doesn''t exist');
end;

function VbControlElement(Owner: TComponent; const BaseName: string; Index: Integer): TComponent;
begin
  Result := FindElement(Owner, BaseName, Index);
  if Result = nil then
    MissingElement(Index);
end;

function VbControlElements(Owner: TComponent; const BaseName: string): TArray<TComponent>;
var
  I, J, Count: Integer;
  Element: TComponent;
begin
  Result := nil;
  SetLength(Result, Owner.ComponentCount);
  Count := 0;
  for I := 0 to Owner.ComponentCount - 1 do
    if ElementIndex(Owner.Components[I], BaseName) >= 0 then
    begin
      { insertion by index }
      Element := Owner.Components[I];
      J := Count;
      while (J > 0) and (ElementIndex(Result[J - 1], BaseName) > ElementIndex(Element, BaseName)) do
      begin
        Result[J] := Result[J - 1];
        Dec(J);
      end;
      Result[J] := Element;
      Inc(Count);
    end;
  SetLength(Result, Count);
end;

function VbControlLBound(Owner: TComponent; const BaseName: string): Integer;
var
  Elements: TArray<TComponent>;
begin
  Elements := VbControlElements(Owner, BaseName);
  if Length(Elements) = 0 then
    Result := 0
  else
    Result := ElementIndex(Elements[0], BaseName);
end;

function VbControlUBound(Owner: TComponent; const BaseName: string): Integer;
var
  Elements: TArray<TComponent>;
begin
  Elements := VbControlElements(Owner, BaseName);
  if Length(Elements) = 0 then
    Result := -1
  else
    Result := ElementIndex(Elements[High(Elements)], BaseName);
end;

function VbControlCount(Owner: TComponent; const BaseName: string): Integer;
begin
  Result := Length(VbControlElements(Owner, BaseName));
end;

{ The published properties and event handlers of Source, except its identity (Name, Tag), Visible
  and TabOrder, as VB's Load gives a new element the lowest element's settings. }
procedure CopyProperties(Source, Target: TComponent);
var
  Props: PPropList;
  Count, I: Integer;
  Info: PPropInfo;
  Name: string;
  Value: TObject;
begin
  Count := GetPropList(Source, Props);
  try
    for I := 0 to Count - 1 do
    begin
      Info := Props^[I];
      Name := string(Info^.Name);
      if SameText(Name, 'Name') or SameText(Name, 'Tag') or SameText(Name, 'Visible') or
        SameText(Name, 'TabOrder') or (Info^.SetProc = nil) then
        Continue;
      case Info^.PropType^{$IFNDEF FPC}^{$ENDIF}.Kind of
        tkInteger, tkChar, tkWChar, tkEnumeration, tkSet{$IFDEF FPC}, tkBool{$ENDIF}:
          SetOrdProp(Target, Info, GetOrdProp(Source, Info));
        tkInt64{$IFDEF FPC}, tkQWord{$ENDIF}:
          SetInt64Prop(Target, Info, GetInt64Prop(Source, Info));
        tkFloat:
          SetFloatProp(Target, Info, GetFloatProp(Source, Info));
        {$IFDEF FPC}
        tkString, tkLString, tkAString:
          SetStrProp(Target, Info, GetStrProp(Source, Info));
        tkUString, tkWString:
          SetUnicodeStrProp(Target, Info, GetUnicodeStrProp(Source, Info));
        {$ELSE}
        tkString, tkLString, tkUString, tkWString:
          SetStrProp(Target, Info, GetStrProp(Source, Info));
        {$ENDIF}
        tkMethod:
          SetMethodProp(Target, Info, GetMethodProp(Source, Info));
        tkClass:
          begin
            Value := GetObjectProp(Source, Info);
            if (Value = nil) or (Value is TComponent) then
              SetObjectProp(Target, Info, Value)
            else if (Value is TPersistent) and (GetObjectProp(Target, Info) is TPersistent) then
            try
              TPersistent(GetObjectProp(Target, Info)).Assign(TPersistent(Value));
            except
              { content that cannot be copied (a list view's items) is filled at run time, not a setting }
              on EConvertError do ;
            end;
          end;
      end;
    end;
  finally
    FreeMem(Props);
  end;
end;

{ A loaded menu item goes right after the element before it (before the first if none). }
procedure PlaceMenuItem(Item: TMenuItem; const Elements: TArray<TComponent>; const BaseName: string;
  Index: Integer);
var
  I: Integer;
  Before: TMenuItem;
begin
  Before := nil;
  for I := 0 to High(Elements) do
    if ElementIndex(Elements[I], BaseName) < Index then
      Before := TMenuItem(Elements[I]);
  if Before = nil then
    TMenuItem(Elements[0]).Parent.Insert(TMenuItem(Elements[0]).MenuIndex, Item)
  else
    Before.Parent.Insert(Before.MenuIndex + 1, Item);
end;

procedure VbLoadControl(Owner: TComponent; const BaseName: string; Index: Integer);
var
  Elements: TArray<TComponent>;
  Source, Element: TComponent;
begin
  if Index < 0 then
    MissingElement(Index);
  if FindElement(Owner, BaseName, Index) <> nil then
    VbRaiseError(360);
  Elements := VbControlElements(Owner, BaseName);
  if Length(Elements) = 0 then
    VbRaiseError(361);
  Source := Elements[0];
  Element := TComponentClass(Source.ClassType).Create(Owner);
  try
    Element.Name := ElementName(BaseName, Index);
    if Source is TControl then
    begin
      TControl(Element).Visible := False;
      TControl(Element).Parent := TControl(Source).Parent;
    end;
    CopyProperties(Source, Element);
    if Source is TMenuItem then
    begin
      TMenuItem(Element).Visible := False;
      PlaceMenuItem(TMenuItem(Element), Elements, BaseName, Index);
    end;
    Element.Tag := Index;
    VbSetTag(Element, VbGetTag(Source));
  except
    Element.Free;
    raise;
  end;
  TheNotes.MarkLoaded(Element);
end;

procedure VbUnloadControl(Owner: TComponent; const BaseName: string; Index: Integer);
var
  Element: TComponent;
begin
  Element := VbControlElement(Owner, BaseName, Index);
  if not TheNotes.WasLoaded(Element) then
    VbRaiseError(362, 'Can''t unload controls created at design time');
  { gone from the array at once; freed when the running event is over }
  if Element is TControl then
    TControl(Element).Visible := False
  else if Element is TMenuItem then
    TMenuItem(Element).Visible := False;
  Owner.RemoveComponent(Element);
  Element.Name := '';
  TheNotes.FreeLater(Element);
end;

{ Screen, Clipboard }

function VbScreenWidth: Single;
begin
  Result := VbPixelsToTwips(Screen.Width);
end;

function VbScreenHeight: Single;
begin
  Result := VbPixelsToTwips(Screen.Height);
end;

function VbScreenTwipsPerPixelX: Single;
begin
  Result := TwipsPerPixel;
end;

function VbScreenTwipsPerPixelY: Single;
begin
  Result := TwipsPerPixel;
end;

procedure VbClipboardSetText(const Value: string);
begin
  Clipboard.AsText := Value;
end;

function VbClipboardGetText: string;
begin
  Result := Clipboard.AsText;
end;

procedure VbClipboardClear;
begin
  Clipboard.Clear;
end;

{ Pictures }

procedure VbLoadPictureInto(P: TPicture; const FileName: string);
begin
  if FileName = '' then
  begin
    P.Assign(nil);
    Exit;
  end;
  if not FileExists(FileName) then
    VbRaiseError(53);
  try
    P.LoadFromFile(FileName);
  except
    on E: Exception do
      VbRaiseError(481);
  end;
end;

{ Unattended runs }

function VisibleControls(Container: TWinControl): Integer;
var
  I: Integer;
  C: TControl;
begin
  Result := 0;
  for I := 0 to Container.ControlCount - 1 do
  begin
    C := Container.Controls[I];
    if not C.Visible then
      Continue;
    Inc(Result);
    if C is TWinControl then
      Inc(Result, VisibleControls(TWinControl(C)));
  end;
end;

function ShownForm: TCustomForm;
var
  I: Integer;
begin
  Result := Application.MainForm;
  if (Result <> nil) and Result.Visible then
    Exit;
  { a program starting in Sub Main may show its first form without making it the main form }
  for I := 0 to Screen.FormCount - 1 do
    if Screen.Forms[I].Visible then
    begin
      Result := Screen.Forms[I];
      Exit;
    end;
  Result := nil;
end;

procedure TCloseAfter.Idle(Sender: TObject; var Done: Boolean);
begin
  if (FTimer <> nil) or (ShownForm = nil) then
    Exit;
  FTimer := TTimer.Create(nil);
  FTimer.Interval := FDelay;
  FTimer.OnTimer := Fire;
  FTimer.Enabled := True;
end;

function ModalForm: TCustomForm;
var
  I: Integer;
begin
  for I := 0 to Screen.FormCount - 1 do
    if Screen.Forms[I].Visible and (fsModal in Screen.Forms[I].FormState) then
    begin
      Result := Screen.Forms[I];
      Exit;
    end;
  Result := nil;
end;

{ Each tick closes what is in front: a message box or modal form (as its Cancel would, also one
  that the closing form's QueryUnload asks, since the timer keeps running), else the shown form. }
procedure TCloseAfter.Fire(Sender: TObject);
var
  Form: TCustomForm;
begin
  Form := ModalForm;
  if Form = nil then
  begin
    Form := ShownForm;
    if Form = nil then
      Exit;
    { a form on its way out is not closed again (a close its QueryUnload cancelled is) }
    if Application.Terminated or (csDestroying in Form.ComponentState) then
      Exit;
    if not FReported then
      VbWriteStdOut('veldrane: shown ' + Form.Name + ' ' + IntToStr(VisibleControls(Form)) + ' controls' +
        sLineBreak);
    FReported := True;
  end;
  Form.Close;
end;

procedure TUnhandledErrors.Report(Sender: TObject; E: Exception);
var
  Text: string;
begin
  if E is EAbort then
    Exit;
  if E is EVbNotTranslated then
  begin
    { VB would have run the statement: the event it cut short is listed and the program goes on. }
    VbReportNotTranslated(E);
    Exit;
  end;
  Text := 'Run-time error ''' + IntToStr(VbErrorNumberOf(E)) + ''':' + sLineBreak + sLineBreak + E.Message;
  if Unattended then
    Writeln(ErrOutput, UTF8Encode('veldrane: ' + StringReplace(Text, sLineBreak + sLineBreak, ' ', [])))
  else
    ShowMessage(Text);
  Halt(1);
end;

{ A window of its own, not modal, so the program's forms stay usable and show as they would. }
procedure TUnhandledErrors.ListNotTranslated(const Text: string);
var
  Window: TForm;
begin
  if NotTranslatedList = nil then
  begin
    Window := TForm.CreateNew(Application);
    Window.Caption := 'Not translated: events cut short';
    Window.Width := 560;
    Window.Height := 160;
    NotTranslatedList := TMemo.Create(Window);
    NotTranslatedList.Parent := Window;
    NotTranslatedList.Align := alClient;
    NotTranslatedList.ReadOnly := True;
    NotTranslatedList.ScrollBars := ssBoth;
  end;
  NotTranslatedList.Lines.Add(Text);
  TForm(NotTranslatedList.Owner).Show;
end;

{$IFDEF LCL}
{$I VrLayout.inc}

type
  TLayoutRequest = class
    Form: TCustomForm;
    VbClientHeight: Integer;
    procedure Apply(Data: PtrInt);
  end;

procedure TLayoutRequest.Apply(Data: PtrInt);
var
  I: Integer;
begin
  for I := 0 to Screen.CustomFormCount - 1 do
    if Screen.CustomForms[I] = Form then
      KeepVbLayout(Form, VbClientHeight);
  Free;
end;
{$ENDIF}

procedure VbKeepLayoutOnShow(Form: TCustomForm; VbClientHeight: Integer);
{$IFDEF LCL}
var
  Request: TLayoutRequest;
begin
  Request := TLayoutRequest.Create;
  Request.Form := Form;
  Request.VbClientHeight := VbClientHeight;
  Application.QueueAsyncCall(Request.Apply, 0);
end;
{$ELSE}
begin
end;
{$ENDIF}

procedure VbReportNotTranslated(E: Exception);
begin
  Writeln(ErrOutput, UTF8Encode('veldrane: ' + E.Message));
  if not Unhandled.Unattended then
    Unhandled.ListNotTranslated(E.Message);
end;

procedure InstallHandlers;
var
  Delay: Integer;
begin
  {$IFDEF LCL}{$IFDEF UNIX}
  SkipFrameProbeWithoutWindowManager;
  {$ENDIF}{$ENDIF}
  Delay := StrToIntDef(GetEnvironmentVariable('VELDRANE_CLOSE_AFTER_MS'), -1);
  Unhandled := TUnhandledErrors.Create;
  Unhandled.Unattended := Delay >= 0;
  Application.OnException := Unhandled.Report;
  if Delay < 0 then
    Exit;
  CloseAfter := TCloseAfter.Create;
  CloseAfter.FDelay := Delay;
  if Delay = 0 then
    CloseAfter.FDelay := 1;
  Application.OnIdle := CloseAfter.Idle;
end;

initialization
  InstallHandlers;

finalization
  Application.OnIdle := nil;
  Application.OnException := nil;
  if CloseAfter <> nil then
  begin
    CloseAfter.FTimer.Free;
    CloseAfter.Free;
  end;
  Unhandled.Free;
  Notes.Free;
end.
