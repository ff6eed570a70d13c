#!/usr/bin/env python3
"""Writes a tree of realistic VB6 sources for the batch converter's benchmark.

usage: cli_generate_tree.py DIR [FILES] [BYTES_PER_FILE]

Modules (.bas), classes (.cls, with their designer header) and forms (.frm, with a form
designer block) of routines with declarations, loops, conditions, Select Case, With blocks,
string concatenation and comments. Most files are UTF-8 with CR LF; every fifth uses LF
only, every seventh is windows-1252 with accented text. Deterministic: the same arguments
always give the same bytes.
"""
import os
import random
import sys

FORM_HEADER = """VERSION 5.00
Begin VB.Form {name}
   Caption         =   "{name}"
   ClientHeight    =   3195
   ClientWidth     =   4680
   BeginProperty Font
      Name            =   "Tahoma"
      Size            =   9
   EndProperty
   Begin VB.CommandButton Command1
      Caption         =   "OK"
      Height          =   375
   End
   Begin VB.TextBox Text1
      Height          =   285
   End
End
Attribute VB_Name = "{name}"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
"""

CLASS_HEADER = """VERSION 1.0 CLASS
BEGIN
  MultiUse = -1  'True
END
Attribute VB_Name = "{name}"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = True
Attribute VB_PredeclaredId = False
Attribute VB_Exposed = False
"""


def module_head(rng, name, accented):
    word = "caf\u00e9 cr\u00e8me" if accented else "plain text"
    return [
        "Option Explicit",
        "",
        f"Public Total{name} As Long",
        f"Dim Items{name}({rng.randint(5, 50)}) As Integer",
        f"Public Const Title{name} = \"{word}\"",
        "",
        f"Private Type Point{name}",
        "    X As Double",
        "    Y As Double",
        "End Type",
        "",
        f"Public Enum Color{name}",
        "    Red",
        "    Green = 2",
        "    Blue",
        "End Enum",
        "",
    ]


def function_lines(rng, index, accented):
    limit = rng.randint(3, 99)
    note = "r\u00e9sultat" if accented else "result"
    return [
        f"Public Function Calc{index}(ByVal a As Long, ByVal b As Long) As Long",
        "    Dim s As Long",
        "    Dim i As Integer",
        "    s = 0",
        f"    For i = 0 To {limit}",
        "        s = s + a * i ' accumulate",
        "    Next i",
        "    If s > b And a <> 0 Then",
        "        s = b",
        "    Else",
        "        s = s - 1",
        "    End If",
        "    Select Case s",
        "        Case 1",
        "            s = 2",
        "        Case Else",
        "            s = Int(s / 2)",
        "    End Select",
        f"    Debug.Print \"{note}: \" & CStr(s)",
        f"    Calc{index} = s",
        "End Function",
        "",
    ]


def sub_lines(rng, index, previous):
    call = f"    n = Calc{previous}(n, {rng.randint(1, 9)})" if previous is not None else "    n = n + 1"
    return [
        f"Private Sub Work{index}(ByRef text As String)",
        "    Dim n As Integer",
        "    Dim buf() As Byte",
        f"    ReDim buf({rng.randint(1, 64)})",
        "    n = Len(text)",
        "    Do While n < 3",
        call,
        "    Loop",
        "    With Text1",
        "        .Text = Mid(text, 1, n) & \"!\"",
        "        .SelStart = 0",
        "    End With",
        "    If n = 0 Then Exit Sub",
        "    buf(0) = n ' first byte",
        "End Sub",
        "",
    ]


def write_file(path, lines, lf_only, accented):
    text = ("\n" if lf_only else "\r\n").join(lines) + ("\n" if lf_only else "\r\n")
    data = text.encode("cp1252" if accented else "utf-8")
    with open(path, "wb") as out:
        out.write(data)
    return len(data)


def main():
    root = sys.argv[1]
    files = int(sys.argv[2]) if len(sys.argv) > 2 else 1000
    size = int(sys.argv[3]) if len(sys.argv) > 3 else 20000
    rng = random.Random(6)
    total = 0
    for k in range(files):
        kind = ("bas", "cls", "frm")[k % 3]
        name = f"{kind.capitalize()}{k:04d}"
        accented = k % 7 == 0
        lines = []
        if kind == "frm":
            lines += FORM_HEADER.format(name=name).splitlines()
        elif kind == "cls":
            lines += CLASS_HEADER.format(name=name).splitlines()
        lines += module_head(rng, name, accented)
        routine, length = 0, sum(len(line) + 2 for line in lines)
        while length < size:
            block = function_lines(rng, routine, accented) + sub_lines(rng, routine, routine if routine else None)
            lines += block
            length += sum(len(line) + 2 for line in block)
            routine += 1
        folder = os.path.join(root, f"project{k // 100:02d}", ("modules", "classes", "forms")[k % 3])
        os.makedirs(folder, exist_ok=True)
        total += write_file(os.path.join(folder, f"{name}.{kind}"), lines, k % 5 == 0, accented)
    print(total)


if __name__ == "__main__":
    main()
