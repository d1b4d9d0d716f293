' An index past the upper bound.
Dim a(2)
a(2) = 1
x = a(3)
'!error 9 line 4 column 1 "Subscript out of range"
