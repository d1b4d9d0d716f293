' Dim needs a name, not a number.
Dim 5
'!error 1010 line 2 column 5 "Expected identifier"
