VERSION 5.00
Object = "{831FDD16-0C5C-11D2-A9FC-0000F8754DA1}#2.0#0"; "MSCOMCTL.OCX"
Object = "{648A5603-2C6E-101B-82B6-000000000014}#1.1#0"; "MSCOMM32.OCX"
Object = "{BDC217C8-ED16-11CD-956C-0000C04E4C0A}#1.1#0"; "TABCTL32.OCX"
Begin VB.Form frmOcx 
   Caption         =   "Third-party controls"
   ClientHeight    =   4800
   ClientLeft      =   60
   ClientTop       =   345
   ClientWidth     =   7200
   LinkTopic       =   "Form1"
   ScaleHeight     =   4800
   ScaleWidth      =   7200
   StartUpPosition =   3  'Windows Default
   Begin TabDlg.SSTab tabPages 
      Height          =   2175
      Left            =   120
      TabIndex        =   2
      Top             =   2400
      Width           =   4455
      _ExtentX        =   7858
      _ExtentY        =   3836
      _Version        =   393216
      TabCaption(0)   =   "General"
      TabPicture(0)   =   "ocx_controls.frx":0000
      Tab(0).ControlEnabled=   -1  'True
      Begin VB.CheckBox chkActive 
         Caption         =   "Active"
         Height          =   255
         Left            =   240
         TabIndex        =   3
         Top             =   600
         Width           =   1575
      End
   End
   Begin MSCommLib.MSComm comPort 
      Left            =   6480
      Top             =   4080
      _ExtentX        =   1005
      _ExtentY        =   1005
      _Version        =   393216
      DTREnable       =   -1  'True
   End
   Begin MSComctlLib.ListView lvwItems 
      Height          =   2055
      Left            =   120
      TabIndex        =   0
      Top             =   120
      Width           =   4455
      _ExtentX        =   7858
      _ExtentY        =   3625
      View            =   3
      LabelWrap       =   -1  'True
      HideSelection   =   -1  'True
      _Version        =   393217
      BeginProperty ColumnHeaders {0713E8C7-850A-101B-AFC0-4210102A8DA7} 
         NumItems        =   1
         BeginProperty ColumnHeader(1) {BDD1F052-858B-11D1-B16A-00C0F0283628} 
            Text            =   "Name"
            Object.Width           =   2540
         EndProperty
      EndProperty
   End
   Begin VB.DriveListBox drvPick 
      Height          =   315
      Left            =   4800
      TabIndex        =   1
      Top             =   120
      Width           =   2175
   End
   Begin VB.Data datBooks 
      Caption         =   "Books"
      Connect         =   "Access"
      DatabaseName    =   ""
      Height          =   345
      Left            =   4800
      RecordSource    =   ""
      Top             =   600
      Width           =   2175
   End
End
Attribute VB_Name = "frmOcx"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
Option Explicit

Private Sub comPort_OnComm()
    Debug.Print comPort.CommEvent
End Sub

Private Sub lvwItems_ItemClick(ByVal Item As MSComctlLib.ListItem)
    chkActive.Value = vbChecked
End Sub

Private Sub drvPick_Change()
    Debug.Print drvPick.Drive
End Sub

Private Sub chkActive_Click()
    lvwItems.Enabled = chkActive.Value = vbChecked
End Sub
