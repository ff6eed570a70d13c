{$IFDEF FPC}{$MODE DelphiUnicode}{$ENDIF}
{ VB's file I/O by file number (Open, Close, Print #, Write #, Input #, Line Input #, Input, Get, Put,
  EOF, LOF, Loc, Seek, FreeFile) and the file system statements (Kill, Dir, FileLen, MkDir, RmDir,
  Name, FileCopy, FileDateTime, GetAttr, SetAttr, CurDir, ChDir). Text is written and read as Windows
  code page 1252 as VB does; a text line ends in CR LF, and reading accepts CR LF, LF or CR. }
unit VrFiles;

interface

type
  TVbOpenMode = (vbomInput, vbomOutput, vbomAppend, vbomBinary, vbomRandom);
  TVbOpenAccess = (vboaDefault, vboaRead, vboaWrite, vboaReadWrite);
  TVbOpenLock = (vbolDefault, vbolShared, vbolRead, vbolWrite, vbolReadWrite);

{ Open PathName For Mode [Access] [Lock] As #FileNumber [Len = RecordLength]; RecordLength 0: omitted.
  Locks are not enforced. }
procedure VbOpen(const PathName: string; Mode: TVbOpenMode; FileNumber: LongInt; RecordLength: LongInt = 0;
  Access: TVbOpenAccess = vboaDefault; Lock: TVbOpenLock = vbolDefault);
