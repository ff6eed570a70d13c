Attribute VB_Name = "Module2"
' Café, naïve, 50 €
Sub Show()
    MsgBox "Résumé"End Sub