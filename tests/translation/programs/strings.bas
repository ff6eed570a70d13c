Attribute VB_Name = "Strings"
Option Explicit

Sub Main()
    Dim s As String
    Dim t As String
    Dim parts() As String
    Dim f As String * 5
    s = "Hello, World"
    Debug.Print "len: " & Len(s) & " " & Len("") & " " & Len(vbCrLf)
    Debug.Print "left right: " & Left(s, 5) & "|" & Right$(s, 5) & "|" & Left(s, 50) & "|" & Right(s, 0) & "|"
    Debug.Print "mid: " & Mid(s, 8) & "|" & Mid$(s, 8, 3) & "|" & Mid(s, 20) & "|" & Mid(s, 1, 1)
    Debug.Print "instr: " & InStr(s, "o") & " " & InStr(6, s, "o") & " " & InStr(s, "z") & " " & InStr(1, s, "WORLD", vbTextCompare) & " " & InStr(s, "")
    Debug.Print "instrrev: " & InStrRev(s, "o") & " " & InStrRev(s, "o", 8) & " " & InStrRev(s, "x")
    Debug.Print "replace: " & Replace(s, "o", "0") & "|" & Replace("aaa", "a", "b", 2) & "|" & Replace("abab", "ab", "x", 1, 1)
    Debug.Print "case: " & UCase(s) & " " & LCase$("MiXeD")
    Debug.Print "trim: [" & Trim("  x  ") & "][" & LTrim("  x  ") & "][" & RTrim("  x  ") & "]"
    Debug.Print "build: [" & Space(3) & "][" & String(3, "ab") & "][" & String(2, 65) & "][" & StrReverse("abc") & "]"
    Debug.Print "strcomp: " & StrComp("a", "B") & " " & StrComp("a", "B", vbTextCompare) & " " & StrComp("x", "x")
    Debug.Print "codes: " & Asc("A") & " " & Chr(66) & " " & AscW("a") & " " & ChrW(67) & Chr$(68)
    parts = Split("a,b,,c", ",")
    Debug.Print "split: " & UBound(parts) & " " & Join(parts, "|") & " " & LBound(parts)
    parts = Split("one two three")
    Debug.Print "split space: " & UBound(parts) & " " & parts(1)
    t = "abcdef"
    Mid(t, 2, 3) = "XYZW"
    Debug.Print "mid statement: " & t
    Mid(t, 5) = "12345"
    Debug.Print "mid statement 2: " & t
    Debug.Print "like: " & ("abc" Like "a*") & " " & ("abc" Like "a?c") & " " & ("a1c" Like "a#c") & " " & ("abc" Like "[a-c]bc") & " " & ("xbc" Like "[!a-c]bc") & " " & ("abc" Like "A*")
    Debug.Print "equal: " & ("abc" = "ABC") & " " & ("abc" = "abc") & " " & ("" = vbNullString)
    f = "ab"
    Debug.Print "fixed: [" & f & "] " & Len(f)
    f = "abcdefg"
    Debug.Print "fixed long: [" & f & "]"
    Debug.Print "concat: " & "n=" & 3.5 & " " & True & " " & 10 / 4
    Debug.Print "lcase number: " & LCase(12) & " " & Len(CStr(12345))
    Debug.Print "filter: " & Join(Filter(Split("apple,banana,cherry", ","), "an"), "+")
End Sub
