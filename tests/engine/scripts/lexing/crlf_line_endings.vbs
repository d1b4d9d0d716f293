' A file with CRLF line ends counts lines the same way.
x = 1
WScript.Echo "crlf", x
'> crlf 1
y = x / 0
'!error 11 line 5 column 1 "Division by zero"
