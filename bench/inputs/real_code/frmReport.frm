VERSION 5.00
Begin VB.Form frmReport
   Caption         =   "Report"
   ClientHeight    =   5400
   ClientWidth     =   7800
   Begin VB.ListBox lstRows
      Height          =   3000
      Left            =   120
      TabIndex        =   2
      Top             =   720
      Width           =   7500
   End
   Begin VB.TextBox txtField
      Height          =   315
      Index           =   0
      Left            =   120
      TabIndex        =   0
      Top             =   240
      Width           =   2400
   End
   Begin VB.CommandButton cmdRun
      Caption         =   "Run"
      Height          =   375
      Left            =   6480
      TabIndex        =   1
      Top             =   240
      Width           =   1095
   End
End
Attribute VB_Name = "frmReport"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
Option Explicit
' The report form: the user types a filter, presses Run, and the rows
' of every matching order are listed. ReportType picks the layout.

Public Enum ReportType
    rtSummary = 0
    rtDetail = 1
    rtTotals = 2
End Enum

Private Type ReportRow
    Customer As String
    Amount As Currency
    Lines(1 To 8) As String
    Flags(3) As Boolean
End Type

Private mRows() As ReportRow
Private mRowCount As Long
Private mLayout As ReportType
Private mColumns(5) As Single

Private Sub Form_Load()
    Dim i As Integer
    mLayout = rtSummary
    For i = 0 To 5
        mColumns(i) = 1200 * (i + 1)
    Next i
    For i = 1 To 3
        Load txtField(i)
        txtField(i).Left = txtField(i - 1).Left + txtField(i - 1).Width + 60
        txtField(i).Visible = True
    Next i
    SetStatus "ready", 0
End Sub

Private Sub Form_Resize()
    If Me.WindowState = vbMinimized Then Exit Sub
    lstRows.Width = Me.ScaleWidth - 240
    lstRows.Height = Me.ScaleHeight - lstRows.Top - 120
End Sub

Private Sub cmdRun_Click()
    Dim filter As String, n As Long
    filter = Trim$(txtField(0).Text)
    If Len(filter) = 0 Then
        MsgBox "Type a customer name first.", vbExclamation
        Exit Sub
    End If
    Screen.MousePointer = vbHourglass
    n = FillRows(filter, mLayout)
    Screen.MousePointer = vbDefault
    SetStatus "rows: " & n, n
End Sub

Private Sub txtField_KeyPress(Index As Integer, KeyAscii As Integer)
    If KeyAscii = 13 Then
        KeyAscii = 0
        If Index < 3 Then txtField(Index + 1).SetFocus Else cmdRun_Click
    End If
End Sub

' Fills the list; returns the number of rows. The layout Type decides the columns.
Private Function FillRows(ByVal Filter As String, ByVal Layout As ReportType) As Long
    Dim i As Long, j As Integer, shown As Long, text As String
    lstRows.Clear
    With lstRows
        For i = 0 To mRowCount - 1
            If InStr(1, mRows(i).Customer, Filter, vbTextCompare) > 0 Then
                text = mRows(i).Customer & vbTab & Format$(mRows(i).Amount, "#,##0.00")
                If Layout = rtDetail Then
                    For j = 1 To 8
                        If Len(mRows(i).Lines(j)) > 0 Then text = text & vbTab & mRows(i).Lines(j)
                    Next j
                End If
                .AddItem text
                shown = shown + 1
            End If
        Next i
    End With
    FillRows = shown
End Function

Public Sub AddRow(ByVal Customer As String, ByVal Amount As Currency, ParamArray Lines() As Variant)
    Dim j As Integer
    If mRowCount = 0 Then ReDim mRows(31)
    If mRowCount > UBound(mRows) Then ReDim Preserve mRows(mRowCount * 2)
    mRows(mRowCount).Customer = Customer
    mRows(mRowCount).Amount = Amount
    For j = 0 To UBound(Lines)
        If j < 8 Then mRows(mRowCount).Lines(j + 1) = CStr(Lines(j))
    Next j
    mRowCount = mRowCount + 1
End Sub

Private Sub SetStatus(ByVal Text As String, ByVal Rows As Long)
    Me.Caption = "Report - " & Text
    If Rows > 1000 Then Me.Caption = Me.Caption & " (many)"
End Sub

Private Sub Form_Unload(Cancel As Integer)
    Erase mRows
    mRowCount = 0
End Sub
