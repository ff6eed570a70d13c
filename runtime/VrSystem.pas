{$IFDEF FPC}{$MODE DelphiUnicode}{$ENDIF}
{ VB's program-level services: Debug.Print, DoEvents, the App object, Command, Environ, Shell, Timer,
  Randomize and Rnd (VB's own generator, so seeded sequences repeat VB's), Beep and End. }
unit VrSystem;

interface

type
  TVbApp = class
  private
    FTitle: string;
    function GetPath: string;
    function GetEXEName: string;
    function GetTitle: string;
  public
    Major, Minor, Revision: SmallInt;
    HelpFile, Comments, CompanyName, FileDescription, LegalCopyright, ProductName: string;
    PrevInstance: Boolean;
    property Path: string read GetPath;
    property EXEName: string read GetEXEName;
    property Title: string read GetTitle write FTitle;
  end;

var
  { Set by VrInteraction in programs with a user interface, so DoEvents lets the window work. }
  VbProcessMessagesHook: procedure = nil;

{ Debug.Print: writes the print list to standard output. }
procedure VbDebugPrint(const Items: array of Variant; const Seps: string);
function VbDoEvents: SmallInt;
function VbApp: TVbApp;
{ Arguments the runtime put after the program's own, for the libraries it runs on; Command
  leaves them out. }
var
  VbArgumentsAdded: Integer = 0;

function VbCommand: string;
function VbEnviron(const Name: string): string; overload;
function VbEnviron(Index: LongInt): string; overload;
function VbEnviron(const NameOrIndex: Variant): string; overload;
function VbShell(const PathName: string; WindowStyle: SmallInt = 2): Double;
function VbTimer: Single;
procedure VbRandomize; overload;
procedure VbRandomize(const Seed: Double); overload;
function VbRnd: Single; overload;
function VbRnd(const Number: Single): Single; overload;
{ GetSetting, SaveSetting, DeleteSetting: on Windows in the registry where VB keeps them
  (HKEY_CURRENT_USER\Software\VB and VBA Program Settings), elsewhere in an INI file per application
  under $XDG_CONFIG_HOME (or ~/.config)/VB and VBA Program Settings. }
