Attribute VB_Name = "Shared"
Option Explicit

Public Function Greeting(ByVal name As String) As String
    Greeting = "Hello, " & name
End Function
