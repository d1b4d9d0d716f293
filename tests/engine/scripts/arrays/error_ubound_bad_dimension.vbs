' UBound with a dimension the array does not have.
Dim g(1, 1)
WScript.Echo UBound(g, 2)
'> 1
WScript.Echo UBound(g, 3)
'!error 9 line 5 column 1
