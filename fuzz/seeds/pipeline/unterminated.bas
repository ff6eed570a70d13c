For i = 1
With x
Type T
ReDim a(
Dim z(1
Function F(a, b