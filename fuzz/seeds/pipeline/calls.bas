Sub Show(ByVal v As Long, n As Integer)
    MsgBox v & n ' show it
End Sub
Sub Main()
    Show 1, 2
    Call Show(3, 4)
    ReDim Buf(9)
    ReDim Preserve list(count - 1)
    If Buf(1) = 0 Then Show 5, _
        6
End Sub
