' Dim sizes must be integer constants; ReDim is for sizes known only at run time.
n = 3
Dim a(n)
'!error 1026 line 3 column 7 "Expected integer constant"
