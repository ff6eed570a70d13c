Attribute VB_Name = "DatesFormat"
Option Explicit

Sub Main()
    Dim d As Date
    d = DateSerial(2024, 2, 28)
    Debug.Print "date: " & d
    Debug.Print "add: " & DateAdd("d", 2, d) & " " & DateAdd("m", 1, #1/31/2024#) & " " & DateAdd("yyyy", -1, d)
    Debug.Print "diff: " & DateDiff("d", #1/1/2024#, #3/1/2024#) & " " & DateDiff("m", #1/15/2024#, #3/1/2024#)
    Debug.Print "parts: " & Year(d) & " " & Month(d) & " " & Day(d) & " " & Weekday(d)
    Debug.Print "format: " & Format(d, "yyyy-mm-dd") & " " & Format(d, "dd/mm/yyyy") & " " & Format(d, "mmm d, yyyy")
    Debug.Print "time: " & Format(TimeSerial(13, 5, 9), "hh:nn:ss") & " " & TimeSerial(13, 5, 9)
    Debug.Print "datetime: " & DateAdd("h", 6, d)
    Debug.Print "time parts: " & Hour(#3:04:05 PM#) & " " & Minute(#3:04:05 PM#) & " " & Second(#3:04:05 PM#)
    Debug.Print "numbers: " & Format(1234.5, "#,##0.00") & " " & Format(0.256, "0.0%") & " " & Format(7, "000") & " " & Format(3.14159, "0.00") & " " & Format(-2.5, "0.0")
    Debug.Print "named: " & Format(1234.5, "Fixed") & " " & Format(1234.5, "Standard") & " " & Format(0.5, "Percent")
    Debug.Print "general: " & Format(1234.5) & " " & Format("abc")
    Debug.Print "names: " & MonthName(2) & " " & WeekdayName(1)
    Debug.Print "cdate: " & CDate("3/15/2024") & " " & IsDate("3/15/2024") & " " & IsDate("hello")
    Debug.Print "serial: " & CLng(DateSerial(2000, 1, 1)) & " " & CDbl(#1/1/1900 12:00:00 PM#)
End Sub
