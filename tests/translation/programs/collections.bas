Attribute VB_Name = "Collections"
Option Explicit

Sub Main()
    Dim c As New Collection
    Dim nums As Collection
    Dim item As Variant
    Dim s As String
    Dim i As Integer
    Dim total As Long
    c.Add "apple"
    c.Add "banana", "b"
    c.Add "cherry", "c"
    c.Add "fig", , 1
    c.Add "grape", , , "b"
    Debug.Print "count: " & c.Count
    Debug.Print "items: " & c(1) & " " & c.Item(2) & " " & c("b") & " " & c("C")
    For Each item In c
        s = s & item & ","
    Next
    Debug.Print "each: " & s
    c.Remove "b"
    c.Remove 1
    Debug.Print "after remove: " & c.Count & " " & c(1) & " " & c(2) & " " & c(3)
    On Error Resume Next
    c.Add "again", "c"
    Debug.Print "dup key: " & Err.Number
    Err.Clear
    item = c("zzz")
    Debug.Print "missing key: " & Err.Number
    Err.Clear
    item = c(10)
    Debug.Print "bad index: " & Err.Number
    Err.Clear
    On Error GoTo 0
    Set nums = New Collection
    For i = 1 To 5: nums.Add i * i: Next
    For Each item In nums: total = total + item: Next
    Debug.Print "sum: " & total & " " & nums.Count
    Do While nums.Count > 0
        nums.Remove 1
    Loop
    Debug.Print "emptied: " & nums.Count
End Sub
