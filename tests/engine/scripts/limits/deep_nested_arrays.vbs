' An array nested a million deep is freed without running out of stack,
' whether a variable drops it or the script's end does.
For i = 1 To 1000000
    a = Array(a)
Next
b = a
a = Empty
WScript.Echo UBound(b(0)(0)), IsEmpty(a)
'> 0 True
b = Empty
For i = 1 To 1000000
    c = Array(i, c)
Next
WScript.Echo c(0), c(1)(0)
'> 1000000 999999
