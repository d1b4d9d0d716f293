' The wrong number of indexes for the array's dimensions.
Dim g(2, 2)
g(1) = 5
'!error 9 line 3 column 1
