' `s = s & x` reads s before x is evaluated, also when x is a single call
' that changes s (through a ByRef parameter or as a global).
Function Mark(ByRef p)
    p = 5
    Mark = "y"
End Function
Function Grow()
    g = g & "?"
    Grow = "g"
End Function
Sub Local()
    Dim s, list(1)
    s = "a"
    s = s & Mark(s)
    list(1) = "e"
    s = s & list(1) & Mid("xyz", 2, 1)
    WScript.Echo s
End Sub
Local
'> ayey
s = "a"
s = s & Mark(s)
WScript.Echo s
'> ay
g = "t"
g = g & Grow()
WScript.Echo g
'> tg
h = 1
h = h & Mark(h) & Mark(h)
WScript.Echo h
'> 1yy
