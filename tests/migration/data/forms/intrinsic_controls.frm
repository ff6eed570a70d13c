VERSION 5.00
Object = "{F9043C88-F6F2-101A-A3C9-08002B2F49FB}#1.2#0"; "COMDLG32.OCX"
Begin VB.Form frmIntrinsic 
   Caption         =   "Every intrinsic control"
   ClientHeight    =   5400
   ClientLeft      =   60
   ClientTop       =   345
   ClientWidth     =   7200
   LinkTopic       =   "Form1"
   ScaleHeight     =   5400
   ScaleWidth      =   7200
   StartUpPosition =   3  'Windows Default
   Begin MSComDlg.CommonDialog dlgOpen 
      Left            =   6480
      Top             =   4680
      _ExtentX        =   847
      _ExtentY        =   847
      _Version        =   393216
      DialogTitle     =   "Open a file"
      Filter          =   "Text files (*.txt)|*.txt|All files|*.*"
   End
   Begin VB.Timer Timer1 
      Interval        =   500
      Left            =   6000
      Top             =   4680
   End
   Begin VB.VScrollBar VScroll1 
      Height          =   1455
      Left            =   6720
      Max             =   100
      TabIndex        =   11
      Top             =   120
      Width           =   255
   End
   Begin VB.HScrollBar HScroll1 
      Height          =   255
      LargeChange     =   10
      Left            =   120
      Max             =   200
      Min             =   10
      TabIndex        =   10
      Top             =   4920
      Value           =   50
      Width           =   3015
   End
   Begin VB.PictureBox Picture1 
      Height          =   975
      Left            =   4440
      ScaleHeight     =   915
      ScaleWidth      =   1995
      TabIndex        =   9
      Top             =   3720
      Width           =   2055
   End
   Begin VB.ComboBox Combo1 
      Height          =   315
      Left            =   4440
      Style           =   2  'Dropdown List
      TabIndex        =   8
      Top             =   3240
      Width           =   2055
   End
   Begin VB.ListBox List1 
      Height          =   1035
      ItemData        =   "intrinsic_controls.frx":0000
      Left            =   4440
      List            =   "intrinsic_controls.frx":0002
      TabIndex        =   7
      Top             =   2040
      Width           =   2055
   End
   Begin VB.Frame Frame1 
      Caption         =   "Choice"
      Height          =   1215
      Left            =   120
      TabIndex        =   4
      Top             =   3480
      Width           =   3015
      Begin VB.OptionButton Option2 
         Caption         =   "&Second"
         Height          =   255
         Left            =   120
         TabIndex        =   6
         Top             =   720
         Width           =   2655
      End
      Begin VB.OptionButton Option1 
         Caption         =   "&First"
         Height          =   255
         Left            =   120
         TabIndex        =   5
         Top             =   360
         Value           =   -1  'True
         Width           =   2655
      End
   End
   Begin VB.CheckBox Check1 
      Caption         =   "&Remember me"
      Height          =   255
      Left            =   120
      TabIndex        =   3
      Top             =   3120
      Value           =   1  'Checked
      Width           =   3015
   End
   Begin VB.TextBox Text2 
      Height          =   1215
      Left            =   120
      MultiLine       =   -1  'True
      ScrollBars      =   2  'Vertical
      TabIndex        =   2
      Text            =   "Notes"
      Top             =   1800
      Width           =   4095
   End
   Begin VB.TextBox Text1 
      Height          =   315
      Left            =   1440
      MaxLength       =   40
      TabIndex        =   1
      Text            =   "Text1"
      ToolTipText     =   "Type a name"
      Top             =   1200
      Width           =   2775
   End
   Begin VB.CommandButton Command1 
      Caption         =   "&OK"
      Default         =   -1  'True
      Height          =   495
      Left            =   4440
      TabIndex        =   0
      Top             =   1200
      Width           =   1215
   End
   Begin VB.Line Line2 
      BorderColor     =   &H80000010&
      X1              =   3360
      X2              =   3360
      Y1              =   3480
      Y2              =   5160
   End
   Begin VB.Line Line1 
      BorderColor     =   &H00808080&
      BorderWidth     =   2
      X1              =   120
      X2              =   6480
      Y1              =   960
      Y2              =   960
   End
   Begin VB.Shape Shape1 
      BackColor       =   &H0000FFFF&
      BackStyle       =   1  'Opaque
      Height          =   615
      Left            =   5040
      Shape           =   2  'Oval
      Top             =   240
      Width           =   1335
   End
   Begin VB.Image Image1 
      Height          =   615
      Left            =   4320
      Picture         =   "intrinsic_controls.frx":0004
      Stretch         =   -1  'True
      Top             =   240
      Width           =   615
   End
   Begin VB.Label Label1 
      Alignment       =   1  'Right Justify
      Caption         =   "&Name:"
      Height          =   255
      Left            =   120
      TabIndex        =   12
      Top             =   1260
      Width           =   1215
   End
End
Attribute VB_Name = "frmIntrinsic"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
Option Explicit

Private Sub Command1_Click()
    dlgOpen.ShowOpen
End Sub

Private Sub Form_Load()
    Combo1.AddItem "One"
End Sub

Private Sub Form_Unload(Cancel As Integer)
    Timer1.Enabled = False
End Sub

Private Sub Form_QueryUnload(Cancel As Integer, UnloadMode As Integer)
    If UnloadMode = vbFormControlMenu Then Cancel = 0
End Sub

Private Sub Text1_Change()
    Label1.Caption = Text1.Text
End Sub

Private Sub Text1_KeyPress(KeyAscii As Integer)
    If KeyAscii = 13 Then KeyAscii = 0
End Sub

Private Sub Text2_KeyDown(KeyCode As Integer, Shift As Integer)
    If KeyCode = vbKeyF2 Then Text2.Text = ""
End Sub

Private Sub Text1_Validate(Cancel As Boolean)
    Cancel = Len(Text1.Text) = 0
End Sub

Private Sub Timer1_Timer()
    HScroll1.Value = (HScroll1.Value + 1) Mod 200
End Sub

Private Sub List1_DblClick()
    MsgBox List1.Text
End Sub

Private Sub Check1_Click()
    Frame1.Enabled = Check1.Value = vbChecked
End Sub

Private Sub HScroll1_Change()
    VScroll1.Value = HScroll1.Value \ 2
End Sub

Private Sub Combo1_Click()
    Text1.Text = Combo1.Text
End Sub

Private Sub Picture1_Paint()
    Picture1.Line (0, 0)-(100, 100)
End Sub

Private Sub Label1_MouseDown(Button As Integer, Shift As Integer, X As Single, Y As Single)
    Text1.SetFocus
End Sub

Private Sub Image1_Click()
    Shape1.Visible = Not Shape1.Visible
End Sub

Private Sub ShowTotals()
    Debug.Print "not an event handler"
End Sub