procedure VbClose(FileNumber: LongInt);
{ Close without file numbers (and Reset): closes every open file. }
procedure VbCloseAll;
function VbFreeFile(RangeNumber: LongInt = 0): SmallInt;
{ Print #FileNumber, items (see VrPrintList for the separators). }
procedure VbPrintToFile(FileNumber: LongInt; const Items: array of Variant; const Seps: string);
{ Write #FileNumber, items: comma-separated, strings quoted, #TRUE#, #NULL#, #yyyy-mm-dd#. }
procedure VbWriteToFile(FileNumber: LongInt; const Items: array of Variant; const Seps: string = '');
{ Input #FileNumber, v: the next field; quoted text and unquoted words are strings, numbers Double,
  #TRUE#/#FALSE# Boolean, #NULL# Null, #date# Date, an empty field Empty. }
function VbInputField(FileNumber: LongInt): Variant;
function VbLineInput(FileNumber: LongInt): string;
{ Input(Number, #FileNumber): Number characters as they are. }
function VbInput(Number, FileNumber: LongInt): string;
function VbEOF(FileNumber: LongInt): Boolean;
function VbLOF(FileNumber: LongInt): LongInt;
function VbLoc(FileNumber: LongInt): LongInt;
function VbSeek(FileNumber: LongInt): LongInt;
{ The Seek statement. }
procedure VbSeekSet(FileNumber, Position: LongInt);
{ Get/Put #FileNumber, [RecordNumber], data. RecordNumber 0 means omitted (the current position).
  Data of a fixed size (numbers, records of them) go through the untyped forms with their SizeOf;
  strings through the String forms: as many bytes as the string has characters, in Random files
  after a 2-byte length. }
procedure VbGet(FileNumber, RecordNumber: LongInt; var Data; Size: LongInt);
procedure VbPut(FileNumber, RecordNumber: LongInt; const Data; Size: LongInt);
procedure VbGetString(FileNumber, RecordNumber: LongInt; var S: string);
procedure VbPutString(FileNumber, RecordNumber: LongInt; const S: string);

procedure VbKill(const PathName: string);
function VbDir(const PathName: string; Attributes: LongInt = 0): string; overload;
function VbDir: string; overload;
function VbFileLen(const PathName: string): LongInt;
procedure VbMkDir(const Path: string);
procedure VbRmDir(const Path: string);
procedure VbName(const OldPathName, NewPathName: string);
procedure VbFileCopy(const Source, Destination: string);
function VbFileDateTime(const PathName: string): TDateTime;
function VbGetAttr(const PathName: string): SmallInt;
procedure VbSetAttr(const PathName: string; Attributes: SmallInt);
function VbCurDir: string; overload;
function VbCurDir(const Drive: string): string; overload;
procedure VbChDir(const Path: string);
{ Drives exist on Windows only; elsewhere ChDrive accepts and ignores them. }
procedure VbChDrive(const Drive: string);

implementation

uses
  SysUtils, Classes, Variants, VrErrors, VrConvert, VrStrings, VrPrintList;

const
  MaxFiles = 511;

type
  TVbFile = class
    { Input files are read whole into memory, so reading them goes byte by byte without a system
      call each time. }
    Stream: TStream;
    FileName: string;
    Mode: TVbOpenMode;
    RecordLength: LongInt;
    PrintState: TVbPrintState;
    LastRecord: LongInt;
    destructor Destroy; override;
  end;

var
  Files: array[1..MaxFiles] of TVbFile;
  DirResults: TStringList;
  DirIndex: Integer;

destructor TVbFile.Destroy;
begin
  Stream.Free;
  inherited Destroy;
end;

function EncodeText(const S: string): RawByteString;
var
  I: Integer;
begin
  SetLength(Result, Length(S));
  for I := 1 to Length(S) do
    Result[I] := AnsiChar(VbAnsiByteOf(S[I]));
end;

function FileOf(FileNumber: LongInt): TVbFile;
begin
  if (FileNumber < 1) or (FileNumber > MaxFiles) or (Files[FileNumber] = nil) then
    VbRaiseError(52);
  Result := Files[FileNumber];
end;

function FileIn(FileNumber: LongInt; const Modes: array of TVbOpenMode): TVbFile;
var
  I: Integer;
begin
  Result := FileOf(FileNumber);
  for I := 0 to High(Modes) do
    if Result.Mode = Modes[I] then
      Exit;
  VbRaiseError(54);
end;

function OsErrorNumber(Code: Integer; const PathName: string): LongInt;
begin
  case Code of
    2: Result := 53;
    3, 20: Result := 76;
    13, 1, 5: Result := 75;
    17: Result := 58;
    21: Result := 75;
    24: Result := 67;
    28: Result := 61;
    30: Result := 75;
    36: Result := 52;
  else
    if FileExists(PathName) then
      Result := 75
    else if not DirectoryExists(ExtractFileDir(ExpandFileName(PathName))) then
      Result := 76
    else
      Result := 53;
  end;
end;

procedure RaiseFromOs(const PathName: string);
begin
  VbRaiseError(OsErrorNumber(GetLastOSError, PathName));
end;

{ Whether PathName is open under some number; WritersOnly counts only Output and Append, the modes
  that keep a file to one number. }
function IsAlreadyOpen(const PathName: string; WritersOnly: Boolean = False): Boolean;
var
  I: Integer;
  Full: string;
begin
  Full := ExpandFileName(PathName);
  for I := 1 to MaxFiles do
    if (Files[I] <> nil) and (not WritersOnly or (Files[I].Mode in [vbomOutput, vbomAppend])) and
      SameFileName(Files[I].FileName, Full) then
      Exit(True);
  Result := False;
end;

procedure VbOpen(const PathName: string; Mode: TVbOpenMode; FileNumber: LongInt; RecordLength: LongInt;
  Access: TVbOpenAccess; Lock: TVbOpenLock);
var
  Entry: TVbFile;
  Stream: TStream;
  Full: string;
  Code: Integer;
  Flags: Word;
begin
  if (FileNumber < 1) or (FileNumber > MaxFiles) then
    VbRaiseError(52);
  if Files[FileNumber] <> nil then
    VbRaiseError(55);
  if (PathName = '') or (RecordLength < 0) or (RecordLength > 32767) then
    VbRaiseError(5);
  Full := ExpandFileName(PathName);
  if DirectoryExists(Full) then
    VbRaiseError(75);
  if IsAlreadyOpen(Full, not (Mode in [vbomOutput, vbomAppend])) then
    VbRaiseError(55);
  Stream := nil;
  try
    case Mode of
      vbomInput:
        begin
          if not FileExists(Full) then
            VbRaiseError(53);
          Stream := TMemoryStream.Create;
          TMemoryStream(Stream).LoadFromFile(Full);
        end;
      vbomOutput:
        Stream := TFileStream.Create(Full, fmCreate);
      vbomAppend:
        begin
          if FileExists(Full) then
          begin
            Stream := TFileStream.Create(Full, fmOpenReadWrite or fmShareDenyNone);
            Stream.Seek(0, soEnd);
          end
          else
            Stream := TFileStream.Create(Full, fmCreate);
        end;
    else
      begin
        if Access = vboaRead then
        begin
          if not FileExists(Full) then
            VbRaiseError(53);
          Flags := fmOpenRead;
        end
        else if not FileExists(Full) then
          Flags := fmCreate
        else if Access = vboaWrite then
          Flags := fmOpenWrite
        else
          Flags := fmOpenReadWrite;
        Stream := TFileStream.Create(Full, Flags or fmShareDenyNone);
      end;
    end;
  except
    on E: Exception do
    begin
      Code := GetLastOSError;
      Stream.Free;
      if E is EVbError then
        raise;
      VbRaiseError(OsErrorNumber(Code, Full));
    end;
  end;
  Entry := TVbFile.Create;
  Entry.Stream := Stream;
  Entry.FileName := Full;
  Entry.Mode := Mode;
  if RecordLength = 0 then
    if Mode = vbomRandom then
      RecordLength := 128
    else
      RecordLength := 1;
  if Mode = vbomBinary then
    RecordLength := 1;
  Entry.RecordLength := RecordLength;
  Files[FileNumber] := Entry;
end;

procedure VbClose(FileNumber: LongInt);
begin
  if (FileNumber < 1) or (FileNumber > MaxFiles) then
    VbRaiseError(52);
  FreeAndNil(Files[FileNumber]);
end;

procedure VbCloseAll;
var
  I: Integer;
begin
  for I := 1 to MaxFiles do
    FreeAndNil(Files[I]);
end;

function VbFreeFile(RangeNumber: LongInt): SmallInt;
var
  I, First, Last: Integer;
begin
  case RangeNumber of
    0: begin First := 1; Last := 255; end;
    1: begin First := 256; Last := 511; end;
  else
    VbRaiseError(5);
    First := 1; Last := 0;
  end;
  for I := First to Last do
    if Files[I] = nil then
      Exit(I);
  VbRaiseError(67);
  Result := 0;
end;

procedure WriteText(F: TVbFile; const S: string);
var
  Bytes: RawByteString;
begin
  if S = '' then
    Exit;
  Bytes := EncodeText(S);
  try
    F.Stream.WriteBuffer(Bytes[1], Length(Bytes));
  except
    on E: EStreamError do
      VbRaiseError(61);
  end;
end;

procedure VbPrintToFile(FileNumber: LongInt; const Items: array of Variant; const Seps: string);
var
  F: TVbFile;
begin
  F := FileIn(FileNumber, [vbomOutput, vbomAppend]);
  WriteText(F, VbFormatPrintList(F.PrintState, Items, Seps, #13#10));
end;

function WriteItemText(const Item: Variant): string;
begin
  case VarType(Item) of
    varEmpty: Result := '';
    varNull: Result := '#NULL#';
    varBoolean: if Item then Result := '#TRUE#' else Result := '#FALSE#';
    varError: Result := '#ERROR ' + IntToStr(TVarData(Item).VError) + '#';
    varDate:
      begin
        if Int(TVarData(Item).VDate) = 0 then
          Result := '#' + FormatDateTime('hh:nn:ss', TVarData(Item).VDate) + '#'
        else if Frac(TVarData(Item).VDate) = 0 then
          Result := '#' + FormatDateTime('yyyy-mm-dd', TVarData(Item).VDate) + '#'
        else
          Result := '#' + FormatDateTime('yyyy-mm-dd hh:nn:ss', TVarData(Item).VDate) + '#';
        VbClearFloatFlags;
      end;
  else
    if VbIsStringVar(Item) then
      Result := '"' + VbCStr(Item) + '"'
    else
      Result := VbCStr(Item);
  end;
end;

procedure VbWriteToFile(FileNumber: LongInt; const Items: array of Variant; const Seps: string);
var
  F: TVbFile;
  I: Integer;
  Text: string;
begin
  F := FileIn(FileNumber, [vbomOutput, vbomAppend]);
  Text := '';
  for I := 0 to High(Items) do
  begin
    if I > 0 then
      Text := Text + ',';
    Text := Text + WriteItemText(Items[I]);
  end;
  if (Seps <> '') and CharInSet(Seps[Length(Seps)], [';', ',']) and (Length(Seps) >= Length(Items)) then
    Text := Text + ','
  else
    Text := Text + #13#10;
  WriteText(F, Text);
  F.PrintState.Column := 0;
end;

function AtEnd(F: TVbFile): Boolean;
begin
  Result := F.Stream.Position >= F.Stream.Size;
end;

function ReadByte(F: TVbFile; out B: Byte): Boolean;
begin
  Result := F.Stream.Read(B, 1) = 1;
end;

procedure Unread(F: TVbFile);
begin
  F.Stream.Seek(-1, soCurrent);
end;

function VbLineInput(FileNumber: LongInt): string;
var
  F: TVbFile;
  B: Byte;
begin
  F := FileIn(FileNumber, [vbomInput, vbomBinary]);
  if AtEnd(F) then
    VbRaiseError(62);
  Result := '';
  while ReadByte(F, B) do
  begin
    if B = 10 then
      Break;
    if B = 13 then
    begin
      if ReadByte(F, B) and (B <> 10) then
        Unread(F);
      Break;
    end;
    Result := Result + VbAnsiCharOf(B);
  end;
end;

function VbInputField(FileNumber: LongInt): Variant;
var
  F: TVbFile;
  B: Byte;
  Text: string;
  Quoted: Boolean;
  X: Double;
  D: TDateTime;
begin
  F := FileIn(FileNumber, [vbomInput, vbomBinary]);
  repeat
    if not ReadByte(F, B) then
      VbRaiseError(62);
  until not (B in [32, 9]);
  Text := '';
  Quoted := B = Ord('"');
  if Quoted then
  begin
    while ReadByte(F, B) and (B <> Ord('"')) do
      Text := Text + VbAnsiCharOf(B);
    { skip to the delimiter after the closing quote }
    while ReadByte(F, B) and not (B in [Ord(','), 10, 13]) do
      ;
  end
  else
    while not (B in [Ord(','), 10, 13]) do
    begin
      Text := Text + VbAnsiCharOf(B);
      if not ReadByte(F, B) then
      begin
        B := 0;
        Break;
      end;
    end;
  if B = 13 then
  begin
    if ReadByte(F, B) and (B <> 10) then
      Unread(F);
  end;
  if Quoted then
    Exit(Text);
  Text := TrimRight(Text);
  if Text = '' then
    Exit(Unassigned);
  if (Length(Text) > 2) and (Text[1] = '#') and (Text[Length(Text)] = '#') then
  begin
    Text := Copy(Text, 2, Length(Text) - 2);
    if SameText(Text, 'TRUE') then
      Exit(True);
    if SameText(Text, 'FALSE') then
      Exit(False);
    if SameText(Text, 'NULL') then
      Exit(Null);
    if SameText(Copy(Text, 1, 6), 'ERROR ') then
      Exit(VbCVErr(StrToIntDef(Copy(Text, 7, MaxInt), 0)));
    if VbTryStrToDate(Text, D) then
      Exit(VarFromDateTime(D));
  end;
  if VbTryStrToNumber(Text, X) then
    Result := X
  else
    Result := Text;
end;

function VbInput(Number, FileNumber: LongInt): string;
var
  F: TVbFile;
  Bytes: RawByteString;
  I: Integer;
begin
  F := FileIn(FileNumber, [vbomInput, vbomBinary]);
  if Number < 0 then
    VbRaiseError(5);
  if F.Stream.Size - F.Stream.Position < Number then
    VbRaiseError(62);
  SetLength(Bytes, Number);
  if Number > 0 then
    F.Stream.ReadBuffer(Bytes[1], Number);
  SetLength(Result, Number);
  for I := 1 to Number do
    Result[I] := VbAnsiCharOf(Ord(Bytes[I]));
end;

function VbEOF(FileNumber: LongInt): Boolean;
var
  F: TVbFile;
begin
  F := FileOf(FileNumber);
  if F.Mode in [vbomBinary, vbomRandom] then
    Result := F.Stream.Position >= F.Stream.Size
  else
    Result := AtEnd(F);
end;

function VbLOF(FileNumber: LongInt): LongInt;
begin
  Result := FileOf(FileNumber).Stream.Size;
end;

function VbLoc(FileNumber: LongInt): LongInt;
var
  F: TVbFile;
begin
  F := FileOf(FileNumber);
  case F.Mode of
    vbomRandom: Result := F.LastRecord;
    vbomBinary: Result := F.Stream.Position;
  else
    Result := (F.Stream.Position + 127) div 128;
  end;
end;

function VbSeek(FileNumber: LongInt): LongInt;
var
  F: TVbFile;
begin
  F := FileOf(FileNumber);
  if F.Mode = vbomRandom then
    Result := F.Stream.Position div F.RecordLength + 1
  else
    Result := F.Stream.Position + 1;
end;

procedure VbSeekSet(FileNumber, Position: LongInt);
var
  F: TVbFile;
begin
  F := FileOf(FileNumber);
  if Position < 1 then
    VbRaiseError(63);
  if F.Mode = vbomRandom then
    F.Stream.Position := Int64(Position - 1) * F.RecordLength
  else
    F.Stream.Position := Position - 1;
end;

{ Moves to record RecordNumber (0: stays) and returns where the record starts. }
function PositionFor(F: TVbFile; RecordNumber: LongInt): Int64;
begin
  if RecordNumber < 0 then
    VbRaiseError(63);
  if RecordNumber > 0 then
    F.Stream.Position := Int64(RecordNumber - 1) * F.RecordLength;
  if F.Mode = vbomRandom then
    F.LastRecord := F.Stream.Position div F.RecordLength + 1;
  Result := F.Stream.Position;
end;

{ A Random file's record is always RecordLength long, whatever part of it was used. }
procedure EndRecord(F: TVbFile; Start: Int64);
begin
  if (F.Mode = vbomRandom) and (F.Stream.Position - Start > F.RecordLength) then
    VbRaiseError(59);
  if F.Mode = vbomRandom then
    F.Stream.Position := Start + F.RecordLength;
end;

procedure ReadRaw(F: TVbFile; var Data; Size: LongInt);
var
  Start: Int64;
begin
  if (F.Mode = vbomRandom) and (Size > F.RecordLength) then
    VbRaiseError(59);
  Start := F.Stream.Position;
  FillChar(Data, Size, 0);
  if F.Stream.Read(Data, Size) < Size then
    F.Stream.Position := Start + Size;
end;

procedure WriteRaw(F: TVbFile; const Data; Size: LongInt);
begin
  if (F.Mode = vbomRandom) and (Size > F.RecordLength) then
    VbRaiseError(59);
  try
    F.Stream.WriteBuffer(Data, Size);
  except
    on E: EStreamError do
      VbRaiseError(61);
  end;
end;

procedure VbGet(FileNumber, RecordNumber: LongInt; var Data; Size: LongInt);
var
  F: TVbFile;
  Start: Int64;
begin
  F := FileIn(FileNumber, [vbomBinary, vbomRandom]);
  Start := PositionFor(F, RecordNumber);
  ReadRaw(F, Data, Size);
  EndRecord(F, Start);
end;

procedure VbPut(FileNumber, RecordNumber: LongInt; const Data; Size: LongInt);
var
  F: TVbFile;
  Start: Int64;
begin
  F := FileIn(FileNumber, [vbomBinary, vbomRandom]);
  Start := PositionFor(F, RecordNumber);
  WriteRaw(F, Data, Size);
  EndRecord(F, Start);
end;

function ReadText(F: TVbFile; Count: LongInt): string;
var
  Bytes: RawByteString;
  I: Integer;
begin
  SetLength(Bytes, Count);
  if Count > 0 then
    ReadRaw(F, Bytes[1], Count);
  SetLength(Result, Count);
  for I := 1 to Count do
    Result[I] := VbAnsiCharOf(Ord(Bytes[I]));
end;

procedure VbGetString(FileNumber, RecordNumber: LongInt; var S: string);
var
  F: TVbFile;
  Start: Int64;
  Count: Word;
begin
  F := FileIn(FileNumber, [vbomBinary, vbomRandom]);
  Start := PositionFor(F, RecordNumber);
  if F.Mode = vbomRandom then
  begin
    ReadRaw(F, Count, SizeOf(Count));
    S := ReadText(F, Count);
  end
  else
    S := ReadText(F, Length(S));
  EndRecord(F, Start);
end;

procedure VbPutString(FileNumber, RecordNumber: LongInt; const S: string);
var
  F: TVbFile;
  Start: Int64;
  Bytes: RawByteString;
  Count: Word;
begin
  F := FileIn(FileNumber, [vbomBinary, vbomRandom]);
  Start := PositionFor(F, RecordNumber);
  Bytes := EncodeText(S);
  if F.Mode = vbomRandom then
  begin
    Count := Length(Bytes);
    WriteRaw(F, Count, SizeOf(Count));
  end;
  if Bytes <> '' then
    WriteRaw(F, Bytes[1], Length(Bytes));
  EndRecord(F, Start);
end;

{ ---- file system ---- }

{ Hidden: the attribute on Windows, a name starting with a dot elsewhere. }
function IsHidden(const Name: string; Attr: LongInt): Boolean;
begin
  {$IFDEF MSWINDOWS}
  Result := Attr and faHidden <> 0;
  {$ELSE}
  Result := (Name <> '') and (Name[1] = '.');
  {$ENDIF}
end;

function HasWildcards(const S: string): Boolean;
begin
  Result := (Pos('*', S) > 0) or (Pos('?', S) > 0);
end;

{ Windows' matching of names: without case, '*' any run, '?' one character. }
function WildMatch(const Name, Pattern: string; N, P: Integer): Boolean;
begin
  while P <= Length(Pattern) do
  begin
    if Pattern[P] = '*' then
    begin
      while (P <= Length(Pattern)) and (Pattern[P] = '*') do
        Inc(P);
      if P > Length(Pattern) then
        Exit(True);
      while N <= Length(Name) do
      begin
        if WildMatch(Name, Pattern, N, P) then
          Exit(True);
        Inc(N);
      end;
      Exit(False);
    end;
    if (N > Length(Name)) or ((Pattern[P] <> '?') and (Pattern[P] <> Name[N])) then
      Exit(False);
    Inc(N);
    Inc(P);
  end;
  Result := N > Length(Name);
end;

{ The entries of PathName's folder whose names match its last part, sorted as Windows lists them. }
procedure ListMatches(const PathName: string; WithFolders, WithHidden: Boolean; Names: TStringList);
var
  Found: TSearchRec;
  Folder, Mask: string;
begin
  Folder := ExtractFilePath(PathName);
  Mask := VbLCase(ExtractFileName(PathName));
  if (Mask = '') or (Mask = '*.*') then
    Mask := '*';
  if FindFirst(Folder + '*', faAnyFile or faDirectory, Found) = 0 then
  try
    repeat
      if ((Found.Name = '.') or (Found.Name = '..')) and not (WithFolders and (Folder <> '')) then
        Continue;
      if (Found.Attr and faDirectory <> 0) and not WithFolders then
        Continue;
      if IsHidden(Found.Name, Found.Attr) and not WithHidden and (Found.Name <> '.') and (Found.Name <> '..') then
        Continue;
      if WildMatch(VbLCase(Found.Name), Mask, 1, 1) then
        Names.Add(Found.Name);
    until FindNext(Found) <> 0;
  finally
    FindClose(Found);
  end;
  Names.Sort;
end;

procedure VbKill(const PathName: string);
var
  Names: TStringList;
  Folder: string;
  I: Integer;
begin
  if PathName = '' then
    VbRaiseError(5);
  Names := TStringList.Create;
  try
    ListMatches(PathName, False, False, Names);
    if Names.Count = 0 then
      VbRaiseError(53);
    Folder := ExtractFilePath(PathName);
    for I := 0 to Names.Count - 1 do
      if IsAlreadyOpen(Folder + Names[I]) then
        VbRaiseError(55);
    for I := 0 to Names.Count - 1 do
      if not DeleteFile(Folder + Names[I]) then
        VbRaiseError(75);
  finally
    Names.Free;
  end;
end;

function VbDir(const PathName: string; Attributes: LongInt): string;
begin
  DirResults.Clear;
  DirIndex := 0;
  if (ExtractFileName(PathName) <> '') and not HasWildcards(PathName) and DirectoryExists(PathName) then
  begin
    { a folder named exactly is listed only when folders are asked for }
    if Attributes and 16 <> 0 then
      DirResults.Add(ExtractFileName(PathName));
  end
  else
    ListMatches(PathName, Attributes and 16 <> 0, Attributes and 2 <> 0, DirResults);
  Result := VbDir;
end;

function VbDir: string;
begin
  if DirIndex >= DirResults.Count then
    Exit('');
  Result := DirResults[DirIndex];
  Inc(DirIndex);
end;

function VbFileLen(const PathName: string): LongInt;
var
  Found: TSearchRec;
begin
  if FindFirst(PathName, faAnyFile, Found) <> 0 then
    VbRaiseError(53);
  try
    Result := Found.Size;
  finally
    FindClose(Found);
  end;
end;

procedure VbMkDir(const Path: string);
begin
  if Path = '' then
    VbRaiseError(5);
  if FileExists(Path) or DirectoryExists(Path) then
    VbRaiseError(75);
  if not CreateDir(Path) then
    VbRaiseError(76);
end;

procedure VbRmDir(const Path: string);
begin
  if Path = '' then
    VbRaiseError(5);
  if not DirectoryExists(Path) then
    VbRaiseError(76);
  if not RemoveDir(Path) then
    VbRaiseError(75);
end;

procedure VbName(const OldPathName, NewPathName: string);
begin
  if not FileExists(OldPathName) and not DirectoryExists(OldPathName) then
    VbRaiseError(53);
  if FileExists(NewPathName) or DirectoryExists(NewPathName) then
    VbRaiseError(58);
  if IsAlreadyOpen(OldPathName) then
    VbRaiseError(55);
  if not RenameFile(OldPathName, NewPathName) then
    VbRaiseError(75);
end;

procedure VbFileCopy(const Source, Destination: string);
var
  Input, Output: TFileStream;
begin
  if not FileExists(Source) then
    VbRaiseError(53);
  if IsAlreadyOpen(Source) or IsAlreadyOpen(Destination) then
    VbRaiseError(55);
  Output := nil;
  Input := nil;
  try
    try
      Input := TFileStream.Create(Source, fmOpenRead or fmShareDenyNone);
      Output := TFileStream.Create(Destination, fmCreate);
      Output.CopyFrom(Input, 0);
    except
      on E: EVbError do
        raise;
      on E: EStreamError do
        if Output = nil then
          RaiseFromOs(Destination)
        else
          VbRaiseError(61);
    end;
  finally
    Output.Free;
    Input.Free;
  end;
end;

function VbFileDateTime(const PathName: string): TDateTime;
begin
  if not FileExists(PathName) and not DirectoryExists(PathName) then
    VbRaiseError(53);
  if not FileAge(PathName, Result) then
    VbRaiseError(53);
  VbClearFloatFlags;
  Result := Int(Result) + Round(Frac(Result) * 86400) / 86400;
end;

function VbGetAttr(const PathName: string): SmallInt;
var
  Attr: LongInt;
begin
  Attr := FileGetAttr(PathName);
  if Attr = -1 then
    VbRaiseError(53);
  Result := 0;
  if Attr and faReadOnly <> 0 then Result := Result or 1;
  if IsHidden(ExtractFileName(ExcludeTrailingPathDelimiter(PathName)), Attr) then Result := Result or 2;
  if Attr and faDirectory <> 0 then Result := Result or 16;
  if (Attr and faArchive <> 0) then Result := Result or 32;
end;

procedure VbSetAttr(const PathName: string; Attributes: SmallInt);
var
  Attr: LongInt;
begin
  if not FileExists(PathName) then
    VbRaiseError(53);
  Attr := 0;
  if Attributes and 1 <> 0 then Attr := Attr or faReadOnly;
  {$IFDEF MSWINDOWS}
  if Attributes and 2 <> 0 then Attr := Attr or faHidden;
  {$ENDIF}
  if Attributes and 32 <> 0 then Attr := Attr or faArchive;
  if FileSetAttr(PathName, Attr) <> 0 then
    VbRaiseError(75);
end;

function VbCurDir: string;
begin
  Result := GetCurrentDir;
end;

function VbCurDir(const Drive: string): string;
begin
  Result := GetCurrentDir;
end;

procedure VbChDrive(const Drive: string);
begin
  {$IFDEF MSWINDOWS}
  if (Drive <> '') and not SetCurrentDir(Drive[1] + ':') then
    VbRaiseError(68);
  {$ENDIF}
end;

procedure VbChDir(const Path: string);
begin
  if not SetCurrentDir(Path) then
    VbRaiseError(76);
end;

initialization
  DirResults := TStringList.Create;

finalization
  VbCloseAll;
  DirResults.Free;

end.
