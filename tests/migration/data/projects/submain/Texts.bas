Attribute VB_Name = "Texts"
Option Explicit

Public Function Title() As String
    ' •\‘è‚ğ•Ô‚·
    Title = "ƒc[ƒ‹"
End Function
