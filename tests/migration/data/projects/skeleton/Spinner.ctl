VERSION 5.00
Begin VB.UserControl Spinner 
   ClientHeight    =   495
   ClientWidth     =   1200
End
Attribute VB_Name = "Spinner"
Option Explicit
Public Sub Spin()
End Sub
