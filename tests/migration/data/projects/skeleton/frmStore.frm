VERSION 5.00
Begin VB.Form frmStore 
   Caption         =   "Store"
   ClientHeight    =   3000
   ClientLeft      =   60
   ClientTop       =   345
   ClientWidth     =   4500
   ForeColor       =   &H000000FF&
   BeginProperty Font 
      Name            =   "Tahoma"
      Size            =   9.75
      Charset         =   0
      Weight          =   400
   EndProperty
   Begin VB.Frame fraOptions 
      Caption         =   "Options"
      Height          =   1500
      Left            =   300
      TabIndex        =   0
      Top             =   300
      Width           =   2400
      Begin VB.OptionButton optA 
         Caption         =   "A"
         Height          =   255
         Left            =   120
         TabIndex        =   1
         Top             =   360
         Width           =   1500
      End
      Begin VB.TextBox txtQty 
         Height          =   285
         Left            =   120
         TabIndex        =   2
         Top             =   840
         Width           =   1500
      End
   End
   Begin VB.CommandButton Command1 
      Caption         =   "Buy"
      Height          =   375
      Left            =   3000
      TabIndex        =   3
      Top             =   2400
      Width           =   1200
   End
   Begin VB.Label lblNote 
      Caption         =   "Note"
      ForeColor       =   &H00FF0000&
      Height          =   255
      Left            =   300
      TabIndex        =   4
      Top             =   2400
      Width           =   1500
   End
   Begin VB.CheckBox chkIn 
      Caption         =   "In"
      Height          =   255
      Index           =   0
      Left            =   3000
      TabIndex        =   5
      Top             =   300
      Width           =   1200
   End
   Begin VB.CheckBox chkIn 
      Caption         =   "Out"
      Height          =   255
      Index           =   1
      Left            =   3000
      TabIndex        =   6
      Top             =   600
      Width           =   1200
   End
   Begin Store.Spinner Spinner1 
      Height          =   495
      Left            =   3000
      TabIndex        =   7
      Top             =   1000
      Width           =   1200
   End
   Begin VB.Menu mnuFile 
      Caption         =   "&File"
      Begin VB.Menu mnuExit 
         Caption         =   "E&xit"
      End
   End
End
Attribute VB_Name = "frmStore"
Option Explicit
Private mBasket As Basket
Public Shown As Boolean
Private Sub Command1_Click()
  Command1_Click
End Sub
Private Sub Form_Load()
  Shown = True
End Sub
Private Sub chkIn_Click(Index As _
    Integer)
  chkIn(Index).Value = 0
End Sub
Public Function Count(Optional ByVal all As Boolean) As Long
End Function
