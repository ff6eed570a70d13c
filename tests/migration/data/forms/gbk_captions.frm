VERSION 5.00
Begin VB.Form frmZhongwen 
   Caption         =   "图书管理"
   ClientHeight    =   2400
   ClientLeft      =   60
   ClientTop       =   630
   ClientWidth     =   4800
   BeginProperty Font 
      Name            =   "宋体"
      Size            =   9
      Charset         =   134
      Weight          =   400
      Underline       =   0   'False
      Italic          =   0   'False
      Strikethrough   =   0   'False
   EndProperty
   LinkTopic       =   "Form1"
   ScaleHeight     =   2400
   ScaleWidth      =   4800
   StartUpPosition =   3  '窗口缺省
   Begin VB.Frame fraBook 
      Caption         =   "书籍信息"
      Height          =   1455
      Left            =   120
      TabIndex        =   0
      Top             =   120
      Width           =   4575
      Begin VB.CheckBox chkBorrowed 
         Caption         =   "已借出"
         Height          =   255
         Left            =   120
         TabIndex        =   2
         Top             =   840
         Width           =   1455
      End
      Begin VB.ComboBox cboCategory 
         Height          =   300
         Left            =   120
         TabIndex        =   1
         Text            =   "小说"
         Top             =   360
         Width           =   2175
      End
   End
   Begin VB.CommandButton cmdSearch 
      Caption         =   "查找(&F)"
      Height          =   375
      Index           =   0
      Left            =   3480
      TabIndex        =   3
      Top             =   1800
      Width           =   1215
   End
   Begin VB.Menu mnuFile 
      Caption         =   "文件(&F)"
      Begin VB.Menu mnuOption 
         Caption         =   "设置(&P)"
      End
   End
End
Attribute VB_Name = "frmZhongwen"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
Option Explicit

Private Sub cmdSearch_Click(Index As Integer)
    MsgBox "查找"
End Sub

Private Sub cboCategory_Change()
    chkBorrowed.Value = vbUnchecked
End Sub
