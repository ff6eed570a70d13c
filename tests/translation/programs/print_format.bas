Attribute VB_Name = "PrintFormat"
Option Explicit

Sub Main()
    Debug.Print 1; 2; -3
    Debug.Print "a"; "b"
    Debug.Print "x", "y"
    Debug.Print 1.5; "s"
    Debug.Print "no newline";
    Debug.Print " continued"
    Debug.Print
    Debug.Print "zone", 12, "z"
    Debug.Print "end"
End Sub
