{$IFDEF FPC}{$MODE DelphiUnicode}{$ENDIF}
{ Row checks for the runtime tests: each prints the failing row and the program exits 1 if any failed. }
unit RuntimeChecks;

interface

uses
  SysUtils;

procedure Check(const Row, Got, Expected: string);
{ Call in an except block of a row that must raise VB error Expected. }
procedure CheckRaised(const Row: string; E: Exception; Expected: LongInt);
{ Call after a statement of such a row that did not raise. }
procedure NotRaised(const Row: string);
procedure Finish;

implementation

uses
  VrErrors;

var
  Failures, Rows: Integer;

procedure Fail(const Text: string);
begin
  Inc(Failures);
  Writeln(UTF8Encode('FAIL ' + Text));
end;

procedure Check(const Row, Got, Expected: string);
begin
  Inc(Rows);
  if Got <> Expected then
    Fail(Row + ': got "' + Got + '", expected "' + Expected + '"');
end;

procedure CheckRaised(const Row: string; E: Exception; Expected: LongInt);
begin
  Inc(Rows);
  if VbErrorNumberOf(E) <> Expected then
    Fail(Row + ': raised ' + IntToStr(VbErrorNumberOf(E)) + ' (' + E.ClassName + ': ' + E.Message +
      '), expected ' + IntToStr(Expected));
end;

procedure NotRaised(const Row: string);
begin
  Fail(Row + ': no error raised');
end;

procedure Finish;
begin
  Writeln(Rows, ' rows, ', Failures, ' failed');
  if Failures > 0 then
    Halt(1);
end;

end.
