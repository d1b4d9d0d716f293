' A negative index.
arr = Array(1, 2)
arr(-1) = 0
'!error 9 line 3 column 1 "Subscript out of range"
