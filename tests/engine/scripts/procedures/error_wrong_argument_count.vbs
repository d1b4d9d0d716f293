' Calling a procedure with too many arguments.
Function Add(a, b)
    Add = a + b
End Function
WScript.Echo Add(1, 2)
'> 3
WScript.Echo Add(1, 2, 3)
'!error 450 line 7 column 1
