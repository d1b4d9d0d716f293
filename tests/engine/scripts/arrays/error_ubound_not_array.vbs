' UBound of something that is not an array.
x = 42
WScript.Echo UBound(x)
'!error 13 line 3 column 1
