{$IFDEF FPC}{$MODE DelphiUnicode}{$ENDIF}
{ File I/O by number, the file system statements, Collection, Rnd and App, run in a scratch folder
  (the current directory the test driver gives). }
program files_test;

uses
  SysUtils, Classes, Variants, RuntimeChecks, VrErrors, VrConstants, VrConvert, VrVariants,
  VrStrings, VrFiles, VrCollections, VrSystem;

function FileBytes(const Name: string): string;
var
  Stream: TFileStream;
  Raw: RawByteString;
  I: Integer;
begin
  Stream := TFileStream.Create(Name, fmOpenRead);
  try
    SetLength(Raw, Stream.Size);
    if Stream.Size > 0 then
      Stream.ReadBuffer(Raw[1], Stream.Size);
  finally
    Stream.Free;
  end;
  Result := '';
  for I := 1 to Length(Raw) do
    if Raw[I] = #13 then
      Result := Result + '\r'
    else if Raw[I] = #10 then
      Result := Result + '\n'
    else if Ord(Raw[I]) >= 128 then
      Result := Result + '<' + IntToStr(Ord(Raw[I])) + '>'
    else
      Result := Result + Char(Raw[I]);
end;

function Fields(FileNumber: Integer): string;
var
  V: Variant;
begin
  Result := '';
  while not VbEOF(FileNumber) do
  begin
    V := VbInputField(FileNumber);
    Result := Result + VbTypeName(V) + ':' + VbCStr(VbConcat(V, '')) + ' ';
  end;
end;

function Enumerated(const C: IVbCollection): string;
var
  V: Variant;
begin
  Result := '';
  for V in C do
    Result := Result + VbCStr(V);
end;

var
  L: LongInt;
  I: SmallInt;
  X: Double;
  S: string;
  C: IVbCollection;
  First: Single;
  Waited: Integer;
