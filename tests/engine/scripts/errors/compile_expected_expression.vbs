' An assignment with nothing after '='.
x = 1
y =
'!error 1023 line 3 column 4 "Expected expression"
