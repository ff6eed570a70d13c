VERSION 5.00
Begin VB.Form frmSecond 
   Caption         =   "Second"
   ClientHeight    =   1200
   ClientLeft      =   60
   ClientTop       =   345
   ClientWidth     =   3000
   ScaleHeight     =   80
   ScaleMode       =   3  'Pixel
   ScaleWidth      =   200
   Begin VB.Label lblInfo 
      Caption         =   "info"
      Height          =   17
      Left            =   8
      TabIndex        =   0
      Top             =   8
      Width           =   133
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
    lblInfo.Move 10, 12
    Debug.Print "pixels: "; lblInfo.Left; lblInfo.Top; lblInfo.Width; ScaleWidth < 1000
End Sub

Private Sub Form_QueryUnload(Cancel As Integer, UnloadMode As Integer)
    Debug.Print "second query unload"; UnloadMode
End Sub

Private Sub Form_Unload(Cancel As Integer)
    Debug.Print "second unload"
End Sub
