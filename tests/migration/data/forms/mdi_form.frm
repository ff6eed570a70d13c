VERSION 5.00
Begin VB.MDIForm mdiMain 
   BackColor       =   &H8000000C&
   Caption         =   "MDI"
   ClientHeight    =   3000
   ClientLeft      =   60
   ClientTop       =   630
   ClientWidth     =   4500
   Begin VB.PictureBox picTools 
      Align           =   1  'Align Top
      Height          =   420
      Left            =   0
      ScaleHeight     =   360
      ScaleWidth      =   4440
      TabIndex        =   0
      Top             =   0
      Width           =   4500
      Begin VB.CommandButton cmdNew 
         Caption         =   "New"
         Height          =   330
         Left            =   30
         TabIndex        =   1
         Top             =   15
         Width           =   855
      End
   End
   Begin VB.Menu mnuWindow 
      Caption         =   "&Window"
      WindowList      =   -1  'True
   End
End
Attribute VB_Name = "mdiMain"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
Option Explicit

Private Sub MDIForm_Load()
    picTools.Visible = True
End Sub

Private Sub cmdNew_Click()
    picTools.Refresh
End Sub
