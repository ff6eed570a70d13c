Attribute VB_Name = "Greeting"
Sub Main()
    Dim s As String
    s = "Hello " & 42
    If Len(s) <> 8 Then Err.Raise 5
End Sub
