VERSION 5.00
Object = "{F9043C88-F6F2-101A-A3C9-08002B2F49FB}#1.2#0"; "COMDLG32.OCX"
Begin VB.Form frmDialogs 
   Caption         =   "Dialogs"
   ClientHeight    =   1200
   ClientLeft      =   60
   ClientTop       =   345
   ClientWidth     =   3600
   Begin MSComDlg.CommonDialog dlgSave 
      Left            =   120
      Top             =   720
      _ExtentX        =   847
      _ExtentY        =   847
      _Version        =   393216
      DefaultExt      =   "txt"
      Filter          =   "Text|*.txt"
   End
   Begin MSComDlg.CommonDialog dlgColour 
      Left            =   720
      Top             =   720
      _ExtentX        =   847
      _ExtentY        =   847
      _Version        =   393216
      DialogTitle     =   "Colour"
   End
End
Attribute VB_Name = "frmDialogs"
Private Sub Form_Click()
    dlgSave.ShowSave
    dlgColour.ShowColor
    ' dlgSave.ShowOpen is only a comment
End Sub
