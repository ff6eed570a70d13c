Attribute VB_Name = "Forms"
Option Explicit
