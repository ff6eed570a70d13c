Attribute VB_Name = "Params"
Option Explicit

Sub Main()
    Dim x As Integer
    Dim p As String, q As String
    x = 1
    AddOne x
    Debug.Print "byref: " & x
    AddOneByVal x
    Debug.Print "byval: " & x
    AddOne (x)
    Debug.Print "parens: " & x
    Call AddOne(x)
    Debug.Print "call: " & x
    Debug.Print "optional: " & Greet("Ann") & "|" & Greet("Bob", "Hi")
    Debug.Print "missing: " & HasArg() & " " & HasArg(5)
    Debug.Print "paramarray: " & Total(1, 2, 3) & " " & Total() & " " & CountArgs("a", "b")
    Debug.Print "named: " & Greet(greeting:="Yo", name:="Cy")
    Debug.Print "fact: " & Factorial(10)
    Debug.Print "static: " & Counter() & Counter() & Counter()
    p = "first": q = "second"
    SwapStrings p, q
    Debug.Print "swap: " & p & " " & q
    Debug.Print "exit function: " & Classify(5) & " " & Classify(50)
    Debug.Print "no result: [" & NoResult() & "] " & NoNumber()
    Debug.Print "optional default: " & Scale(2) & " " & Scale(2, 3)
End Sub

Sub AddOne(n As Integer)
    n = n + 1
End Sub

Sub AddOneByVal(ByVal n As Integer)
    n = n + 1
End Sub

Function Greet(name As String, Optional greeting As String = "Hello") As String
    Greet = greeting & " " & name
End Function

Function HasArg(Optional v As Variant) As Boolean
    HasArg = Not IsMissing(v)
End Function

Function Total(ParamArray values() As Variant) As Long
    Dim v As Variant
    For Each v In values
        Total = Total + v
    Next
End Function

Function CountArgs(ParamArray values() As Variant) As Integer
    CountArgs = UBound(values) - LBound(values) + 1
End Function

Function Factorial(n As Long) As Double
    If n <= 1 Then
        Factorial = 1
    Else
        Factorial = n * Factorial(n - 1)
    End If
End Function

Function Counter() As Integer
    Static calls As Integer
    calls = calls + 1
    Counter = calls
End Function

Sub SwapStrings(a As String, b As String)
    Dim t As String
    t = a
    a = b
    b = t
End Sub

Function Classify(n As Integer) As String
    Classify = "small"
    If n > 10 Then
        Classify = "big"
        Exit Function
    End If
    Classify = Classify & "!"
End Function

Function NoResult() As String
End Function

Function NoNumber() As Long
End Function

Function Scale(ByVal v As Double, Optional ByVal factor As Integer = 10) As Double
    Scale = v * factor
End Function
