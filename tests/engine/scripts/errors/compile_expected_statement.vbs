' A statement cannot start with a number.
x = 1
5 * 4
'!error 1024 line 3 column 1 "Expected statement"
