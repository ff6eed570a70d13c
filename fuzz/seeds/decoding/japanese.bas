Attribute VB_Name = "Module1"
' 合計を計算する
Public Function 合計(ByVal a As Long) As Long
    合計 = a + 1 ' 値
End Function
