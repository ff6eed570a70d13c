Attribute VB_Name = "FileIndex"
Option Explicit
'
' FileIndex: keeps an index of the files below a folder, with their size,
' their FileType (see GuessFileType) and the time they were last seen.
' The index is written to disk as a binary file of FileEntry records; the
' Type of each record is declared at the end of this module.
'
Private Declare Function GetTickCount Lib "kernel32" () As Long
Private Declare Function GetFileAttributes Lib "kernel32" Alias "GetFileAttributesA" (ByVal lpFileName As String) As Long
Private Declare Sub CopyMemory Lib "kernel32" Alias "RtlMoveMemory" (Destination As Any, Source As Any, ByVal Length As Long)

Private Const MAX_ENTRIES As Long = 4096
Private Const INDEX_VERSION As Integer = 3
Public IndexPath As String
Public LastFileType As Integer
Private mCount As Long
Private mNames() As String
Private mSizes(MAX_ENTRIES) As Long
Private mFileType(1 To MAX_ENTRIES) As Integer
Dim mDirty As Boolean, mOpened As Boolean

' Returns the FileType code of a file name from its extension; 0 when unknown.
Public Function GuessFileType(ByVal FileName As String) As Integer
    Dim ext As String, dot As Long
    dot = InStrRev(FileName, ".")
    If dot = 0 Then
        GuessFileType = 0
        Exit Function
    End If
    ext = LCase$(Mid$(FileName, dot + 1))
    Select Case ext
        Case "bas", "cls", "frm"
            GuessFileType = 1
        Case "txt", "log", "ini"
            GuessFileType = 2
        Case "bmp", "jpg", "gif"
            GuessFileType = 3
        Case Else
            GuessFileType = 9
    End Select
End Function

' Adds one file; keeps the index sorted by name (insertion, the lists are short).
Public Sub AddFile(ByVal FileName As String, ByVal Size As Long)
    Dim i As Long, j As Long
    Dim FileType As Integer
    If mCount >= MAX_ENTRIES Then Exit Sub
    FileType = GuessFileType(FileName)
    If mCount = 0 Then ReDim mNames(MAX_ENTRIES)
    i = FindSlot(FileName)
    For j = mCount To i + 1 Step -1
        mNames(j) = mNames(j - 1)
        mSizes(j) = mSizes(j - 1)
        mFileType(j) = mFileType(j - 1)
    Next j
    mNames(i) = FileName
    mSizes(i) = Size
    mFileType(i + 1) = FileType
    mCount = mCount + 1
    mDirty = True
    LastFileType = FileType
    Debug.Print "added " & FileName
End Sub

' Binary search for the place of a name (the Type of the list is String).
Private Function FindSlot(ByVal FileName As String) As Long
    Dim lo As Long, hi As Long, mid As Long
    lo = 0: hi = mCount - 1
    Do While lo <= hi
        mid = (lo + hi) \ 2
        If StrComp(mNames(mid), FileName, vbTextCompare) < 0 Then
            lo = mid + 1
        Else
            hi = mid - 1
        End If
    Loop
    FindSlot = lo
End Function

Public Function TotalSize(Optional ByVal OnlyType As Integer = -1) As Double
    Dim i As Long, total As Double
    For i = 0 To mCount - 1
        If OnlyType < 0 Or mFileType(i + 1) = OnlyType Then total = total + mSizes(i)
    Next i
    TotalSize = total
End Function

' Scans a folder (not its subfolders) with Dir$ and adds what it finds.
Public Sub ScanFolder(ByVal Folder As String)
    Dim f As String, started As Long
    started = GetTickCount()
    If Right$(Folder, 1) <> "\" Then Folder = Folder & "\"
    f = Dir$(Folder & "*.*", vbNormal)
    Do While Len(f) > 0
        AddFile Folder & f, FileLen(Folder & f)
        f = Dir$
    Loop
    ReportProgress "scanned " & Folder, GetTickCount() - started
End Sub

Private Sub ReportProgress(ByVal Text As String, ByVal Elapsed As Long)
    If Elapsed > 1000 Then
        Debug.Print Text & " (" & Format$(Elapsed / 1000, "0.0") & " s)"
    Else
        Debug.Print Text
    End If
End Sub

' Writes the index; each record is a FileEntry (see the Type below).
Public Function SaveIndex(ByVal Path As String) As Boolean
    Dim fnum As Integer, i As Long
    Dim entry As FileEntry
    On Error GoTo Failed
    fnum = FreeFile
    Open Path For Binary Access Write As #fnum
    Put #fnum, , INDEX_VERSION
    Put #fnum, , mCount
    For i = 0 To mCount - 1
        entry.Name = mNames(i)
        entry.Size = mSizes(i)
        entry.Kind = mFileType(i + 1)
        entry.Seen(0) = Now
        Put #fnum, , entry
    Next i
    Close #fnum
    mDirty = False
    SaveIndex = True
    Exit Function
Failed:
    SaveIndex = False
    If fnum <> 0 Then Close #fnum
End Function

Public Function LoadIndex(ByVal Path As String) As Long
    Dim fnum As Integer, version As Integer, n As Long, i As Long
    Dim entry As FileEntry
    If Len(Dir$(Path)) = 0 Then Exit Function
    fnum = FreeFile
    Open Path For Binary Access Read As #fnum
    Get #fnum, , version
    If version <> INDEX_VERSION Then
        Close #fnum
        Exit Function
    End If
    Get #fnum, , n
    mCount = 0
    For i = 1 To n
        Get #fnum, , entry
        AddFile entry.Name, entry.Size
    Next i
    Close #fnum
    LoadIndex = mCount
End Function

Public Sub ClearIndex()
    Erase mNames
    mCount = 0
    mDirty = False
End Sub

' The record written per file. Kind holds the FileType code.
Private Type FileEntry
    Name As String * 260
    Size As Long
    Kind As Integer
    Seen(1) As Date
    Reserved(1 To 4, 2) As Byte
End Type
