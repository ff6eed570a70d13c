Attribute VB_Name = "Variants"
Option Explicit

Sub Main()
    Dim v As Variant
    Debug.Print "empty: " & IsEmpty(v) & " " & VarType(v) & " " & TypeName(v) & " [" & v & "]"
    v = Null
    Debug.Print "null: " & IsNull(v) & " " & VarType(v) & " " & TypeName(v)
    Debug.Print "null concat: [" & v & "]"
    Debug.Print "null add: " & IsNull(v + 1)
    v = 5
    Debug.Print "int: " & VarType(v) & " " & TypeName(v)
    v = 5.5
    Debug.Print "double: " & VarType(v) & " " & TypeName(v)
    v = "7"
    Debug.Print "string: " & VarType(v) & " " & (v + 1) & " " & (v & 1)
    v = 40000
    Debug.Print "long: " & VarType(v) & " " & TypeName(v)
    v = True
    Debug.Print "boolean: " & VarType(v) & " " & TypeName(v) & " " & v
    v = CCur(1)
    Debug.Print "currency: " & VarType(v) & " " & TypeName(v)
    v = #1/2/2000#
    Debug.Print "date: " & VarType(v) & " " & v & " " & Year(v) & " " & Month(v) & " " & Day(v)
    v = Array(1, 2)
    Debug.Print "array: " & VarType(v) & " " & IsArray(v) & " " & TypeName(v)
    Debug.Print "isnumeric: " & IsNumeric("12.5") & " " & IsNumeric("abc") & " " & IsNumeric("") & " " & IsNumeric(Empty)
    v = Empty
    Debug.Print "empty num: " & (v + 5) & " [" & (v & "x") & "]"
    v = 32767
    v = v + 1
    Debug.Print "promote: " & v & " " & TypeName(v)
    v = "10"
    Debug.Print "string math: " & (v * 2) & " " & TypeName(v * 2) & " " & (v / 4)
    Debug.Print "conversions: " & CLng("42") + 1 & " " & CDbl("2.5") * 2 & " " & CStr(7) & "x" & " " & CBool("True")
    Debug.Print "typename: " & TypeName("s") & " " & TypeName(1) & " " & TypeName(100000) & " " & TypeName(Null) & " " & TypeName(Nothing)
    v = Null
    Debug.Print "nz: " & IIf(IsNull(v), "was null", "not null")
    Debug.Print "vartype consts: " & (VarType("x") = vbString) & " " & (VarType(1#) = vbDouble)
End Sub
