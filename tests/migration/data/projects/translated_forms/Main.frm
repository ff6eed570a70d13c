VERSION 5.00
Object = "{F9043C88-F6F2-101A-A3C9-08002B2F49FB}#1.2#0"; "COMDLG32.OCX"
Object = "{831FDD16-0C5C-11D2-A9FC-0000F8754DA1}#2.0#0"; "MSCOMCTL.OCX"
Object = "{5E9E78A0-531B-11CF-91F6-C2863C385E30}#1.0#0"; "MSFLXGRD.OCX"
Begin VB.Form frmMain 
   Caption         =   "Shop"
   ClientHeight    =   3600
   ClientLeft      =   60
   ClientTop       =   345
   ClientWidth     =   6000
   ScaleHeight     =   3600
   ScaleWidth      =   6000
   Begin MSComDlg.CommonDialog dlgOpen 
      Left            =   5400
      Top             =   120
      _ExtentX        =   847
      _ExtentY        =   847
      _Version        =   393216
   End
   Begin MSComctlLib.ProgressBar prgDone 
      Height          =   255
      Left            =   120
      TabIndex        =   8
      Top             =   3240
      Width           =   3000
      _ExtentX        =   5292
      _ExtentY        =   450
      _Version        =   393216
   End
   Begin MSComctlLib.ListView lvwOrders 
      Height          =   855
      Left            =   3240
      TabIndex        =   10
      Top             =   2000
      Width           =   2000
      _ExtentX        =   3528
      _ExtentY        =   1508
      View            =   3
      _Version        =   393216
   End
   Begin MSFlexGridLib.MSFlexGrid grdPrices 
      Height          =   615
      Left            =   3240
      TabIndex        =   11
      Top             =   2900
      Width           =   2000
      _ExtentX        =   3528
      _ExtentY        =   1085
      _Version        =   393216
      Rows            =   2
      Cols            =   2
   End
   Begin VB.Timer tmrTick 
      Interval        =   100
      Left            =   5400
      Top             =   600
   End
   Begin VB.HScrollBar hsbLevel 
      Height          =   255
      Left            =   120
      Max             =   10
      TabIndex        =   7
      Top             =   2880
      Width           =   3000
   End
   Begin VB.ComboBox cboKind 
      Height          =   315
      Left            =   3240
      TabIndex        =   6
      Top             =   1560
      Width           =   2000
   End
   Begin VB.ListBox lstItems 
      Height          =   1035
      Left            =   3240
      TabIndex        =   5
      Top             =   120
      Width           =   2000
   End
   Begin VB.OptionButton optFast 
      Caption         =   "Fast"
      Height          =   255
      Left            =   120
      TabIndex        =   4
      Top             =   2400
      Width           =   1200
   End
   Begin VB.CheckBox chkGift 
      Caption         =   "Gift"
      Height          =   255
      Left            =   120
      TabIndex        =   3
      Top             =   1920
      Width           =   1200
   End
   Begin VB.TextBox txtName 
      Height          =   315
      Left            =   120
      TabIndex        =   2
      Text            =   "Ann"
      Top             =   1440
      Width           =   2000
   End
   Begin VB.CommandButton cmdBuy 
      Caption         =   "Two"
      Height          =   375
      Index           =   1
      Left            =   1320
      TabIndex        =   1
      Top             =   120
      Width           =   1000
   End
   Begin VB.CommandButton cmdBuy 
      Caption         =   "One"
      Height          =   375
      Index           =   0
      Left            =   120
      TabIndex        =   0
      Top             =   120
      Width           =   1000
   End
   Begin VB.Image imgLogo 
      Height          =   495
      Left            =   5400
      Top             =   2400
      Width           =   495
   End
   Begin VB.Label lblTotal 
      Caption         =   "0"
      Height          =   255
      Left            =   120
      TabIndex        =   9
      Top             =   960
      Width           =   2000
   End
End
Attribute VB_Name = "frmMain"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
Option Explicit

Private mTicks As Integer
Private WithEvents mCounter As Counter

