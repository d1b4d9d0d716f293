' ReDim Preserve may change only the last dimension.
ReDim m(1, 1)
m(0, 0) = 1
ReDim Preserve m(1, 3)
WScript.Echo UBound(m, 2)
'> 3
ReDim Preserve m(2, 3)
'!error 9 line 7 column 1 "Subscript out of range"
