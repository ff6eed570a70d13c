Attribute VB_Name = "Errors"
Option Explicit

Sub Main()
    Debug.Print "handled: " & SafeDivide(10, 2) & " " & SafeDivide(1, 0)
    On Error Resume Next
    Err.Raise 1000, "Main", "custom failure"
    Debug.Print "raise: " & Err.Number & " " & Err.Description & " " & Err.Source
    Err.Clear
    Debug.Print "cleared: " & Err.Number & " [" & Err.Description & "]"
    CallsFailing
    Debug.Print "from callee: " & Err.Number & " " & Err.Description
    Err.Clear
    On Error GoTo 0
    Debug.Print "resume next: " & ResumeNextDemo()
    Debug.Print "resume: " & ResumeDemo()
    Debug.Print "nested: " & Outer()
    Debug.Print "type mismatch: " & Mismatch()
    Debug.Print "error function: " & Error(11) & "|" & Error$(9)
    Debug.Print "handler label: " & Cleanup()
    Debug.Print "vbObjectError: " & RaisesCustom()
End Sub

Function SafeDivide(a As Integer, b As Integer) As Integer
    On Error GoTo Failed
    SafeDivide = a \ b
    Exit Function
Failed:
    SafeDivide = -1
End Function

Sub CallsFailing()
    Err.Raise 5
End Sub

Function ResumeNextDemo() As String
    Dim s As String
    On Error Resume Next
    s = "a"
    Err.Raise 9
    s = s & "b"
    ResumeNextDemo = s & Err.Number
End Function

Function ResumeDemo() As String
    Dim tries As Integer
    On Error GoTo Handler
    If tries < 3 Then Err.Raise 1001
    ResumeDemo = "done after " & tries
    Exit Function
Handler:
    tries = tries + 1
    Resume
End Function

Function Outer() As String
    Dim s As String
    On Error GoTo Handler
    s = "start"
    Inner
    s = s & " continued"
    Outer = s
    Exit Function
Handler:
    s = s & " caught " & Err.Number
    Resume Next
End Function

Sub Inner()
    Dim x As Integer
    x = 1 / 0
    Debug.Print "never printed"
End Sub

Function Mismatch() As String
    Dim n As Integer
    On Error GoTo Bad
    n = CInt("abc")
    Mismatch = "no error"
    Exit Function
Bad:
    Mismatch = Err.Number & " " & Err.Description
End Function

Function Cleanup() As String
    Dim steps As String
    On Error GoTo Done
    steps = "open"
    Err.Raise 52
    steps = steps & " never"
Done:
    steps = steps & " closed " & Err.Number
    Cleanup = steps
End Function

Function RaisesCustom() As String
    On Error GoTo Handler
    Err.Raise vbObjectError + 513, "Custom", "my error"
    Exit Function
Handler:
    RaisesCustom = (Err.Number - vbObjectError) & " " & Err.Description
End Function
