Attribute VB_Name = "Files"
Option Explicit

Sub Main()
    Dim f As Integer
    Dim textLine As String
    Dim a As String, a2 As String
    Dim n As Integer
    Dim b As Boolean
    Dim d As Double
    Dim rec As Long
    Dim small As Integer
    Dim count As Integer
    f = FreeFile
    Debug.Print "freefile: " & f
    Open "data.txt" For Output As #f
    Print #f, "line one"
    Print #f, "a"; "b"; 3
    Write #f, "quoted", 42, True
    Close #f
    f = FreeFile
    Open "data.txt" For Input As #f
    Do While Not EOF(f)
        Line Input #f, textLine
        Debug.Print "[" & textLine & "]"
        count = count + 1
    Loop
    Close #f
    Debug.Print "lines: " & count
    Open "data.txt" For Append As #1
    Write #1, "x", 1.5
    Close #1
    Open "data.txt" For Input As #1
    Line Input #1, textLine
    Line Input #1, textLine
    Input #1, a, n, b
    Input #1, a2, d
    Debug.Print "input: " & a & " " & n & " " & b & " " & a2 & " " & d
    Close #1
    Open "bin.dat" For Binary As #1
    Put #1, , 258&
    Put #1, , 7
    Close #1
    Open "bin.dat" For Binary As #2
    Debug.Print "lof: " & LOF(2)
    Get #2, 1, rec
    Get #2, , small
    Close #2
    Debug.Print "binary: " & rec & " " & small
    Kill "bin.dat"
    Debug.Print "dir: [" & Dir("bin.dat") & "] [" & Dir("data.txt") & "]"
    Kill "data.txt"
    On Error Resume Next
    Open "missing.txt" For Input As #1
    Debug.Print "missing: " & Err.Number & " " & Err.Description
    Err.Clear
    On Error GoTo 0
End Sub
