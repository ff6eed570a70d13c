Attribute VB_Name = "Utils"
Option Explicit

Public Total As Long

Public Function Add(ByVal a As Long, ByVal b As Long) As Long
    Add = a + b
End Function

Sub WriteLog(ByVal path As String, ByVal text As String)
    Dim f As Integer
    f = FreeFile
    Open path For Append As #f
    Print #f, text
    Close #f
End Sub

Private Sub Helper(items() As Byte, ByVal n As Long) ' a, b
    Dim o As Object
    Set o = CreateObject("Scripting.Dictionary")
    GoSub Done
Done:
    Return
End Sub
