Attribute VB_Name = "MainModule"
Option Explicit

Sub Main()
    Dim a As Counter
    Dim b As Counter
    Dim n As New Counter
    Dim shape As IShape
    Dim sq As Square
    Dim lis As New Listener
    Dim ev As New Counter
    Set a = New Counter
    a.Name = "first"
    a.Increment
    a.Increment 5
    Debug.Print "value: " & a.Value & " " & a.Name
    Set b = a
    b.Increment
    Debug.Print "shared: " & a.Value & " " & (a Is b)
    Set b = Nothing
    Debug.Print "still alive: " & a.Value & " " & (b Is Nothing)
    Set a = Nothing
    Debug.Print "after release"
    Debug.Print "auto: " & n.Value
    MakeTemporary
    Debug.Print "after temp"
    Set sq = New Square
    sq.Side = 3
    Set shape = sq
    Debug.Print "implements: " & shape.Describe() & " " & shape.Area()
    lis.Attach ev
    ev.Increment
    ev.Increment 2
    Debug.Print "events: " & lis.Log
    ev.Value = 10
    Debug.Print "property let: " & ev.Value & " " & lis.Log
    Debug.Print "typeof: " & (TypeOf sq Is Square) & " " & TypeName(sq)
    Set a = MakeCounter("made")
    Debug.Print "returned: " & a.Name
    Set a = Nothing
    Debug.Print "end"
End Sub

Private Sub MakeTemporary()
    Dim t As New Counter
    t.Name = "temp"
    t.Increment
End Sub

Private Function MakeCounter(ByVal name As String) As Counter
    Set MakeCounter = New Counter
    MakeCounter.Name = name
End Function
