Attribute VB_Name = "MStrings"
Option Explicit

Sub Main()
End Sub
