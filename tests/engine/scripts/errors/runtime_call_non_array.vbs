' Calling a variable that holds a number as if it were a function or an array.
x = 5
y = x(1)
'!error 13 line 3 column 1
