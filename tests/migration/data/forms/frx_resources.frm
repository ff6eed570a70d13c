VERSION 5.00
Begin VB.Form frmResources 
   Caption         =   "Resources"
   ClientHeight    =   6000
   ClientLeft      =   60
   ClientTop       =   345
   ClientWidth     =   4800
   Icon            =   "frx_resources.frx":0000
   ScaleHeight     =   6000
   ScaleWidth      =   4800
   Begin VB.Image imgBitmap 
      Height          =   615
      Left            =   120
      Top             =   120
      Width           =   1215
      Picture         =   "frx_resources.frx":048A
   End
   Begin VB.Image imgGif 
      Height          =   615
      Left            =   120
      Top             =   820
      Width           =   1215
      Picture         =   "frx_resources.frx":04FC
   End
   Begin VB.Image imgJpeg 
      Height          =   615
      Left            =   120
      Top             =   1520
      Width           =   1215
      Picture         =   "frx_resources.frx":0533
      Stretch         =   -1  'True
   End
   Begin VB.PictureBox picIcon 
      Height          =   615
      Left            =   120
      Top             =   2220
      Width           =   1215
      Picture         =   "frx_resources.frx":07CB
      TabIndex        =   3
   End
   Begin VB.Image imgMetafile 
      Height          =   615
      Left            =   120
      Top             =   2920
      Width           =   1215
      Picture         =   "frx_resources.frx":0C55
   End
   Begin VB.ListBox lstColours 
      Height          =   615
      Left            =   3120
      Top             =   120
      Width           =   1215
      ItemData        =   "frx_resources.frx":0CA1
      List            =   "frx_resources.frx":0C89
      TabIndex        =   0
   End
   Begin VB.ComboBox cboCount 
      Height          =   615
      Left            =   3120
      Top             =   820
      Width           =   1215
      List            =   "frx_resources.frx":0CAF
      Text            =   "One"
      TabIndex        =   1
   End
   Begin VB.TextBox txtNotes 
      Height          =   615
      Left            =   3120
      Top             =   1520
      Width           =   1215
      MultiLine       =   -1  'True
      Text            =   $"frx_resources.frx":0CBB
      TabIndex        =   2
   End
   Begin VB.Label lblLong 
      Height          =   615
      Left            =   3120
      Top             =   2220
      Width           =   1215
      Caption         =   $"frx_resources.frx":0CDC
   End
End
Attribute VB_Name = "frmResources"
