#!/usr/bin/env python3
"""Writes a large VB6 project for the project migration benchmark.

usage: project_generate.py DIR [FORMS] [MODULES] [BYTES_PER_FILE]

DIR/Big.vbp with FORMS forms (forms/Form0000.frm ...) and MODULES modules
(modules/Module0000.bas ...), every tenth module a class (.cls). Each form's designer holds
intrinsic controls, a frame with children, a control array, a menu and an OCX control; its code
holds event handlers for them and the routines of the batch benchmark's sources, up to about
BYTES_PER_FILE bytes per file. Deterministic: the same arguments always give the same bytes.
"""
import os
import random
import sys

from cli_generate_tree import CLASS_HEADER, function_lines, module_head, sub_lines, write_file

FORM_DESIGNER = """VERSION 5.00
Object = "{{831FDD16-0C5C-11D2-A9FC-0000F8754DA1}}#2.0#0"; "MSCOMCTL.OCX"
Begin VB.Form {name}
   Caption         =   "Form {name}"
   ClientHeight    =   4800
   ClientLeft      =   60
   ClientTop       =   345
   ClientWidth     =   6600
   LinkTopic       =   "{name}"
   ScaleHeight     =   4800
   ScaleWidth      =   6600
   BeginProperty Font
      Name            =   "Tahoma"
      Size            =   9
      Charset         =   0
      Weight          =   700
   EndProperty
   Begin MSComctlLib.ListView ListView1
      Height          =   1200
      Left            =   3600
      TabIndex        =   6
      Top             =   2400
      Width           =   2800
      _ExtentX        =   4939
      _ExtentY        =   2117
   End
   Begin VB.Frame Frame1
      Caption         =   "Options"
      Height          =   1800
      Left            =   120
      TabIndex        =   3
      Top             =   2400
      Width           =   3300
      Begin VB.OptionButton Option1
         Caption         =   "First"
         Height          =   255
         Index           =   0
         Left            =   120
         TabIndex        =   4
         Top             =   360
         Value           =   -1  'True
         Width           =   1500
      End
      Begin VB.OptionButton Option1
         Caption         =   "Second"
         Height          =   255
         Index           =   1
         Left            =   120
         TabIndex        =   5
         Top             =   720
         Width           =   1500
      End
      Begin VB.CheckBox Check1
         Caption         =   "Enabled"
         Height          =   255
         Left            =   1680
         TabIndex        =   7
         Top             =   360
         Width           =   1500
      End
   End
   Begin VB.Timer Timer1
      Interval        =   1000
      Left            =   6000
      Top             =   120
   End
   Begin VB.ListBox List1
      Height          =   1200
      Left            =   3600
      TabIndex        =   2
      Top             =   600
      Width           =   2800
   End
   Begin VB.TextBox Text1
      Height          =   1200
      Left            =   120
      MultiLine       =   -1  'True
      ScrollBars      =   2  'Vertical
      TabIndex        =   1
      Text            =   "{name}"
      Top             =   600
      Width           =   3300
   End
   Begin VB.CommandButton Command1
      Caption         =   "&OK"
      Default         =   -1  'True
      Height          =   375
      Left            =   120
      TabIndex        =   0
      Top             =   120
      Width           =   1215
   End
   Begin VB.Label Label1
      Caption         =   "Ready"
      ForeColor       =   &H80000012&
      Height          =   255
      Left            =   1440
      Top             =   180
      Width           =   2000
   End
   Begin VB.Menu mnuFile
      Caption         =   "&File"
      Begin VB.Menu mnuFileOpen
         Caption         =   "&Open..."
         Shortcut        =   ^O
      End
      Begin VB.Menu mnuFileExit
         Caption         =   "E&xit"
      End
   End
End
Attribute VB_Name = "{name}"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
"""

FORM_EVENTS = """Private Sub Form_Load()
    Label1.Caption = "Loaded"
End Sub

Private Sub Command1_Click()
    On Error GoTo Failed
    List1.AddItem Text1.Text
    Exit Sub
Failed:
    MsgBox "failed"
End Sub

Private Sub Text1_KeyPress(KeyAscii As Integer)
    If KeyAscii = 13 Then KeyAscii = 0
End Sub

Private Sub Option1_Click(Index As Integer)
    Label1.Caption = "Option " & Index
End Sub

Private Sub Timer1_Timer()
    Label1.Caption = CStr(Now)
End Sub

Private Sub List1_DblClick()
    Text1.Text = List1.Text
End Sub

Private Sub mnuFileExit_Click()
    Unload Me
End Sub

Private Sub Form_Unload(Cancel As Integer)
    Cancel = 0
End Sub
"""


def code_lines(rng, name, size, accented, lines):
    lines += module_head(rng, name, accented)
    routine, length = 0, sum(len(line) + 2 for line in lines)
    while length < size:
        block = function_lines(rng, routine, accented) + sub_lines(rng, routine, routine if routine else None)
        lines += block
        length += sum(len(line) + 2 for line in block)
        routine += 1
    return lines


def main():
    root = sys.argv[1]
    forms = int(sys.argv[2]) if len(sys.argv) > 2 else 100
    modules = int(sys.argv[3]) if len(sys.argv) > 3 else 100
    size = int(sys.argv[4]) if len(sys.argv) > 4 else 20000
    rng = random.Random(13)
    entries, total = [], 0
    for dirname in ("forms", "modules"):
        os.makedirs(os.path.join(root, dirname), exist_ok=True)
    for k in range(forms):
        name = f"Form{k:04d}"
        lines = FORM_DESIGNER.format(name=name).splitlines() + FORM_EVENTS.splitlines()
        total += write_file(os.path.join(root, "forms", name + ".frm"),
                            code_lines(rng, name, size, k % 7 == 0, lines), k % 5 == 0, k % 7 == 0)
        entries.append(f"Form=forms\\{name}.frm")
    for k in range(modules):
        is_class = k % 10 == 9
        name = f"{'Class' if is_class else 'Module'}{k:04d}"
        lines = CLASS_HEADER.format(name=name).splitlines() if is_class else [f'Attribute VB_Name = "{name}"']
        ext = "cls" if is_class else "bas"
        total += write_file(os.path.join(root, "modules", f"{name}.{ext}"),
                            code_lines(rng, name, size, k % 7 == 0, lines), k % 5 == 0, k % 7 == 0)
        entries.append(f"{'Class' if is_class else 'Module'}={name}; modules\\{name}.{ext}")
    vbp = ["Type=Exe"] + entries + ['Startup="Form0000"', 'Title="Big project"', 'Name="Big"', ""]
    with open(os.path.join(root, "Big.vbp"), "wb") as out:
        out.write("\r\n".join(vbp).encode("cp1252"))
    print(total)


if __name__ == "__main__":
    main()
