VERSION 5.00
Begin VB.Form frmSecond 
   Caption         =   "Second"
   ClientHeight    =   1200
   ClientLeft      =   60
   ClientTop       =   345
   ClientWidth     =   3000
   ScaleHeight     =   1200
   ScaleWidth      =   3000
   Begin VB.Label lblInfo 
      Caption         =   "info"
      Height          =   255
      Left            =   120
      TabIndex        =   0
      Top             =   120
      Width           =   2000
   End
End
Attribute VB_Name = "frmSecond"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
Option Explicit

Public Greeting As String
Private mMood As String

Public Property Get Mood() As String
    Mood = mMood
End Property

Public Property Let Mood(ByVal Value As String)
    mMood = UCase(Value)
End Property

Private Sub Form_Load()
    lblInfo = "loaded"
    Debug.Print "second load: "; lblInfo.Caption
End Sub

Private Sub Form_QueryUnload(Cancel As Integer, UnloadMode As Integer)
    Debug.Print "second query unload"; UnloadMode
End Sub

Private Sub Form_Unload(Cancel As Integer)
    Debug.Print "second unload"
End Sub
