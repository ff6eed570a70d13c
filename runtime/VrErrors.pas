{$IFDEF FPC}{$MODE DelphiUnicode}{$ENDIF}
{ VB's run-time errors: the exception class, the Err object and the mapping of Pascal's exceptions to
  VB's error numbers, so On Error handlers see what VB would have shown. }
unit VrErrors;

interface

uses
  SysUtils;

type
  EVbError = class(Exception)
  private
    FNumber: LongInt;
    FSource: string;
    FDescription: string;
  public
    constructor CreateVb(ANumber: LongInt; const ASource: string = ''; const ADescription: string = '');
    property Number: LongInt read FNumber;
    property Source: string read FSource;
    property Description: string read FDescription;
  end;

  { Raised where the translation kept a VB statement as a comment: error 17 to On Error handlers; a
    program's error handler may let it pass and go on, since VB itself would have run the statement. }
  EVbNotTranslated = class(EVbError);

  { VB's Err object. Err.Raise is written Err.&Raise in Pascal. }
  TVbErrObject = class
  private
    FNumber: LongInt;
    FDescription: string;
    FSource: string;
    procedure SetNumber(Value: LongInt);
  public
    HelpFile: string;
    HelpContext: LongInt;
    LastDllError: LongInt;
    procedure Clear;
    procedure &Raise(Number: LongInt); overload;
    procedure &Raise(Number: LongInt; const Source: string); overload;
    procedure &Raise(Number: LongInt; const Source, Description: string); overload;
    procedure &Raise(Number: LongInt; const Source, Description, HelpFile: string;
      HelpContext: LongInt = 0); overload;
    property Number: LongInt read FNumber write SetNumber;
    property Description: string read FDescription write FDescription;
    property Source: string read FSource write FSource;
  end;

const
  VbErrIndexCheck = 9;

{ The Err object of the running program. }
function Err: TVbErrObject;
{ Erl: line numbers are not tracked, so always 0 as in VB code without numbered lines. }
function VbErl: LongInt;
{ VB's standard message for an error number (the Error function). }
function VbError(Number: LongInt): string; overload;
function VbError: string; overload;
function VbErrorMessage(Number: LongInt): string;
{ Raises error Number with VB's message (the Error statement and the runtime's own checks). }
procedure VbRaiseError(Number: LongInt); overload;
procedure VbRaiseError(Number: LongInt; const Description: string); overload;
{ The statement at Line of the VB file Module was not translated; What says why. }
procedure VbNotTranslated(const Module: string; Line: LongInt; const What: string);
{ Fills Err from a caught exception, mapping Pascal's exceptions to VB's numbers. }
procedure VbCaptureError(E: Exception);
{ The VB error number a Pascal exception stands for. }
function VbErrorNumberOf(E: Exception): LongInt;
{ Some RTL date routines (Now, DecodeDate, FormatDateTime) leave the floating-point invalid-operation
  flag set, and the next real fault would then be reported as an invalid operation instead of what it
  is; the runtime clears the flag after using them. }
procedure VbClearFloatFlags;
{ The project name used as Err.Source; the translated program sets it. }
var
  VbProjectName: string = 'Project1';

implementation

uses
  Variants, Math;

var
  TheErr: TVbErrObject;

constructor EVbError.CreateVb(ANumber: LongInt; const ASource, ADescription: string);
var
  Text: string;
begin
  Text := ADescription;
  if Text = '' then
    Text := VbErrorMessage(ANumber);
  inherited Create(Text);
  FNumber := ANumber;
  FSource := ASource;
  if FSource = '' then
    FSource := VbProjectName;
  FDescription := Text;
end;

procedure TVbErrObject.SetNumber(Value: LongInt);
begin
  FNumber := Value;
end;

procedure TVbErrObject.Clear;
begin
  FNumber := 0;
  FDescription := '';
  FSource := '';
  HelpFile := '';
  HelpContext := 0;
end;

procedure TVbErrObject.&Raise(Number: LongInt);
begin
  raise EVbError.CreateVb(Number);
end;

procedure TVbErrObject.&Raise(Number: LongInt; const Source: string);
begin
  raise EVbError.CreateVb(Number, Source);
end;

procedure TVbErrObject.&Raise(Number: LongInt; const Source, Description: string);
begin
  raise EVbError.CreateVb(Number, Source, Description);
end;

procedure TVbErrObject.&Raise(Number: LongInt; const Source, Description, HelpFile: string;
  HelpContext: LongInt);
begin
  raise EVbError.CreateVb(Number, Source, Description);
end;

procedure VbClearFloatFlags;
begin
  ClearExceptions(False);
end;

function Err: TVbErrObject;
begin
  Result := TheErr;
end;

function VbErl: LongInt;
begin
  Result := 0;
end;

function VbErrorMessage(Number: LongInt): string;
begin
  case Number of
    0: Result := '';
    3: Result := 'Return without GoSub';
    5: Result := 'Invalid procedure call or argument';
    6: Result := 'Overflow';
    7: Result := 'Out of memory';
    9: Result := 'Subscript out of range';
    10: Result := 'This array is fixed or temporarily locked';
    11: Result := 'Division by zero';
    13: Result := 'Type mismatch';
    14: Result := 'Out of string space';
    16: Result := 'Expression too complex';
    17: Result := 'Can''t perform requested operation';
    18: Result := 'User interrupt occurred';
    20: Result := 'Resume without error';
    28: Result := 'Out of stack space';
    35: Result := 'Sub or Function not defined';
    47: Result := 'Too many DLL application clients';
    48: Result := 'Error in loading DLL';
    49: Result := 'Bad DLL calling convention';
    51: Result := 'Internal error';
    52: Result := 'Bad file name or number';
    53: Result := 'File not found';
    54: Result := 'Bad file mode';
    55: Result := 'File already open';
    57: Result := 'Device I/O error';
    58: Result := 'File already exists';
    59: Result := 'Bad record length';
    61: Result := 'Disk full';
    62: Result := 'Input past end of file';
    63: Result := 'Bad record number';
    67: Result := 'Too many files';
    68: Result := 'Device unavailable';
    70: Result := 'Permission denied';
    71: Result := 'Disk not ready';
    74: Result := 'Can''t rename with different drive';
    75: Result := 'Path/File access error';
    76: Result := 'Path not found';
    91: Result := 'Object variable or With block variable not set';
    92: Result := 'For loop not initialized';
    93: Result := 'Invalid pattern string';
    94: Result := 'Invalid use of Null';
    97: Result := 'Can not call friend function on object which is not an instance of defining class';
    98: Result := 'A property or method call cannot include a reference to a private object, either as an argument or as a return value';
    298: Result := 'System DLL could not be loaded';
    320: Result := 'Can''t use character device names in specified file names';
    321: Result := 'Invalid file format';
    322: Result := 'Can''t create necessary temporary file';
    325: Result := 'Invalid format in resource file';
    327: Result := 'Data value named not found';
    328: Result := 'Illegal parameter; can''t write arrays';
    335: Result := 'Could not access system registry';
    336: Result := 'Component not correctly registered';
    337: Result := 'Component not found';
    338: Result := 'Component did not run correctly';
    360: Result := 'Object already loaded';
    361: Result := 'Can''t load or unload this object';
    363: Result := 'Control specified not found';
    364: Result := 'Object was unloaded';
    365: Result := 'Unable to unload within this context';
    380: Result := 'Invalid property value';
    381: Result := 'Invalid property array index';
    382: Result := 'Set not supported at runtime';
    383: Result := 'Set not supported (read-only property)';
    385: Result := 'Need property array index';
    387: Result := 'Set not permitted';
    393: Result := 'Get not supported at runtime';
    394: Result := 'Get not supported (write-only property)';
    400: Result := 'Form already displayed; can''t show modally';
    402: Result := 'Code must close topmost modal form first';
    419: Result := 'Permission to use object denied';
    422: Result := 'Property not found';
    423: Result := 'Property or method not found';
    424: Result := 'Object required';
    425: Result := 'Invalid object use';
    429: Result := 'ActiveX component can''t create object';
    430: Result := 'Class does not support Automation or does not support expected interface';
    432: Result := 'File name or class name not found during Automation operation';
    438: Result := 'Object doesn''t support this property or method';
    440: Result := 'Automation error';
    442: Result := 'Connection to type library or object library for remote process has been lost. Press OK for dialog to remove reference.';
    443: Result := 'Automation object does not have a default value';
    445: Result := 'Object doesn''t support this action';
    446: Result := 'Object doesn''t support named arguments';
    447: Result := 'Object doesn''t support current locale setting';
    448: Result := 'Named argument not found';
    449: Result := 'Argument not optional';
    450: Result := 'Wrong number of arguments or invalid property assignment';
    451: Result := 'Property let procedure not defined and property get procedure did not return an object';
    452: Result := 'Invalid ordinal';
    453: Result := 'Specified DLL function not found';
    454: Result := 'Code resource not found';
    455: Result := 'Code resource lock error';
    457: Result := 'This key is already associated with an element of this collection';
    458: Result := 'Variable uses an Automation type not supported in Visual Basic';
    459: Result := 'Object or class does not support the set of events';
    460: Result := 'Invalid clipboard format';
    461: Result := 'Method or data member not found';
    462: Result := 'The remote server machine does not exist or is unavailable';
    463: Result := 'Class not registered on local machine';
    481: Result := 'Invalid picture';
    482: Result := 'Printer error';
    735: Result := 'Can''t save file to TEMP';
    744: Result := 'Search text not found';
    746: Result := 'Replacements too long';
  else
    Result := 'Application-defined or object-defined error';
  end;
end;

function VbError(Number: LongInt): string;
begin
  Result := VbErrorMessage(Number);
end;

function VbError: string;
begin
  Result := TheErr.Description;
end;

procedure VbRaiseError(Number: LongInt);
begin
  raise EVbError.CreateVb(Number);
end;

procedure VbRaiseError(Number: LongInt; const Description: string);
begin
  raise EVbError.CreateVb(Number, '', Description);
end;

procedure VbNotTranslated(const Module: string; Line: LongInt; const What: string);
begin
  raise EVbNotTranslated.CreateVb(17, Module, 'Not translated: ' + What + ' (' + Module + ', line ' +
    IntToStr(Line) + ')');
end;

function InOutErrorNumber(Code: LongInt): LongInt;
begin
  case Code of
    2: Result := 53;           { file not found }
    3: Result := 76;           { path not found }
    4: Result := 67;           { too many open files }
    5, 13: Result := 75;       { access denied }
    6: Result := 52;           { invalid handle }
    15: Result := 68;          { invalid drive }
    17: Result := 74;          { not same device }
    100: Result := 62;         { read past end of file }
    101: Result := 61;         { disk write error }
    102, 103: Result := 52;    { file not assigned / not open }
    104, 105: Result := 54;    { not open for input / output }
    106: Result := 13;         { invalid numeric input }
    150..162: Result := 57;
  else
    Result := 57;
  end;
end;

function VbErrorNumberOf(E: Exception): LongInt;
begin
  if E is EVbError then
    Result := EVbError(E).Number
  else if (E is EDivByZero) or (E is EZeroDivide) then
    Result := 11
  else if (E is EIntOverflow) or (E is EOverflow) or (E is ERangeError) then
    Result := 6
  else if E is EVariantError then
  begin
    if Pos('NULL', UpperCase(E.Message)) > 0 then
      Result := 94
    else
      Result := 13;
  end
  else if E is EConvertError then
    Result := 13
  else if E is EInOutError then
    Result := InOutErrorNumber(EInOutError(E).ErrorCode)
  else if E is EOutOfMemory then
    Result := 7
  else if E is EStackOverflow then
    Result := 28
  else if E is EAccessViolation then
    Result := 91
  else if E is EInvalidCast then
    Result := 13
  else if E is EInvalidOp then
    Result := 6
  else
    Result := 440;
end;

procedure VbCaptureError(E: Exception);
var
  Number: LongInt;
begin
  Number := VbErrorNumberOf(E);
  TheErr.FNumber := Number;
  if E is EVbError then
  begin
    TheErr.FDescription := EVbError(E).Description;
    TheErr.FSource := EVbError(E).Source;
  end
  else
  begin
    if Number = 440 then
      TheErr.FDescription := E.Message
    else
      TheErr.FDescription := VbErrorMessage(Number);
    TheErr.FSource := VbProjectName;
  end;
end;

initialization
  TheErr := TVbErrObject.Create;

finalization
  TheErr.Free;

end.