Private Sub Form_Load()
    Dim c As Control
    Dim i As Integer
    Dim itm As ListItem
    Me.Caption = "Shop open"
    Debug.Print "caption: "; Caption
    txtName = "Bob"
    Debug.Print "text: "; txtName.Text; " "; Len(txtName)
    txtName.SelStart = 1
    txtName.SelLength = 2
    Debug.Print "selected: "; txtName.SelText
    lblTotal = "5"
    Debug.Print "label: "; lblTotal
    chkGift = 1
    Debug.Print "check: "; chkGift.Value
    optFast.Value = True
    Debug.Print "option: "; optFast
    lstItems.AddItem "apple"
    lstItems.AddItem "pear"
    lstItems.AddItem "fig", 0
    lstItems.ItemData(1) = 42
    lstItems.ListIndex = 1
    Debug.Print "list: "; lstItems.ListCount; lstItems.List(0); " "; lstItems.Text; lstItems.ItemData(1)
    lstItems.RemoveItem 0
    Debug.Print "after remove: "; lstItems.ListCount; lstItems.List(0)
    cboKind.AddItem "small"
    cboKind.ListIndex = 0
    Debug.Print "combo: "; cboKind.Text
    cboKind.Clear
    Debug.Print "combo cleared: "; cboKind.ListCount
    hsbLevel.Value = 7
    Debug.Print "scroll: "; hsbLevel.Value
    tmrTick.Interval = 50
    Debug.Print "interval: "; tmrTick.Interval
    cmdBuy(1).Caption = "Second"
    Debug.Print "element: "; cmdBuy(1).Caption; " bounds"; LBound(cmdBuy); UBound(cmdBuy)
    Load cmdBuy(2)
    cmdBuy(2).Caption = "Third"
    For Each c In cmdBuy
        Debug.Print "button "; c.Tag; " "; c.Visible
    Next
    Debug.Print "count: "; cmdBuy.Count
    Unload cmdBuy(2)
    Debug.Print "after unload: "; cmdBuy.UBound
    txtName.Left = 300
    txtName.Move 450, 1500
    Debug.Print "geometry: "; txtName.Left; txtName.Top; txtName.Width
    txtName.ForeColor = vbRed
    txtName.BackColor = &HFFFFFF
    Debug.Print "colours: "; txtName.ForeColor; txtName.BackColor
    txtName.Font.Bold = True
    txtName.Font.Size = 12
    Debug.Print "font: "; txtName.Font.Bold; txtName.FontSize
    txtName.Tag = "name box"
    txtName.ToolTipText = "Your name"
    txtName.MousePointer = 11
    Debug.Print "tag: "; txtName.Tag; " "; txtName.MousePointer
    txtName.Enabled = False
    txtName.Visible = True
    Debug.Print "enabled: "; txtName.Enabled
    dlgOpen.Filter = "Text|*.txt"
    dlgOpen.FileName = "a.txt"
    dlgOpen.CancelError = True
    Debug.Print "dialog: "; dlgOpen.Filter; " "; dlgOpen.FileName
    prgDone.Value = 30
    Debug.Print "progress: "; prgDone.Value
    App.Title = "Shop app"
    Debug.Print "app: "; App.Title; " "; Screen.TwipsPerPixelX
    Clipboard.Clear
    Clipboard.SetText "clip"
    Debug.Print "forms: "; Forms.Count
    Set imgLogo.Picture = LoadPicture()
    KeyPreview = True
    Debug.Print "state: "; WindowState; KeyPreview
    i = 0
    For Each c In Controls
        If TypeOf c Is CommandButton Then i = i + 1
    Next
    Debug.Print "controls: "; Controls.Count; i
    Debug.Print "clipboard: "; Clipboard.GetText; Len(App.Path) > 0; Screen.Width > 0
    txtName.Refresh
    frmSecond.Greeting = "hi"
    frmSecond.Mood = "calm"
    Debug.Print "mood: "; frmSecond.Mood
    frmSecond.Show
    Debug.Print "second: "; frmSecond.Greeting; " "; frmSecond.lblInfo.Caption
    frmSecond.Hide
    Debug.Print "second visible: "; frmSecond.Visible
    frmSecond.Caption = "Other"
    Unload frmSecond
    Set itm = lvwOrders.ListItems.Add(, , "tea")
    itm.SubItems(2) = "two"
    lvwOrders.ListItems.Add , , "jam"
    Debug.Print "orders: "; lvwOrders.ListItems.Count; lvwOrders.ListItems(2).Text; " "; itm.SubItems(2); "|"; itm.SubItems(1); "|"
    grdPrices.Rows = 3
    grdPrices.TextMatrix(2, 1) = "9.50"
    grdPrices.Row = 2: grdPrices.Col = 1
    Debug.Print "grid: "; grdPrices.Text; grdPrices.Rows; grdPrices.Cols
    Set mCounter = New Counter
    mCounter.Bump
    Report "loaded"
    cmdBuy_Click 0
End Sub

Private Sub mCounter_Changed(ByVal Total As Long)
    Debug.Print "counter:"; Total
End Sub

Private Sub cmdBuy_Click(Index As Integer)
    Clicks = Clicks + 1
    Debug.Print "click "; Index; Clicks
End Sub

Private Sub txtName_KeyPress(KeyAscii As Integer)
    If KeyAscii = 13 Then KeyAscii = 0
End Sub

Private Sub txtName_MouseDown(Button As Integer, Shift As Integer, X As Single, Y As Single)
    Debug.Print "mouse "; Button; X
End Sub

Private Sub tmrTick_Timer()
    mTicks = mTicks + 1
End Sub

Private Sub Form_Activate()
    lstItems.SetFocus
End Sub

Private Sub Form_QueryUnload(Cancel As Integer, UnloadMode As Integer)
    Debug.Print "query unload"; UnloadMode; " "; ActiveControl.Name
End Sub

Private Sub Form_Unload(Cancel As Integer)
    Debug.Print "unload, timer ran: "; mTicks > 0
End Sub
