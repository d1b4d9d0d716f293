' Arguments are passed by reference unless declared ByVal or wrapped in parentheses.
Sub Inc(n)
    n = n + 1
End Sub
Sub IncByVal(ByVal n)
    n = n + 1
End Sub
Sub IncByRef(ByRef n)
    n = n + 1
End Sub

x = 1
Inc x
WScript.Echo x
'> 2
IncByRef x
WScript.Echo x
'> 3
IncByVal x
WScript.Echo x
'> 3

' f (x) as a statement: the parentheses make the argument an expression, passed by value.
Inc (x)
WScript.Echo x
'> 3
' Call f(x): the parentheses are the argument list, so x goes by reference.
Call Inc(x)
WScript.Echo x
'> 4
' An expression argument is a temporary; the variable inside it is untouched.
Inc x + 0
WScript.Echo x
'> 4

' Functions take arguments the same way.
Function Bump(n)
    n = n * 10
    Bump = n + 1
End Function
y = 2
r = Bump(y)
WScript.Echo r, y
'> 21 20
r = Bump((y))
WScript.Echo r, y
'> 201 20

' Array elements are passed by reference.
arr = Array(1, 2, 3)
Inc arr(1)
WScript.Echo arr(0), arr(1), arr(2)
'> 1 3 3
Dim fixed(2, 2)
fixed(1, 2) = 5
Inc fixed(1, 2)
WScript.Echo fixed(1, 2)
'> 6

' A ByRef parameter passed on to another procedure still reaches the caller's variable.
Sub IncTwice(n)
    Inc n
    Inc n
End Sub
z = 0
IncTwice z
WScript.Echo z
'> 2

' A ByVal array parameter is a copy; ByRef is the caller's array.
Sub SetFirst(ByVal a)
    a(0) = "changed"
End Sub
Sub SetFirstRef(a)
    a(0) = "changed"
End Sub
arr = Array("orig", "x")
SetFirst arr
WScript.Echo arr(0)
'> orig
SetFirstRef arr
WScript.Echo arr(0)
'> changed

' A literal or a constant passed ByRef can be changed inside without error.
Sub Reassign(n)
    n = 99
    WScript.Echo "inside", n
End Sub
Reassign 5
'> inside 99

' Brackets around the name of what is called only group it: the argument
' list still passes a variable by reference, and a bracketed argument by value.
Sub SetZero(a)
    a = 0
End Sub
Function Touch(a)
    a = "touched" : Touch = "result"
End Function
x = 5
Call (((SetZero))) (x)
WScript.Echo x
'> 0
x = 5
Call (((SetZero))) ((x))
WScript.Echo x
'> 5
y = (Touch)(x)
WScript.Echo y, x
'> result touched
x = Array(7, 8)
y = ((x))(1)
WScript.Echo y
'> 8
