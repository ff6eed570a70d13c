Dim a(10) As Integer, b(1 To 3, 4) As String
Public Const K = (1 + 2)
Public total As Long
Static Dim x As Integer
Function Twice(ByVal n As Integer, ByRef m As Integer) As Integer
    Dim r As Integer
    Static calls As Integer
    r = n * 2
    Twice = a(r)
End Function
