' A block If needs Then.
x = 1
If x = 1
    WScript.Echo x
End If
'!error 1017 line 3 column 9 "Expected 'Then'"
