' Dim cannot give a value at the same time.
Dim x = 5
'!error 1025 line 2 column 7 "Expected end of statement"
