VERSION 5.00
Begin VB.UserControl Gauge 
   ClientHeight    =   600
   ClientWidth     =   3000
   ScaleHeight     =   600
   ScaleWidth      =   3000
   Begin VB.Label lblValue 
      Caption         =   "0"
      Height          =   255
      Left            =   60
      Top             =   60
      Width           =   1500
   End
End
Attribute VB_Name = "Gauge"
Attribute VB_Creatable = True
Attribute VB_Exposed = False
Option Explicit

Public Sub SetValue(ByVal v As Long)
    lblValue.Caption = CStr(v)
End Sub

Private Sub UserControl_Resize()
    lblValue.Width = ScaleWidth
End Sub
