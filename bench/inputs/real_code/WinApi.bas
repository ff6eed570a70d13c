Attribute VB_Name = "WinApi"
Option Explicit
' Windows API declarations and the helpers around them.

Public Type POINTAPI
    X As Long
    Y As Long
End Type

Public Type RECT
    Left As Long
    Top As Long
    Right As Long
    Bottom As Long
End Type

Public Type OSVERSIONINFO
    dwOSVersionInfoSize As Long
    dwMajorVersion As Long
    dwMinorVersion As Long
    dwBuildNumber As Long
    dwPlatformId As Long
    szCSDVersion As String * 128
End Type

Public Declare Function GetCursorPos Lib "user32" (lpPoint As POINTAPI) As Long
Public Declare Function GetWindowRect Lib "user32" (ByVal hwnd As Long, lpRect As RECT) As Long
Public Declare Function GetVersionEx Lib "kernel32" Alias "GetVersionExA" (lpVersionInformation As OSVERSIONINFO) As Long
Public Declare Function SendMessage Lib "user32" Alias "SendMessageA" (ByVal hwnd As Long, ByVal wMsg As Long, ByVal wParam As Long, lParam As Any) As Long

Public Const WM_SETREDRAW As Long = &HB
Public Const LB_SETHORIZONTALEXTENT As Long = &H194

Public Function WindowsVersion() As String
    Dim info As OSVERSIONINFO
    info.dwOSVersionInfoSize = Len(info)
    If GetVersionEx(info) = 0 Then Exit Function
    WindowsVersion = info.dwMajorVersion & "." & info.dwMinorVersion & " build " & info.dwBuildNumber
End Function

Public Function CursorInside(ByVal hwnd As Long) As Boolean
    Dim pt As POINTAPI, r As RECT
    GetCursorPos pt
    GetWindowRect hwnd, r
    CursorInside = pt.X >= r.Left And pt.X < r.Right And pt.Y >= r.Top And pt.Y < r.Bottom
End Function

' Stops a control from repainting while it is filled (the message Type is WM_SETREDRAW).
Public Sub SetRedraw(ByVal hwnd As Long, ByVal Enabled As Boolean)
    SendMessage hwnd, WM_SETREDRAW, IIf(Enabled, 1, 0), ByVal 0&
End Sub

Public Sub SetListScrollWidth(ByVal List As ListBox, ByVal Pixels As Long)
    SendMessage List.hwnd, LB_SETHORIZONTALEXTENT, Pixels, ByVal 0&
End Sub
