VERSION 5.00
Begin VB.Form frmPixels 
   Caption         =   "Pixel and user scales"
   ClientHeight    =   3600
   ClientLeft      =   60
   ClientTop       =   345
   ClientWidth     =   4800
   LinkTopic       =   "Form1"
   ScaleHeight     =   240
   ScaleMode       =   3  'Pixel
   ScaleWidth      =   320
   StartUpPosition =   3  'Windows Default
   Begin VB.PictureBox picChart 
      Height          =   100
      Left            =   8
      ScaleHeight     =   100
      ScaleLeft       =   -50
      ScaleMode       =   0  'User
      ScaleTop        =   0
      ScaleWidth      =   100
      TabIndex        =   1
      Top             =   48
      Width           =   200
      Begin VB.Label lblCentre 
         Caption         =   "Centre"
         Height          =   20
         Left            =   0
         TabIndex        =   2
         Top             =   40
         Width           =   40
      End
   End
   Begin VB.CommandButton cmdDraw 
      Caption         =   "Draw"
      Height          =   25
      Left            =   8
      TabIndex        =   0
      Top             =   8
      Width           =   81
   End
End
Attribute VB_Name = "frmPixels"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
Option Explicit

Private Sub picChart_MouseMove(Button As Integer, Shift As Integer, X As Single, Y As Single)
    lblCentre.Caption = X & "," & Y
End Sub
