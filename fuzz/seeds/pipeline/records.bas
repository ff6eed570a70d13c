Public Type Point
    x As Double
    y(3) As Double
    m(3, 4) As Long
End Type
Private Enum Color
    Red
    Green = 2 ' two
End Enum
