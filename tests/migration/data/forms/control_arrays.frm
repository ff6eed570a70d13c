VERSION 5.00
Begin VB.Form frmArrays 
   Caption         =   "Control arrays"
   ClientHeight    =   2400
   ClientLeft      =   60
   ClientTop       =   345
   ClientWidth     =   4800
   LinkTopic       =   "Form1"
   ScaleHeight     =   2400
   ScaleWidth      =   4800
   StartUpPosition =   3  'Windows Default
   Begin VB.TextBox txtValue 
      Height          =   315
      Index           =   2
      Left            =   1200
      TabIndex        =   5
      Top             =   1200
      Width           =   1215
   End
   Begin VB.TextBox txtValue 
      Height          =   315
      Index           =   1
      Left            =   1200
      TabIndex        =   4
      Top             =   720
      Width           =   1215
   End
   Begin VB.TextBox txtValue 
      Height          =   315
      Index           =   0
      Left            =   1200
      TabIndex        =   3
      Top             =   240
      Width           =   1215
   End
   Begin VB.CommandButton cmdDigit 
      Caption         =   "1"
      Height          =   375
      Index           =   1
      Left            =   3600
      TabIndex        =   1
      Top             =   240
      Width           =   495
   End
   Begin VB.CommandButton cmdDigit 
      Caption         =   "0"
      Height          =   375
      Index           =   0
      Left            =   3000
      TabIndex        =   0
      Top             =   240
      Width           =   495
   End
   Begin VB.CommandButton cmdDigit_0 
      Caption         =   "Clear"
      Height          =   375
      Left            =   3000
      TabIndex        =   2
      Top             =   720
      Width           =   1095
   End
   Begin VB.Label lblName 
      Caption         =   "Third"
      Height          =   255
      Index           =   2
      Left            =   120
      TabIndex        =   8
      Top             =   1260
      Width           =   975
   End
   Begin VB.Label lblName 
      Caption         =   "Second"
      Height          =   255
      Index           =   1
      Left            =   120
      TabIndex        =   7
      Top             =   780
      Width           =   975
   End
   Begin VB.Label lblName 
      Caption         =   "First"
      Height          =   255
      Index           =   0
      Left            =   120
      TabIndex        =   6
      Top             =   300
      Width           =   975
   End
End
Attribute VB_Name = "frmArrays"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
Option Explicit

Private Sub cmdDigit_Click(Index As Integer)
    txtValue(0).Text = txtValue(0).Text & CStr(Index)
End Sub

Private Sub cmdDigit_0_Click()
    txtValue(0).Text = ""
End Sub

Private Sub txtValue_Change(Index As Integer)
    lblName(Index).FontBold = True
End Sub

Private Sub txtValue_KeyPress(Index As Integer, KeyAscii As Integer)
    If KeyAscii < 48 Then KeyAscii = 0
End Sub
