Option Explicit

Public Total As Long
Dim Items(10) As Integer

Private Type Point
    X As Double
    Y As Double
End Type

Public Function Add(ByVal a As Long, ByVal b As Long) As Long
    Dim s As Long
    s = a + b
    Add = s
End Function

Public Sub Main()
    Dim i As Integer
    For i = 0 To 10
        Items(i) = Add(i, 1)
    Next i
    If Total > 0 Then
        Total = 0
    End If
    ShowValue Total, 2
End Sub

Private Sub ShowValue(ByVal v As Long, ByVal n As Integer)
    Debug.Print v
    MsgBox v & n ' show it
End Sub
