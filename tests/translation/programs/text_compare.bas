Attribute VB_Name = "TextCompare"
Option Explicit
Option Compare Text

Sub Main()
    Debug.Print "equal: " & ("abc" = "ABC")
    Debug.Print "instr: " & InStr("Hello", "L")
    Debug.Print "like: " & ("HELLO" Like "h*")
    Debug.Print "strcomp: " & StrComp("a", "A")
    Debug.Print "less: " & ("B" < "a")
    Debug.Print "binary override: " & StrComp("a", "A", vbBinaryCompare)
    Select Case "YES"
        Case "yes": Debug.Print "select: matched"
        Case Else: Debug.Print "select: no"
    End Select
End Sub
