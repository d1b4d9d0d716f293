' A string literal must end on the line it starts; the error points where the line ends.
x = "abc
WScript.Echo x
'!error 1033 line 2 column 9 "Unterminated string constant"
