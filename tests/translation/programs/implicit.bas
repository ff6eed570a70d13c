Attribute VB_Name = "Implicit"
Option Base 1
DefInt I-N
DefStr S

Sub Main()
    i = 5 / 2
    x = 5 / 2
    Debug.Print "defint: " & i & " " & x & " " & TypeName(i) & " " & TypeName(x)
    s = "text"
    Debug.Print "defstr: " & s & " " & TypeName(s)
    t$ = "suffix"
    Debug.Print "suffix: " & t$ & " " & TypeName(t$)
    big& = 100000
    Debug.Print "long suffix: " & big& * 2 & " " & TypeName(big&)
    Dim arr(3)
    Debug.Print "option base: " & LBound(arr) & " " & UBound(arr)
    v = Array("a", "b")
    Debug.Print "array base: " & LBound(v) & " " & v(1)
    w = Split("p q")
    Debug.Print "split base: " & LBound(w)
    Dim z(0 To 2) As Integer
    Debug.Print "explicit bounds: " & LBound(z)
    Debug.Print "undeclared: [" & unsetValue & "] " & TypeName(unsetValue)
End Sub
