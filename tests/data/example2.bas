Option Explicit

Public Enum Color
    Red
    Green = 2
End Enum

Dim Buf() As Byte

Private Sub Form_Load()
    Dim n As Integer
    ReDim Buf(9)
    n = 0
    Do While n < 3
        n = n + 1
    Loop
    With Text1
        .Text = s
        .SelStart = 0
    End With
    Select Case n
        Case 1
            n = 2
        Case Else
            n = 0
    End Select
End Sub