begin
  { the generator's first values without Randomize, then a seeded restart }
  First := VbRnd;
  Check('first Rnd', VbCStr(VbSingleVar(First)), '0.7055475');
  Check('second Rnd', VbCStr(VbSingleVar(VbRnd)), '0.533424');
  Check('Rnd(0) repeats', VbCStr(VbSingleVar(VbRnd(0))), '0.533424');
  Check('Rnd(-1)', VbCStr(VbSingleVar(VbRnd(-1))), '0.224007');

  { Print #, Write #, Append }
  Check('FreeFile', IntToStr(VbFreeFile), '1');
  VbOpen('t.txt', vbomOutput, 1);
  Check('FreeFile while 1 is open', IntToStr(VbFreeFile), '2');
  VbPrintToFile(1, ['a', 1], '; ');
  VbPrintToFile(1, ['b', 'c'], ', ');
  VbPrintToFile(1, ['é€', -2.5], ';;');
  VbPrintToFile(1, [], '');
  VbWriteToFile(1, ['x', 5, True, Null, 1.5]);
  VbWriteToFile(1, [VarFromDateTime(EncodeDate(2000, 1, 2))]);
  VbClose(1);
  VbOpen('t.txt', vbomAppend, 1);
  VbPrintToFile(1, ['z'], ' ');
  VbClose(1);
  Check('file text', FileBytes('t.txt'),
    'a 1 \r\nb             c\r\n<233><128>-2.5 \r\n"x",5,#TRUE#,#NULL#,1.5\r\n#2000-01-02#\r\nz\r\n');
  Check('FileLen', IntToStr(VbFileLen('t.txt')), '74');
  { Line Input #, Input #, EOF, LOF }
  VbOpen('t.txt', vbomInput, 1);
  Check('LOF', IntToStr(VbLOF(1)), '74');
  Check('Line Input', VbLineInput(1) + '|' + VbLineInput(1) + '|' + VbLineInput(1), 'a 1 |b             c|é€-2.5 ');
  Check('Input # fields', Fields(1), 'String:x Double:5 Boolean:True Null: Double:1.5 Date:1/2/2000 String:z ');
  try VbLineInput(1); NotRaised('Line Input past end') except on E: Exception do CheckRaised('Line Input past end', E, 62) end;
  try VbPrintToFile(1, ['x'], ' '); NotRaised('Print # to Input file') except on E: Exception do CheckRaised('Print # to Input file', E, 54) end;
  try VbOpen('t.txt', vbomInput, 1); NotRaised('Open open number') except on E: Exception do CheckRaised('Open open number', E, 55) end;
  VbOpen('t.txt', vbomInput, 7);
  VbClose(7);
  try VbOpen('t.txt', vbomOutput, 7); NotRaised('Output of an open file') except on E: Exception do CheckRaised('Output of an open file', E, 55) end;
  try VbKill('t.txt'); NotRaised('Kill of an open file') except on E: Exception do CheckRaised('Kill of an open file', E, 55) end;
  VbClose(1);
  try VbLineInput(1); NotRaised('Line Input closed') except on E: Exception do CheckRaised('Line Input closed', E, 52) end;
  try VbOpen('missing.txt', vbomInput, 1); NotRaised('Open missing') except on E: Exception do CheckRaised('Open missing', E, 53) end;
  try VbOpen('nodir/x.txt', vbomOutput, 1); NotRaised('Open in missing dir') except on E: Exception do CheckRaised('Open in missing dir', E, 76) end;
  { Binary and Random }
  VbOpen('b.bin', vbomBinary, 2);
  L := 258;
  VbPut(2, 0, L, SizeOf(L));
  I := 7;
  VbPut(2, 0, I, SizeOf(I));
  VbPutString(2, 0, 'AB');
  Check('Binary LOF, Seek', IntToStr(VbLOF(2)) + ' ' + IntToStr(VbSeek(2)), '8 9');
  L := 0;
  VbGet(2, 1, L, SizeOf(L));
  I := 0;
  VbGet(2, 0, I, SizeOf(I));
  S := '  ';
  VbGetString(2, 0, S);
  Check('Binary Get', IntToStr(L) + ' ' + IntToStr(I) + ' ' + S + ' ' + IntToStr(VbLoc(2)), '258 7 AB 8');
  VbSeekSet(2, 5);
  I := 0;
  VbGet(2, 0, I, SizeOf(I));
  Check('Seek then Get', IntToStr(I), '7');
  VbClose(2);
  VbOpen('r.bin', vbomRandom, 3, 6);
  L := 7;
  VbPut(3, 3, L, SizeOf(L));
  VbPutString(3, 2, 'abc');
  L := 0;
  VbGet(3, 3, L, SizeOf(L));
  S := '';
  VbGetString(3, 2, S);
  Check('Random Put/Get', IntToStr(VbLOF(3)) + ' ' + IntToStr(L) + ' ' + S + ' ' + IntToStr(VbLoc(3)), '16 7 abc 2');
  try VbPut(3, 1, X, SizeOf(X)); NotRaised('record too long') except on E: Exception do CheckRaised('record too long', E, 59) end;
  try VbPut(3, -1, L, SizeOf(L)); NotRaised('record -1') except on E: Exception do CheckRaised('record -1', E, 63) end;
  VbCloseAll;
  { odd names keep their text }
  VbOpen('é x;1.txt', vbomOutput, 4);
  VbPrintToFile(4, ['ok'], ' ');
  VbClose(4);
  Check('odd name', VbDir('é x;1.txt'), 'é x;1.txt');
  { a device that is always full }
  if ExecuteProcess('/bin/sh', ['-c', 'mknod full c 1 7 2>/dev/null']) = 0 then
  begin
    VbOpen('full', vbomOutput, 5);
    try VbPrintToFile(5, [VbSpace(10000)], ' '); NotRaised('write to full device') except on E: Exception do CheckRaised('write to full device', E, 61) end;
    VbClose(5);
  end
  else
    Writeln('note: no device node (mknod needs root); the full-device row is not run');
  { Kill of a symbolic link removes the link, never its target }
  VbOpen('target.dat', vbomOutput, 6);
  VbPrintToFile(6, ['kept'], ' ');
  VbClose(6);
  if ExecuteProcess('/bin/ln', ['-s', 'target.dat', 'link.dat']) = 0 then
  begin
    VbKill('link.dat');
    Check('Kill of a link', VbDir('link.dat') + '|' + VbDir('target.dat') + '|' + IntToStr(VbFileLen('target.dat')), '|target.dat|6');
  end
  else
    Writeln('note: no symbolic links here; the link row is not run');
  VbKill('target.dat');
  { the file system }
  VbMkDir('sub');
  try VbMkDir('sub'); NotRaised('MkDir existing') except on E: Exception do CheckRaised('MkDir existing', E, 75) end;
  Check('Dir("*.txt") then Dir()', VbDir('*.txt') + ',' + VbDir + ',' + VbDir, 't.txt,é x;1.txt,');
  Check('Dir matches without case', VbDir('T.TXT'), 't.txt');
  Check('Dir of a folder without vbDirectory', VbDir('sub'), '');
  Check('Dir of a folder''s contents with vbDirectory', VbDir('sub/', vbDirectory) + ',' + VbDir + ',' + VbDir, '.,..,');
  Check('Dir with vbDirectory', VbDir('su*', vbDirectory), 'sub');
  VbName('t.txt', 'u.txt');
  Check('Name', VbDir('t.txt') + VbDir('u.txt'), 'u.txt');
  try VbName('missing.txt', 'v.txt'); NotRaised('Name missing') except on E: Exception do CheckRaised('Name missing', E, 53) end;
  try VbName('u.txt', 'é x;1.txt'); NotRaised('Name onto existing') except on E: Exception do CheckRaised('Name onto existing', E, 58) end;
  VbKill('*.txt');
  Check('Kill *.txt', VbDir('*.txt'), '');
  try VbKill('u.txt'); NotRaised('Kill missing') except on E: Exception do CheckRaised('Kill missing', E, 53) end;
  VbRmDir('sub');
  try VbRmDir('sub'); NotRaised('RmDir missing') except on E: Exception do CheckRaised('RmDir missing', E, 76) end;
  VbShell('touch shelled');
  Waited := 0;
  while (VbDir('shelled') = '') and (Waited < 100) do
  begin
    Sleep(50);
    Inc(Waited);
  end;
  Check('Shell runs the command', VbDir('shelled'), 'shelled');

  { Collection }
  C := VbNewCollection;
  C.Add('a');
  C.Add('b', 'kb');
  C.Add('c', Unassigned, 1);
  C.Add('d', Unassigned, Unassigned, 2);
  Check('Add before/after', Enumerated(C), 'cadb');
  Check('Count', IntToStr(C.Count), '4');
  Check('TypeName(Collection)', VbTypeName(C), 'Collection');
  Check('Item by key ignores case', VbCStr(C['KB']), 'b');
  Check('Item by number', VbCStr(C[1]), 'c');
  try C.Add('x', 'Kb'); NotRaised('duplicate key') except on E: Exception do CheckRaised('duplicate key', E, 457) end;
  try C.GetItem(5); NotRaised('Item(5)') except on E: Exception do CheckRaised('Item(5)', E, 9) end;
  try C.GetItem('zz'); NotRaised('Item("zz")') except on E: Exception do CheckRaised('Item("zz")', E, 5) end;
  C.Remove('kb');
  C.Remove(1);
  Check('Remove', Enumerated(C) + IntToStr(C.Count), 'ad2');
  C.Add('e', 'kb');
  Check('key free after Remove', VbCStr(C['kb']), 'e');

  { settings stay under XDG_CONFIG_HOME, which the test driver points into the scratch folder }
  if GetEnvironmentVariable('XDG_CONFIG_HOME') <> '' then
  begin
    Check('GetSetting default', VbGetSetting('VrTest', 'Main', 'Size', 'none'), 'none');
    VbSaveSetting('VrTest', 'Main', 'Size', '42');
    VbSaveSetting('VrTest', 'Main', 'Name', 'x');
    Check('SaveSetting then GetSetting', VbGetSetting('VrTest', 'Main', 'Size'), '42');
    VbDeleteSetting('VrTest', 'Main', 'Size');
    Check('DeleteSetting of a key', VbGetSetting('VrTest', 'Main', 'Size') + VbGetSetting('VrTest', 'Main', 'Name'), 'x');
    try VbDeleteSetting('VrTest', 'Other'); NotRaised('DeleteSetting missing') except on E: Exception do CheckRaised('DeleteSetting missing', E, 5) end;
    try VbSaveSetting('', 'Main', 'K', 'v'); NotRaised('SaveSetting without a name') except on E: Exception do CheckRaised('SaveSetting without a name', E, 5) end;
  end
  else
    Writeln('note: XDG_CONFIG_HOME not set; the settings rows are not run');
  Check('App.EXEName', VbApp.EXEName, 'files_test');
  Check('Environ of an unset name', VbEnviron('VELDRANE_SURELY_UNSET'), '');
  Finish;
end.
