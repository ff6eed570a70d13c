Attribute VB_Name = "Bare"
Option Explicit
Public Sub Hello()
End Sub
