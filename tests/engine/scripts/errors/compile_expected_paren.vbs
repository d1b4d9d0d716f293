' A bracket opened and never closed.
x = (1 + 2
'!error 1006 line 2 column 11 "Expected ')'"
