#!/usr/bin/env bash
# Writes a VB6 module of about MEGABYTES megabytes (default 50) to standard output, for
# measuring the time and memory of a conversion of a huge file:
#   fuzz/large_module.sh 50 > /tmp/large.bas
# The module has the shape of a large form module: declarations, a record type and an
# enumeration at the top, a hundred functions with parameters, then event handlers without
# parameters, each with loops, a With block, a Select Case, a ReDim, comments and strings.
# Every routine name is distinct; the names of routines with parameters are few because the
# call pass searches the whole text once per such name.
set -euo pipefail
megabytes="${1:-50}"
awk -v bytes="$((megabytes * 1024 * 1024))" 'BEGIN {
  ORS = "\r\n"
  print "Option Explicit"
  print "Attribute VB_Name = \"Large\""
  print "Public Total As Long"
  print "Dim Items(10) As Integer"
  print "Dim Buf() As Byte"
  print "Private Type Point"
  print "    X As Double"
  print "    Y(3) As Double"
  print "End Type"
  print "Public Enum Color"
  print "    Red"
  print "    Green = 2 '"'"' the second"
  print "End Enum"
  for (f = 0; f < 100; f++) {
    print "Public Function Add" f "(ByVal a As Long, ByVal b As Long) As Long"
    print "    Dim s As Long"
    print "    s = a + b + " f
    print "    Add" f " = s"
    print "End Function"
  }
  written = 0
  for (h = 0; written < bytes; h++) {
    block = "Private Sub Handler" h "_Click()\r\n" \
      "    Dim i As Integer\r\n" \
      "    Dim s As String\r\n" \
      "    For i = 0 To 10\r\n" \
      "        Items(i) = Add" (h % 100) "(i, 1)\r\n" \
      "    Next i\r\n" \
      "    If Total > 0 And i <> 3 Then\r\n" \
      "        Total = 0\r\n" \
      "    End If\r\n" \
      "    With Text1\r\n" \
      "        .Text = s & \"ok\" '"'"' shown\r\n" \
      "        .SelStart = Len(s)\r\n" \
      "    End With\r\n" \
      "    Select Case i\r\n" \
      "        Case 1\r\n" \
      "            s = Mid(s, 1, 2)\r\n" \
      "        Case Else\r\n" \
      "            s = \"\"\r\n" \
      "    End Select\r\n" \
      "    Do While i > 0\r\n" \
      "        i = i - 1\r\n" \
      "        DoEvents\r\n" \
      "    Loop\r\n" \
      "    ReDim Buf(9)\r\n" \
      "    Set Obj = Nothing\r\n" \
      "End Sub"
    print block
    written += length(block) + 2
  }
}'
