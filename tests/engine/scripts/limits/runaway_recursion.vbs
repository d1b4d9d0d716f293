' Recursion without an end stops with "Out of stack space", not a crash.
Dim depth
Function Down(n)
    depth = n
    Down = Down(n + 1)
End Function
WScript.Echo "start"
'> start
x = Down(1)
'!error 28 line 5 column 5 "Out of stack space"
