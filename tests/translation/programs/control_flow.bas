Attribute VB_Name = "ControlFlow"
Option Explicit

Sub Main()
    Dim i As Integer, s As String, n As Long
    Dim d As Double
    For i = 1 To 10 Step 3: s = s & i & ",": Next
    Debug.Print "step: " & s & " after=" & i
    s = ""
    For i = 10 To 1 Step -4: s = s & i & ",": Next
    Debug.Print "down: " & s & " after=" & i
    s = ""
    n = 3
    For i = 1 To n: n = 10: s = s & i: Next
    Debug.Print "once: " & s
    s = ""
    For i = 5 To 1: s = s & i: Next
    Debug.Print "none: [" & s & "] " & i
    s = ""
    For d = 0 To 1 Step 0.25: s = s & d & " ": Next
    Debug.Print "double step: " & s
    i = 0
    Do While i < 3: i = i + 1: Loop
    Debug.Print "do while: " & i
    Do: i = i + 1: Loop Until i >= 10
    Debug.Print "loop until: " & i
    Do Until i = 0: i = i - 2: Loop
    Debug.Print "do until: " & i
    Do
        i = i + 1
        If i = 5 Then Exit Do
    Loop
    Debug.Print "exit do: " & i
    While i < 8: i = i + 1: Wend
    Debug.Print "wend: " & i
    For i = 1 To 100
        If i * i > 50 Then Exit For
    Next
    Debug.Print "exit for: " & i
    Debug.Print "select: " & Describe(0) & "," & Describe(3) & "," & Describe(7) & "," & Describe(15) & "," & Describe(-5) & "," & Describe(100)
    Debug.Print "select str: " & Kind("apple") & " " & Kind("kiwi") & " " & Kind("Zebra")
    If i = 8 Then Debug.Print "single line if" Else Debug.Print "wrong"
    If i > 100 Then
        Debug.Print "wrong"
    ElseIf i > 5 Then
        Debug.Print "elseif"
    Else
        Debug.Print "wrong"
    End If
    If i = 8 And s = "" Or i = 8 Then Debug.Print "and or"
    i = 0
Again:
    i = i + 1
    If i < 3 Then GoTo Again
    Debug.Print "goto: " & i
    GoSub Helper
    Debug.Print "after gosub: " & i
    Debug.Print "iif: " & IIf(i > 5, "yes", "no")
    s = ""
    For i = 1 To 3
        For n = 1 To 3
            If n = 2 Then Exit For
            s = s & i & n & " "
        Next n
    Next i
    Debug.Print "nested exit: " & s
    Debug.Print "choose switch: " & Choose(2, "a", "b", "c") & " " & Switch(i = 1, "one", i = 4, "four")
    Exit Sub
Helper:
    i = i + 100
    Return
End Sub

Function Describe(n As Integer) As String
    Select Case n
        Case 0
            Describe = "zero"
        Case 1 To 5
            Describe = "low"
        Case 6, 7, 8
            Describe = "mid"
        Case Is > 50
            Describe = "huge"
        Case Is < 0
            Describe = "neg"
        Case Else
            Describe = "other"
    End Select
End Function

Function Kind(s As String) As String
    Select Case s
        Case "apple", "pear": Kind = "fruit"
        Case "a" To "m": Kind = "a-m"
        Case Else: Kind = "else"
    End Select
End Function
