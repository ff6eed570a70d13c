Attribute VB_Name = "Arrays"
Option Explicit

Sub Main()
    Dim a(5) As Integer
    Dim b(1 To 3) As String
    Dim m(1 To 2, 0 To 2) As Long
    Dim d() As Double
    Dim n(1 To 4) As Integer
    Dim i As Integer, j As Integer, total As Long
    Dim v As Variant, x As Variant
    Dim words() As String
    Dim c1() As Integer, c2() As Integer
    Debug.Print "a: " & LBound(a) & " " & UBound(a)
    For i = 0 To 5: a(i) = i * i: Next i
    Debug.Print "a(5): " & a(5)
    b(1) = "x": b(2) = "y": b(3) = "z"
    Debug.Print "b: " & LBound(b) & " " & UBound(b) & " " & b(1) & b(2) & b(3)
    For i = 1 To 2
        For j = 0 To 2
            m(i, j) = i * 10 + j
        Next j
    Next i
    Debug.Print "m: " & UBound(m, 1) & " " & UBound(m, 2) & " " & LBound(m, 2) & " " & m(2, 1)
    ReDim d(2)
    d(0) = 1.5: d(1) = 2.5: d(2) = 3.5
    ReDim Preserve d(4)
    Debug.Print "d: " & UBound(d) & " " & d(1) & " " & d(4)
    ReDim d(1 To 2)
    Debug.Print "d2: " & LBound(d) & " " & UBound(d) & " " & d(1)
    Erase a
    Debug.Print "erased: " & a(5) & " " & UBound(a)
    On Error Resume Next
    i = a(6)
    Debug.Print "out of range: " & Err.Number & " " & Err.Description
    Err.Clear
    Erase d
    i = UBound(d)
    Debug.Print "erased dynamic: " & Err.Number
    Err.Clear
    On Error GoTo 0
    v = Array(1, "two", 3.5)
    Debug.Print "variant array: " & LBound(v) & " " & UBound(v) & " " & v(1)
    words = Split("red green blue")
    Debug.Print "split: " & UBound(words) & " " & words(2)
    ReDim c1(1)
    c1(0) = 7
    c2 = c1
    c2(0) = 8
    Debug.Print "copy: " & c1(0) & " " & c2(0)
    total = 0
    For Each x In Array(1, 2, 3, 4)
        total = total + x
    Next
    Debug.Print "for each: " & total
    For i = 1 To 4: n(i) = i: Next
    Debug.Print "sum: " & SumOf(n)
    Fill n
    Debug.Print "filled: " & n(1) & " " & n(4)
    total = 0
    For Each x In n
        total = total + x
    Next
    Debug.Print "for each fixed: " & total
    Debug.Print "returned: " & UBound(MakeList(3)) & " " & MakeList(3)(2)
End Sub

Function SumOf(arr() As Integer) As Long
    Dim k As Integer
    For k = LBound(arr) To UBound(arr)
        SumOf = SumOf + arr(k)
    Next
End Function

Sub Fill(arr() As Integer)
    Dim k As Integer
    For k = LBound(arr) To UBound(arr)
        arr(k) = 100 + k
    Next
End Sub

Function MakeList(ByVal count As Integer) As String()
    Dim result() As String
    Dim k As Integer
    ReDim result(count - 1)
    For k = 0 To count - 1
        result(k) = "item" & k
    Next
    MakeList = result
End Function
