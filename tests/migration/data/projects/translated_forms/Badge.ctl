VERSION 5.00
Begin VB.UserControl Badge 
   ClientHeight    =   600
   ClientLeft      =   0
   ClientTop       =   0
   ClientWidth     =   1800
   ScaleHeight     =   600
   ScaleWidth      =   1800
   Begin VB.Label lblText 
      Caption         =   "badge"
      Height          =   255
      Left            =   60
      TabIndex        =   0
      Top             =   60
      Width           =   1500
   End
End
Attribute VB_Name = "Badge"
Option Explicit

Public Event Clicked()

Public Property Get Text() As String
    Text = lblText.Caption
End Property

Public Property Let Text(ByVal Value As String)
    lblText = Value
End Property

Private Sub UserControl_Resize()
    lblText.Width = UserControl.ScaleWidth - 120
End Sub

Private Sub lblText_Click()
    RaiseEvent Clicked
End Sub
