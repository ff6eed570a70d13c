Attribute VB_Name = "Globals"
Option Explicit
Public Const APP_NAME = "Store" & vbCrLf
Public Const MAX_ITEMS As Long = &H10
Private Const RATE = 1.5
Global gCount As Integer, gName As String
Dim mTotals(1 To 5, 10) As Double
Private mAny
Public gBasket As Basket
Public Type TLine
  Code As String * 8
  Qty As Long
  Prices() As Currency
End Type
Public Enum Colour
  cRed = 1
  cGreen
  cBlue = 10
End Enum
Private Declare Function GetTickCount Lib "kernel32" () As Long
Public Sub Fill(ByVal n As Integer, values, names() As String, _
    Optional start As Long = 1)
End Sub
Public Function Pick(x, Optional ByVal dflt As String = "none", Optional extra)
  Pick = x
End Function
Function Sum(ParamArray items()) As Double
End Function
Private Sub Helper(line As TLine, c As Colour)
End Sub
Sub Main()
  frmStore.Show
End Sub
