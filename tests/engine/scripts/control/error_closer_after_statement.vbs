' A closing word after a statement of a block opened on an earlier line must
' stand first on its line.
If True Then
    x = 0 End If
'!error 1042 line 4 column 11 "Must be first statement on the line"
