VERSION 5.00
Object = "{831FDD16-0C5C-11D2-A9FC-0000F8754DA1}#2.0#0"; "MSCOMCTL.OCX"
Object = "{86CF1D34-0C5F-11D2-A9FC-0000F8754DA1}#2.0#0"; "MSCOMCT2.OCX"
Object = "{5E9E78A0-531B-11CF-91F6-C2863C385E30}#1.0#0"; "MSFLXGRD.OCX"
Object = "{F9043C88-F6F2-101A-A3C9-08002B2F49FB}#1.2#0"; "COMDLG32.OCX"
Begin VB.Form frmCommon 
   Caption         =   "Common controls"
   ClientHeight    =   6000
   ClientLeft      =   60
   ClientTop       =   345
   ClientWidth     =   6600
   ScaleHeight     =   6000
   ScaleWidth      =   6600
   Begin MSComctlLib.ListView lvwFiles 
      Height          =   495
      Left            =   120
      TabIndex        =   0
      Top             =   120
      Width           =   3000
      _ExtentX        =   5292
      _ExtentY        =   873
      _Version        =   393216
      View            =   3
      LabelWrap       =   -1  'True
      HideSelection   =   0   'False
      FullRowSelect   =   -1  'True
      GridLines       =   -1  'True
      BeginProperty ColumnHeaders {0713E8C7-850A-101B-AFC0-4210102A8DA7} 
         NumItems        =   2
         BeginProperty ColumnHeader(1) {BDD1F052-858B-11D1-B16A-00C0F0283628} 
            Text            =   "Name"
            Object.Width           =   1800
         EndProperty
         BeginProperty ColumnHeader(2) {BDD1F052-858B-11D1-B16A-00C0F0283628} 
            SubItemIndex    =   1
            Text            =   "Size"
            Object.Width           =   900
         EndProperty
      EndProperty
   End
   Begin MSComctlLib.TreeView tvwTree 
      Height          =   495
      Left            =   120
      TabIndex        =   1
      Top             =   660
      Width           =   3000
      _ExtentX        =   5292
      _ExtentY        =   873
      _Version        =   393216
      HideSelection   =   0   'False
      Indentation     =   353
   End
   Begin MSComctlLib.ProgressBar prgDone 
      Height          =   495
      Left            =   120
      TabIndex        =   2
      Top             =   1200
      Width           =   3000
      _ExtentX        =   5292
      _ExtentY        =   873
      _Version        =   393216
      Min             =   1
      Max             =   50
      Value           =   20
      Scrolling       =   1
   End
   Begin MSComctlLib.Toolbar tbrMain 
      Height          =   495
      Left            =   120
      TabIndex        =   3
      Top             =   1740
      Width           =   3000
      _ExtentX        =   5292
      _ExtentY        =   873
      _Version        =   393216
      ShowTips        =   -1  'True
   End
   Begin MSComctlLib.TabStrip tabPages 
      Height          =   495
      Left            =   120
      TabIndex        =   4
      Top             =   2280
      Width           =   3000
      _ExtentX        =   5292
      _ExtentY        =   873
      _Version        =   393216
      MultiRow        =   -1  'True
      BeginProperty Tabs {1EFB6598-857C-11D1-B16A-00C0F0283628} 
         NumTabs         =   2
         BeginProperty Tab1 {1EFB659A-857C-11D1-B16A-00C0F0283628} 
            Caption         =   "General"
            ImageVarType    =   2
         EndProperty
         BeginProperty Tab2 {1EFB659A-857C-11D1-B16A-00C0F0283628} 
            Caption         =   "Details"
            ImageVarType    =   2
         EndProperty
      EndProperty
   End
   Begin MSComctlLib.Slider sldLevel 
      Height          =   495
      Left            =   120
      TabIndex        =   5
      Top             =   2820
      Width           =   3000
      _ExtentX        =   5292
      _ExtentY        =   873
      _Version        =   393216
      Max             =   20
      Value           =   5
      TickFrequency   =   5
      LargeChange     =   4
   End
   Begin MSComCtl2.UpDown updCount 
      Height          =   495
      Left            =   120
      TabIndex        =   6
      Top             =   3360
      Width           =   3000
      _ExtentX        =   5292
      _ExtentY        =   873
      _Version        =   393216
      Value           =   3
      Wrap            =   -1  'True
      Orientation     =   1
   End
   Begin MSFlexGridLib.MSFlexGrid grdData 
      Height          =   495
      Left            =   120
      TabIndex        =   7
      Top             =   3900
      Width           =   3000
      _ExtentX        =   5292
      _ExtentY        =   873
      _Version        =   393216
      Rows            =   4
      Cols            =   3
      FixedCols       =   0
      ScrollBars      =   2
   End
   Begin MSComctlLib.StatusBar sbrStatus 
      Height          =   495
      Left            =   120
      TabIndex        =   8
      Top             =   4440
      Width           =   3000
      _ExtentX        =   5292
      _ExtentY        =   873
      _Version        =   393216
      Align           =   2  'Align Bottom
      SimpleText      =   "Ready"
      BeginProperty Panels {8E3867A5-8586-11D1-B16A-00C0F0283628} 
         NumPanels       =   2
         BeginProperty Panel1 {8E3867AB-8586-11D1-B16A-00C0F0283628} 
            AutoSize        =   1
            Object.Width           =   3000
            Text            =   "Ready"
         EndProperty
         BeginProperty Panel2 {8E3867AB-8586-11D1-B16A-00C0F0283628} 
            Object.Width           =   1500
         EndProperty
      EndProperty
   End
   Begin MSComctlLib.ImageList imlIcons 
      Left            =   4800
      Top             =   120
      _ExtentX        =   1005
      _ExtentY        =   1005
      BackColor       =   -2147483643
      ImageWidth      =   24
      ImageHeight     =   24
      MaskColor       =   12632256
      _Version        =   393216
   End
   Begin MSComDlg.CommonDialog dlgOpen 
      Left            =   5400
      Top             =   120
      _ExtentX        =   847
      _ExtentY        =   847
      _Version        =   393216
      DialogTitle     =   "Pick a file"
   End
End
Attribute VB_Name = "frmCommon"
Private Sub lvwFiles_DblClick()
End Sub
Private Sub sldLevel_Change()
End Sub
Private Sub grdData_Click()
End Sub
