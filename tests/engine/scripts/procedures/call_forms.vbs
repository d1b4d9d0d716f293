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

' Inside a Function its name with brackets is a call, also in its own
' argument list and with no arguments; alone it is the result.
Function Ack(m, n)
    If m = 0 Then
        Ack = n + 1
    Else
        Ack = Ack(m - 1, Ack(0, n))
    End If
End Function
WScript.Echo Ack(1, 2)
'> 4
Dim depth
Function Nest()
    depth = depth + 1
    If depth < 3 Then Nest = Nest() & "<" Else Nest = "x"
    Nest = Nest & depth
End Function
WScript.Echo Nest()
'> x3<3<3

' Brackets after what cannot be called or indexed: 13; after a public
' variable that holds no array, 438; Call of a conversion, 458.
On Error Resume Next
x = 42
y = x()
WScript.Echo "x()", Err.Number
'> x() 13
Err.Clear
Class Props
    Public plain, list, inner
End Class
Set p = New Props
p.plain = 5
y = p.plain(0)
WScript.Echo "plain(0)", Err.Number
'> plain(0) 438
Err.Clear
p.list = Array(10, 20)
Set p.inner = CreateObject("Scripting.Dictionary")
p.inner.Add "k", "v"
WScript.Echo p.list("1"), p.inner("k"), Err.Number
'> 20 v 0
Call CByte(1)
WScript.Echo "Call CByte", Err.Number
'> Call CByte 458
Err.Clear
Call Len("abc")
WScript.Echo "Call Len", Err.Number
'> Call Len 0
