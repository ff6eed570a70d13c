Sub Loops()
    For i = 1 To 10
        s = s + i
    Next i
    Do While n > 0
        n = n - 1
    Loop
    With Text1
        .Text = "a" & s
        .SelStart = 0
    End With
End Sub
