{$IFDEF FPC}{$MODE DelphiUnicode}{$ENDIF}
{ Used by VrForms under the LCL on X. As the main form appears, the LCL's GTK widgets wait for the
  window manager to frame a probe window, for several seconds when none runs (a bare X server): the
  program would show nothing until then. Without a window manager the runtime passes the LCL its
  option that skips the wait. }
unit VrFrameProbe;

interface

procedure SkipFrameProbeWithoutWindowManager;

implementation

uses
  ctypes, x, xlib, VrSystem;

var
  ArgumentsWithOption: array of PAnsiChar;

function WindowManagerRunning: Boolean;
var
  Display: PDisplay;
  Check, ActualType: TAtom;
  ActualFormat: cint;
  Count, After: culong;
  Data: pcuchar;
begin
  Result := True;
  Display := XOpenDisplay(nil);
  if Display = nil then
    Exit;
  Check := XInternAtom(Display, '_NET_SUPPORTING_WM_CHECK', 1);
  Data := nil;
  Result := (Check <> None) and (XGetWindowProperty(Display, XDefaultRootWindow(Display), Check, 0, 1, 0,
    AnyPropertyType, @ActualType, @ActualFormat, @Count, @After, @Data) = Success) and (Count > 0);
  if Data <> nil then
    XFree(Data);
  XCloseDisplay(Display);
end;

procedure SkipFrameProbeWithoutWindowManager;
var
  I: Integer;
begin
  if WindowManagerRunning then
    Exit;
  SetLength(ArgumentsWithOption, argc + 2);
  for I := 0 to argc - 1 do
    ArgumentsWithOption[I] := argv[I];
  ArgumentsWithOption[argc] := '--disableaccurateframe';
  ArgumentsWithOption[argc + 1] := nil;
  argv := PPAnsiChar(@ArgumentsWithOption[0]);
  Inc(argc);
  Inc(VbArgumentsAdded);
end;
end.
