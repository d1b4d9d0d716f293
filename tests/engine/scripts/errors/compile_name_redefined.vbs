' Two procedures with one name.
Sub Twin()
End Sub
Function Twin()
End Function
'!error 1041 line 4 "Name redefined"
