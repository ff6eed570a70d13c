VERSION 5.00
Begin VB.Form frmStatus 
   Caption         =   "Status"
   ClientHeight    =   1200
   ClientWidth     =   2400
   Begin VB.Label lblText 
      Caption         =   "..."
      Height          =   255
      Left            =   120
      Top             =   120
      Width           =   2000
   End
End
Attribute VB_Name = "frmStatus"
Option Explicit

Private Sub Form_Unload(Cancel As Integer)
    Cancel = 0
End Sub
