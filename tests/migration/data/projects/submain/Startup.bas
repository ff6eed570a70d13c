Attribute VB_Name = "Startup"
Option Explicit

Sub Main()
    frmStatus.Show
End Sub
