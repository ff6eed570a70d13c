Attribute VB_Name = "Records"
Option Explicit

Private Type Point
    X As Long
    Y As Long
End Type

Private Type Person
    Name As String
    Age As Integer
    Tags(1 To 3) As String
    Home As Point
End Type

Public Enum Color
    Red = 1
    Green
    Blue = 10
    Purple
End Enum

Public Const Greeting As String = "hi"
Private Const Limit = 3
Private Const Doubled = Limit * 2

Private mCount As Integer
Public Shared As String

Sub Main()
    Dim p As Person, q As Person
    Dim c As Color
    Dim pts(1 To 2) As Point
    p.Name = "Ann"
    p.Age = 30
    p.Tags(1) = "x"
    p.Home.X = 5
    With p
        .Age = .Age + 1
        .Tags(2) = "y"
        With .Home
            .Y = 7
        End With
    End With
    Debug.Print "record: " & p.Name & " " & p.Age & " " & p.Tags(1) & p.Tags(2) & " " & p.Home.X & "," & p.Home.Y
    q = p
    q.Name = "Bob"
    q.Tags(1) = "z"
    Debug.Print "copy: " & p.Name & " " & q.Name & " " & p.Tags(1) & q.Tags(1)
    MoveRight p.Home
    Debug.Print "byref field: " & p.Home.X
    Debug.Print "enum: " & Red & " " & Green & " " & Blue & " " & Purple & " " & Color.Green
    c = Blue
    Debug.Print "const: " & Greeting & " " & Limit & " " & Doubled & " " & (c = 10)
    pts(2).Y = 9
    Debug.Print "array of records: " & pts(1).Y & " " & pts(2).Y
    Bump
    Bump
    Shared = "module"
    Debug.Print "module vars: " & mCount & " " & Shared
    Debug.Print "with function: " & Describe(p)
End Sub

Private Sub MoveRight(pt As Point)
    pt.X = pt.X + 1
End Sub

Private Sub Bump()
    mCount = mCount + 1
End Sub

Private Function Describe(who As Person) As String
    With who
        Describe = .Name & " is " & .Age
    End With
End Function
