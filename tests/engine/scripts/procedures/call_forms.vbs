' A Sub with no parameter list, and the ways of calling Subs and Functions.
Sub Hello
    WScript.Echo "hello"
End Sub
Hello
'> hello
Call Hello
'> hello
Call Hello()
'> hello

Sub Show(a)
    WScript.Echo "show", a
End Sub
' One argument in parentheses is allowed: it is an expression in brackets.
Show(1)
'> show 1
Show (2) + 3
'> show 5

Function Pair(a, b)
    Pair = a & "-" & b
End Function
WScript.Echo Pair(1, 2), Pair("x", Pair(3, 4))
'> 1-2 x-3-4

' Argument expressions are evaluated left to right.
Dim trace
Function T(v)
    trace = trace & v
    T = v
End Function
x = Pair(T("a"), T("b"))
WScript.Echo trace
'> ab
