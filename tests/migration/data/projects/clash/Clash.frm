VERSION 5.00
Begin VB.Form Clash 
   Caption         =   "Clash"
   ClientHeight    =   1000
   ClientWidth     =   2000
End
Attribute VB_Name = "Clash"
Option Explicit
