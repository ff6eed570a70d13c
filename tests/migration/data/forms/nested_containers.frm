VERSION 5.00
Begin VB.Form frmNested 
   BorderStyle     =   3  'Fixed Dialog
   Caption         =   "Nested containers"
   ClientHeight    =   4500
   ClientLeft      =   45
   ClientTop       =   330
   ClientWidth     =   6000
   MaxButton       =   0   'False
   MinButton       =   0   'False
   ScaleHeight     =   4500
   ScaleWidth      =   6000
   StartUpPosition =   1  'CenterOwner
   Begin VB.Frame fraOuter 
      Caption         =   "Outer"
      Height          =   3855
      Left            =   120
      TabIndex        =   0
      Top             =   120
      Width           =   5775
      Begin VB.PictureBox picInner 
         BorderStyle     =   0  'None
         Height          =   3015
         Left            =   120
         ScaleHeight     =   3015
         ScaleWidth      =   5535
         TabIndex        =   1
         Top             =   360
         Width           =   5535
         Begin VB.Frame fraPlain 
            BorderStyle     =   0  'None
            Caption         =   "Plain"
            Height          =   1335
            Left            =   0
            TabIndex        =   5
            Top             =   1560
            Width           =   5415
            Begin VB.CommandButton cmdDeep 
               Caption         =   "Deep inside"
               Height          =   375
               Left            =   120
               TabIndex        =   6
               Top             =   480
               Width           =   1695
            End
         End
         Begin VB.Frame fraGroup 
            Caption         =   "Group"
            Height          =   1335
            Left            =   0
            TabIndex        =   2
            Top             =   0
            Width           =   5415
            Begin VB.OptionButton optB 
               Caption         =   "B"
               Height          =   255
               Left            =   2640
               TabIndex        =   4
               Top             =   480
               Width           =   1215
            End
            Begin VB.OptionButton optA 
               Caption         =   "A"
               Height          =   255
               Left            =   240
               TabIndex        =   3
               Top             =   480
               Value           =   -1  'True
               Width           =   1215
            End
         End
      End
   End
   Begin VB.CommandButton cmdClose 
      Cancel          =   -1  'True
      Caption         =   "Close"
      Height          =   375
      Left            =   4680
      TabIndex        =   7
      Top             =   4080
      Width           =   1215
   End
End
Attribute VB_Name = "frmNested"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
Option Explicit

Private Sub cmdClose_Click()
    Unload Me
End Sub

Private Sub optA_Click()
    cmdDeep.Enabled = True
End Sub

Private Sub picInner_Resize()
    fraGroup.Width = picInner.ScaleWidth
End Sub
