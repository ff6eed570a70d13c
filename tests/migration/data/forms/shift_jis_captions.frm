VERSION 5.00
Begin VB.Form frmNihongo 
   Caption         =   "顧客情報の入力"
   ClientHeight    =   2400
   ClientLeft      =   60
   ClientTop       =   630
   ClientWidth     =   4800
   BeginProperty Font 
      Name            =   "ＭＳ Ｐゴシック"
      Size            =   9
      Charset         =   128
      Weight          =   400
      Underline       =   0   'False
      Italic          =   0   'False
      Strikethrough   =   0   'False
   EndProperty
   LinkTopic       =   "Form1"
   ScaleHeight     =   2400
   ScaleWidth      =   4800
   StartUpPosition =   3  '既定値
   Begin VB.CommandButton cmdSave 
      Caption         =   "保存(&S)"
      Height          =   375
      Left            =   3360
      TabIndex        =   2
      Top             =   1800
      Width           =   1215
   End
   Begin VB.TextBox txtName 
      Height          =   315
      Left            =   1320
      TabIndex        =   1
      Text            =   "山田　太郎"
      Top             =   240
      Width           =   3255
   End
   Begin VB.Label lblName 
      Caption         =   "氏名："
      Height          =   255
      Left            =   120
      TabIndex        =   0
      Top             =   300
      Width           =   1095
   End
   Begin VB.Menu mnuFile 
      Caption         =   "ファイル(&F)"
      Begin VB.Menu mnuQuit 
         Caption         =   "終了(&X)"
      End
   End
End
Attribute VB_Name = "frmNihongo"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
Option Explicit

Private Sub cmdSave_Click()
    MsgBox "保存しました"
End Sub

Private Sub mnuQuit_Click()
    Unload Me
End Sub
