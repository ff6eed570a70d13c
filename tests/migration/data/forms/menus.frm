VERSION 5.00
Begin VB.Form frmMenus 
   Caption         =   "Menus and shortcuts"
   ClientHeight    =   3000
   ClientLeft      =   165
   ClientTop       =   855
   ClientWidth     =   4500
   LinkTopic       =   "Form1"
   ScaleHeight     =   3000
   ScaleWidth      =   4500
   StartUpPosition =   3  'Windows Default
   Begin VB.TextBox txtBody 
      Height          =   2775
      Left            =   120
      MultiLine       =   -1  'True
      ScrollBars      =   3  'Both
      TabIndex        =   0
      Top             =   120
      Width           =   4215
   End
   Begin VB.Menu mnuFile 
      Caption         =   "&File"
      Begin VB.Menu mnuOpen 
         Caption         =   "&Open..."
         Shortcut        =   ^O
      End
      Begin VB.Menu mnuSave 
         Caption         =   "&Save"
         Enabled         =   0   'False
         Shortcut        =   ^S
      End
      Begin VB.Menu mnuSep1 
         Caption         =   "-"
      End
      Begin VB.Menu mnuRecent 
         Caption         =   "Recent &1"
         Index           =   0
         Visible         =   0   'False
      End
      Begin VB.Menu mnuRecent 
         Caption         =   "Recent &2"
         Index           =   1
         Visible         =   0   'False
      End
      Begin VB.Menu mnuExit 
         Caption         =   "E&xit"
         Shortcut        =   %{BKSP}
      End
   End
   Begin VB.Menu mnuEdit 
      Caption         =   "&Edit"
      Begin VB.Menu mnuDelete 
         Caption         =   "&Delete"
         Shortcut        =   {DEL}
      End
      Begin VB.Menu mnuView 
         Caption         =   "&View"
         Begin VB.Menu mnuWrap 
            Caption         =   "&Word wrap"
            Checked         =   -1  'True
         End
         Begin VB.Menu mnuRefresh 
            Caption         =   "&Refresh"
            Shortcut        =   +{F5}
         End
      End
   End
   Begin VB.Menu mnuHelp 
      Caption         =   "&Help"
      Begin VB.Menu mnuContents 
         Caption         =   "&Contents"
         Shortcut        =   {F1}
      End
   End
   Begin VB.Menu mnuPopup 
      Caption         =   "Popup"
      Visible         =   0   'False
      Begin VB.Menu mnuCopy 
         Caption         =   "&Copy"
         Shortcut        =   ^C
      End
   End
End
Attribute VB_Name = "frmMenus"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
Option Explicit

Private Sub mnuOpen_Click()
    txtBody.Text = ""
End Sub

Private Sub mnuRecent_Click(Index As Integer)
    txtBody.Text = mnuRecent(Index).Caption
End Sub

Private Sub mnuExit_Click()
    Unload Me
End Sub

Private Sub txtBody_MouseUp(Button As Integer, Shift As Integer, X As Single, Y As Single)
    If Button = vbRightButton Then PopupMenu mnuPopup
End Sub
