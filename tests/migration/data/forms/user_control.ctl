VERSION 5.00
Begin VB.UserControl ctlSearchBox 
   ClientHeight    =   495
   ClientLeft      =   0
   ClientTop       =   0
   ClientWidth     =   3600
   ScaleHeight     =   495
   ScaleWidth      =   3600
   Begin VB.CommandButton cmdGo 
      Caption         =   "Go"
      Height          =   375
      Left            =   2880
      TabIndex        =   1
      Top             =   60
      Width           =   615
   End
   Begin VB.TextBox txtQuery 
      Height          =   315
      Left            =   60
      TabIndex        =   0
      Top             =   90
      Width           =   2715
   End
End
Attribute VB_Name = "ctlSearchBox"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = True
Attribute VB_PredeclaredId = False
Attribute VB_Exposed = False
Option Explicit

Private Sub UserControl_Resize()
    txtQuery.Width = UserControl.ScaleWidth - cmdGo.Width - 120
End Sub

Private Sub UserControl_ReadProperties(PropBag As PropertyBag)
    txtQuery.Text = PropBag.ReadProperty("Query", "")
End Sub

Private Sub cmdGo_Click()
    RaiseEvent Search(txtQuery.Text)
End Sub
