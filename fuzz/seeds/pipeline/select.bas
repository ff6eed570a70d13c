Option Explicit
Attribute VB_Name = "M"
Private Declare Function GetTickCount Lib "kernel32" () As Long
Sub Pick(n As Integer)
    Select Case n
        Case 1
            Debug.Print "one"
        Case Else
            Exit Sub
    End Select
    x = CInt(y) + Int(z) + Len(Mid(s, 1, 2)) + &HFF
    Set o = Nothing
End Sub