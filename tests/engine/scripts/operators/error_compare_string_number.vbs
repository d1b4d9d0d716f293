' A non-numeric string literal cannot be compared with a number literal.
x = ("abc" = 5)
'!error 13 line 2 column 1 "Type mismatch"
