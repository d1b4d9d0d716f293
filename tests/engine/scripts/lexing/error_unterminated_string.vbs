' A string literal must end on the line it starts.
x = "abc
WScript.Echo x
'!error 1033 line 2 column 5 "Unterminated string constant"
