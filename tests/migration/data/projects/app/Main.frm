VERSION 5.00
Begin VB.Form frmMain 
   Caption         =   "Main window"
   ClientHeight    =   3000
   ClientLeft      =   60
   ClientTop       =   345
   ClientWidth     =   4500
   LinkTopic       =   "Form1"
   ScaleHeight     =   3000
   ScaleWidth      =   4500
   StartUpPosition =   3  'Windows Default
   Begin VB.Timer Timer1 
      Interval        =   500
      Left            =   3960
      Top             =   120
   End
   Begin VB.TextBox Text1 
      Height          =   375
      Left            =   120
      TabIndex        =   1
      Text            =   "Text1"
      Top             =   600
      Width           =   2175
   End
   Begin VB.CommandButton Command1 
      Caption         =   "&Go"
      Height          =   375
      Left            =   120
      TabIndex        =   0
      Top             =   120
      Width           =   1215
   End
   Begin VB.Label Label1 
      Caption         =   "Ready"
      Height          =   255
      Left            =   120
      TabIndex        =   2
      Top             =   1200
      Width           =   2175
   End
End
Attribute VB_Name = "frmMain"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
Option Explicit

Private mCount As Long

Private Sub Form_Load()
    Dim c As Counter
    Set c = New Counter
    Label1.Caption = "Loaded"
End Sub

Private Sub Command1_Click()
    On Error GoTo Failed
    Dim v As Variant
    v = Twice(mCount)
    Label1.Caption = CStr(v)
    Exit Sub
Failed:
    MsgBox "failed"
End Sub

Private Sub Text1_KeyPress(KeyAscii As Integer)
    If KeyAscii = 13 Then KeyAscii = 0
End Sub

Private Sub Timer1_Timer()
    mCount = mCount + 1
End Sub

Private Function Twice(ByVal n As Long) As Long
    Twice = n * 2
End Function

Public Sub ShowStatus(ByVal text As String, ByVal level As Integer)
    Label1.Caption = text ' shown, level ignored
End Sub
