Option Explicit
' 这是一个测试模块，用于显示中文字符串
Private Sub Form_Load()
    Label1.Caption = "你好，世界" & Chr(13)
    MsgBox "文件已保存" ' 保存
End Sub
