Attribute VB_Name = "Numbers"
Option Explicit

Sub Main()
    Dim i As Integer
    Dim l As Long
    Dim d As Double
    Dim b As Byte
    Dim c As Currency
    Debug.Print "int div: " & (7 \ 2) & " " & (-7 \ 2) & " " & (7.5 \ 2)
    Debug.Print "mod: " & (7 Mod 3) & " " & (-7 Mod 3) & " " & (7 Mod -3) & " " & (6.5 Mod 4)
    Debug.Print "divide: " & (7 / 2) & " " & (1 / 4) & " " & (2 ^ 10) & " " & (2 ^ -1)
    Debug.Print "neg pow: " & (-2 ^ 2) & " " & ((-2) ^ 2)
    Debug.Print "cint: " & CInt(2.5) & " " & CInt(3.5) & " " & CInt(-2.5) & " " & CLng(1.5) & " " & CInt("12")
    Debug.Print "int fix: " & Int(-2.5) & " " & Fix(-2.5) & " " & Int(2.7) & " " & Fix(2.7)
    Debug.Print "round: " & Round(2.5) & " " & Round(3.5) & " " & Round(-1.5) & " " & Round(1.25, 1)
    Debug.Print "bool: " & CInt(True) & " " & (True + 1) & " " & CInt(False) & " " & CBool(5) & " " & CBool(0)
    Debug.Print "bits: " & (5 And 3) & " " & (5 Or 3) & " " & (5 Xor 3) & " " & (Not 5) & " " & (Not 0)
    Debug.Print "hex: " & Hex(255) & " " & Hex(-1) & " " & Hex(-1&) & " " & Oct(8) & " " & &HFF & " " & &H8000 & " " & &H8000&
    Debug.Print "val: " & Val("12abc") & " " & Val("  1 2 3") & " " & Val("&H10") & " " & Val("abc") & " " & Val("-3.5e1")
    Debug.Print "strnum: " & ("3" + 4) & " " & ("3" & 4) & " " & ("3" + "4") & " " & Str(42) & "|" & Str(-42)
    Debug.Print "cstr: " & CStr(0.1 + 0.2) & " " & CStr(1E+20) & " " & CStr(1 / 3) & " " & CStr(123456789# * 1000000000#)
    Debug.Print "abs sgn: " & Abs(-3) & " " & Sgn(-2.5) & " " & Sgn(0) & " " & Sgn(7)
    i = 32767
    On Error Resume Next
    i = i + 1
    Debug.Print "overflow: " & Err.Number & " " & Err.Description & " " & i
    Err.Clear
    l = 2147483647
    l = l + 1
    Debug.Print "long overflow: " & Err.Number
    Err.Clear
    d = 1 / 0
    Debug.Print "div zero: " & Err.Number & " " & Err.Description
    Err.Clear
    i = 10 \ 0
    Debug.Print "int div zero: " & Err.Number
    Err.Clear
    b = 255
    b = b + 1
    Debug.Print "byte overflow: " & Err.Number & " " & b
    Err.Clear
    On Error GoTo 0
    Debug.Print "types: " & TypeName(b) & " " & TypeName(i) & " " & TypeName(l) & " " & TypeName(d) & " " & TypeName(1.5!) & " " & TypeName(1@)
    c = 1.23456
    Debug.Print "currency: " & c & " " & (c * 2)
    Debug.Print "compare: " & (3 > 2) & " " & ("a" < "b") & " " & ("B" < "a") & " " & (2 = 2#)
    l = 7
    d = l / 2
    i = d
    Debug.Print "assign rounds: " & d & " " & i
End Sub
