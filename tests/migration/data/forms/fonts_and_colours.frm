VERSION 5.00
Begin VB.Form frmFonts 
   BackColor       =   &H8000000F&
   Caption         =   "Fonts and colours"
   ClientHeight    =   3600
   ClientLeft      =   60
   ClientTop       =   345
   ClientWidth     =   6000
   BeginProperty Font 
      Name            =   "Tahoma"
      Size            =   9.75
      Charset         =   0
      Weight          =   400
      Underline       =   0   'False
      Italic          =   0   'False
      Strikethrough   =   0   'False
   EndProperty
   ForeColor       =   &H80000012&
   LinkTopic       =   "Form1"
   ScaleHeight     =   3600
   ScaleWidth      =   6000
   StartUpPosition =   2  'CenterScreen
   Begin VB.TextBox txtInfo 
      BackColor       =   &H80000018&
      ForeColor       =   &H80000017&
      Height          =   375
      Left            =   120
      TabIndex        =   3
      Text            =   "Info colours"
      Top             =   2520
      Width           =   5775
   End
   Begin VB.CommandButton cmdBold 
      Caption         =   "Bold italic"
      BeginProperty Font 
         Name            =   "Arial"
         Size            =   12
         Charset         =   0
         Weight          =   700
         Underline       =   0   'False
         Italic          =   -1  'True
         Strikethrough   =   0   'False
      EndProperty
      Height          =   495
      Left            =   120
      TabIndex        =   2
      Top             =   1800
      Width           =   2535
   End
   Begin VB.Label lblStrike 
      BackStyle       =   0  'Transparent
      Caption         =   "Underlined and struck"
      BeginProperty Font 
         Name            =   "Courier New"
         Size            =   8.25
         Charset         =   0
         Weight          =   400
         Underline       =   -1  'True
         Italic          =   0   'False
         Strikethrough   =   -1  'True
      EndProperty
      ForeColor       =   &H000000C0&
      Height          =   375
      Left            =   120
      TabIndex        =   1
      Top             =   1200
      Width           =   5775
   End
   Begin VB.Label lblTitle 
      Alignment       =   2  'Center
      BackColor       =   &H00FFC0C0&
      Caption         =   "Large title"
      BeginProperty Font 
         Name            =   "Times New Roman"
         Size            =   18
         Charset         =   0
         Weight          =   700
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      ForeColor       =   -2147483635
      Height          =   615
      Left            =   120
      TabIndex        =   0
      Top             =   240
      Width           =   5775
   End
   Begin VB.Shape shpBox 
      BorderColor     =   &H80000015&
      BorderStyle     =   3  'Dot
      FillColor       =   &H0080FF80&
      FillStyle       =   5  'Downward Diagonal
      Height          =   375
      Left            =   2880
      Top             =   1800
      Width           =   3015
   End
End
Attribute VB_Name = "frmFonts"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
Option Explicit
