' Unterminated string in the middle of a longer script: nothing runs, not even the lines before it.
WScript.Echo "never printed"
Sub A()
    s = "open
End Sub
'!error 1033 line 4 column 14 "Unterminated string constant"
