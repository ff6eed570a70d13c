VERSION 5.00
Begin VB.Form frmOther 
   Caption         =   "frmOther"
   ClientHeight    =   1000
   ClientWidth     =   2000
End
Attribute VB_Name = "frmOther"
Option Explicit
