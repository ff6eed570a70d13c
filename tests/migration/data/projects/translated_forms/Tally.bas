Attribute VB_Name = "Tally"
Option Explicit

Public Clicks As Long

Public Sub Report(ByVal What As String)
    Debug.Print "report: "; What
End Sub
