' A stray question mark.
x = 1 ? 2
'!error 1032 line 2 column 7 "Invalid character"