function VbGetSetting(const AppName, Section, Key: string; const Default: string = ''): string;
procedure VbSaveSetting(const AppName, Section, Key, Setting: string);
procedure VbDeleteSetting(const AppName: string; const Section: string = ''; const Key: string = '');
procedure VbBeep;
{ SendKeys needs Windows' keyboard input; elsewhere it has no effect. }
procedure VbSendKeys(const Keys: string; Wait: Boolean = False);
procedure VbEnd;
{ Writes text to standard output as UTF-8, whatever the console's setting. }
procedure VbWriteStdOut(const S: string);

implementation

uses
  {$IFDEF FPC}Process,{$ENDIF} {$IFDEF MSWINDOWS}Windows, Registry,{$ELSE}IniFiles,{$ENDIF} SysUtils, Classes, Variants, VrErrors, VrConvert, VrPrintList;

var
  DebugState: TVbPrintState;
  TheApp: TVbApp;
  RndSeed: LongWord = $50000;

procedure VbWriteStdOut(const S: string);
var
  Bytes: UTF8String;
  Stream: THandleStream;
begin
  if S = '' then
    Exit;
  Bytes := UTF8Encode(S);
  Flush(Output);
  {$IFDEF FPC}
  Stream := THandleStream.Create(StdOutputHandle);
  {$ELSE}
  Stream := THandleStream.Create(GetStdHandle(STD_OUTPUT_HANDLE));
  {$ENDIF}
  try
    Stream.WriteBuffer(Bytes[1], Length(Bytes));
  finally
    Stream.Free;
  end;
end;

procedure VbDebugPrint(const Items: array of Variant; const Seps: string);
begin
  VbWriteStdOut(VbFormatPrintList(DebugState, Items, Seps, sLineBreak));
end;

function VbDoEvents: SmallInt;
begin
  if Assigned(VbProcessMessagesHook) then
    VbProcessMessagesHook;
  Result := 0;
end;

function TVbApp.GetPath: string;
begin
  Result := ExcludeTrailingPathDelimiter(ExtractFilePath(ExpandFileName(ParamStr(0))));
end;

function TVbApp.GetEXEName: string;
begin
  Result := ChangeFileExt(ExtractFileName(ParamStr(0)), '');
end;

function TVbApp.GetTitle: string;
begin
  if FTitle = '' then
    Result := GetEXEName
  else
    Result := FTitle;
end;

function VbApp: TVbApp;
begin
  Result := TheApp;
end;

function VbCommand: string;
var
  I: Integer;
begin
  Result := '';
  for I := 1 to ParamCount - VbArgumentsAdded do
  begin
    if I > 1 then
      Result := Result + ' ';
    Result := Result + ParamStr(I);
  end;
end;

function VbEnviron(const Name: string): string;
begin
  if Name = '' then
    VbRaiseError(5);
  Result := GetEnvironmentVariable(Name);
end;

function VbEnviron(Index: LongInt): string;
begin
  if Index < 1 then
    VbRaiseError(5);
  {$IFDEF FPC}
  if Index > GetEnvironmentVariableCount then
    Result := ''
  else
    Result := GetEnvironmentString(Index);
  {$ELSE}
  Result := '';
  {$ENDIF}
end;

function VbEnviron(const NameOrIndex: Variant): string;
begin
  if VarIsNull(NameOrIndex) then
    VbRaiseError(94);
  if VbIsStringVar(NameOrIndex) then
    Result := VbEnviron(VarToStr(NameOrIndex))
  else
    Result := VbEnviron(LongInt(NameOrIndex));
end;

function VbShell(const PathName: string; WindowStyle: SmallInt): Double;
{$IFDEF FPC}
var
  Child: TProcess;
begin
  if Trim(PathName) = '' then
    VbRaiseError(5);
  Child := TProcess.Create(nil);
  try
    {$WARN SYMBOL_DEPRECATED OFF}
    Child.CommandLine := PathName;
    try
      Child.Execute;
    except
      VbRaiseError(53);
    end;
    Result := Child.ProcessID;
  finally
    Child.Free;
  end;
end;
{$ELSE}
var
  Code: Cardinal;
begin
  if Trim(PathName) = '' then
    VbRaiseError(5);
  Code := WinExec(PAnsiChar(AnsiString(PathName)), WindowStyle);
  if Code <= 31 then
    VbRaiseError(53);
  Result := Code;
end;
{$ENDIF}

function VbTimer: Single;
begin
  Result := Frac(Now) * 86400;
  VbClearFloatFlags;
end;

{ VB's generator: a 24-bit linear congruential sequence; Rnd(negative) seeds from the Single's bits,
  Randomize mixes the seed's high 32 bits into the middle of the current state. }
function NextRnd: Single;
begin
  RndSeed := (RndSeed * LongWord(1140671485) + LongWord(12820163)) and $FFFFFF;
  Result := RndSeed / 16777216.0;
end;

procedure VbRandomize;
begin
  VbRandomize(VbTimer);
end;

procedure VbRandomize(const Seed: Double);
var
  Bits: Int64;
  High32: LongWord;
begin
  Move(Seed, Bits, SizeOf(Bits));
  High32 := LongWord(Bits shr 32);
  High32 := ((High32 and $FFFF) xor (High32 shr 16)) and $FFFF;
  RndSeed := (RndSeed and $FF0000FF) or (High32 shl 8);
end;

function VbRnd: Single;
begin
  Result := NextRnd;
end;

function VbRnd(const Number: Single): Single;
var
  Bits: LongWord;
begin
  if Number = 0 then
    Exit(RndSeed / 16777216.0);
  if Number < 0 then
  begin
    Move(Number, Bits, SizeOf(Bits));
    RndSeed := ((Bits and $FFFFFF) + (Bits shr 24)) and $FFFFFF;
  end;
  Result := NextRnd;
end;

const
  SettingsRoot = 'VB and VBA Program Settings';

procedure CheckSettingNames(const AppName, Section: string);
begin
  if (AppName = '') or (Section = '') then
    VbRaiseError(5);
end;

{$IFDEF MSWINDOWS}
function SettingsKey(const AppName, Section: string): string;
begin
  Result := 'Software\' + SettingsRoot + '\' + AppName;
  if Section <> '' then
    Result := Result + '\' + Section;
end;

function VbGetSetting(const AppName, Section, Key: string; const Default: string): string;
var
  Reg: TRegistry;
begin
  CheckSettingNames(AppName, Section);
  Result := Default;
  Reg := TRegistry.Create(KEY_READ);
  try
    Reg.RootKey := HKEY_CURRENT_USER;
    if Reg.OpenKeyReadOnly(SettingsKey(AppName, Section)) and Reg.ValueExists(Key) then
      Result := Reg.ReadString(Key);
  finally
    Reg.Free;
  end;
end;

procedure VbSaveSetting(const AppName, Section, Key, Setting: string);
var
  Reg: TRegistry;
begin
  CheckSettingNames(AppName, Section);
  Reg := TRegistry.Create;
  try
    Reg.RootKey := HKEY_CURRENT_USER;
    if not Reg.OpenKey(SettingsKey(AppName, Section), True) then
      VbRaiseError(335);
    Reg.WriteString(Key, Setting);
  finally
    Reg.Free;
  end;
end;

procedure VbDeleteSetting(const AppName, Section, Key: string);
var
  Reg: TRegistry;
begin
  if AppName = '' then
    VbRaiseError(5);
  Reg := TRegistry.Create;
  try
    Reg.RootKey := HKEY_CURRENT_USER;
    if Key = '' then
    begin
      if not Reg.DeleteKey(SettingsKey(AppName, Section)) then
        VbRaiseError(5);
    end
    else if not Reg.OpenKey(SettingsKey(AppName, Section), False) or not Reg.DeleteValue(Key) then
      VbRaiseError(5);
  finally
    Reg.Free;
  end;
end;
{$ELSE}
function SettingsFile(const AppName: string): string;
var
  Base: string;
begin
  Base := GetEnvironmentVariable('XDG_CONFIG_HOME');
  if Base = '' then
    Base := IncludeTrailingPathDelimiter(GetEnvironmentVariable('HOME')) + '.config';
  Result := IncludeTrailingPathDelimiter(Base) + SettingsRoot + PathDelim + AppName + '.ini';
end;

function VbGetSetting(const AppName, Section, Key: string; const Default: string): string;
var
  Ini: TIniFile;
begin
  CheckSettingNames(AppName, Section);
  if not FileExists(SettingsFile(AppName)) then
    Exit(Default);
  Ini := TIniFile.Create(SettingsFile(AppName));
  try
    Result := Ini.ReadString(Section, Key, Default);
  finally
    Ini.Free;
  end;
end;

procedure VbSaveSetting(const AppName, Section, Key, Setting: string);
var
  Ini: TIniFile;
begin
  CheckSettingNames(AppName, Section);
  if not ForceDirectories(ExtractFileDir(SettingsFile(AppName))) then
    VbRaiseError(335);
  Ini := TIniFile.Create(SettingsFile(AppName));
  try
    try
      Ini.WriteString(Section, Key, Setting);
      Ini.UpdateFile;
    except
      on E: EVbError do
        raise;
      on E: Exception do
        VbRaiseError(335);
    end;
  finally
    Ini.Free;
  end;
end;

procedure VbDeleteSetting(const AppName, Section, Key: string);
var
  Ini: TIniFile;
begin
  if AppName = '' then
    VbRaiseError(5);
  if not FileExists(SettingsFile(AppName)) then
    VbRaiseError(5);
  if Section = '' then
  begin
    if not DeleteFile(SettingsFile(AppName)) then
      VbRaiseError(5);
    Exit;
  end;
  Ini := TIniFile.Create(SettingsFile(AppName));
  try
    if not Ini.SectionExists(Section) or ((Key <> '') and not Ini.ValueExists(Section, Key)) then
      VbRaiseError(5);
    if Key = '' then
      Ini.EraseSection(Section)
    else
      Ini.DeleteKey(Section, Key);
    Ini.UpdateFile;
  finally
    Ini.Free;
  end;
end;
{$ENDIF}

procedure VbBeep;
begin
end;

procedure VbSendKeys(const Keys: string; Wait: Boolean);
begin
end;

procedure VbEnd;
begin
  Halt(0);
end;

initialization
  TheApp := TVbApp.Create;

finalization
  TheApp.Free;

end.
