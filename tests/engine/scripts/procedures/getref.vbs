' GetRef makes a procedure into a value that can be called later.
Function Twice(v)
    Twice = v * 2
End Function
Sub Greet(name)
    WScript.Echo "hello " & name
End Sub
Function Apply(fn, v)
    Apply = fn(v)
End Function

Set f = GetRef("Twice")
WScript.Echo f(21), Apply(f, 5), Apply(GetRef("twice"), 1)
'> 42 10 2
Set g = GetRef("GREET")
Call g("you")
'> hello you
WScript.Echo CStr(IsObject(f))
'> True

' A name that is not a procedure cannot be referenced.
On Error Resume Next
Set bad = GetRef("NoSuchProcedure")
WScript.Echo Err.Number
'> 5
Err.Clear
' Only a text names a procedure.
Set bad = GetRef("") : WScript.Echo Err.Number : Err.Clear
'> 5
Set bad = GetRef(123) : WScript.Echo Err.Number : Err.Clear
'> 13
Set bad = GetRef(Null) : WScript.Echo Err.Number : Err.Clear
'> 13
Set bad = GetRef(Empty) : WScript.Echo Err.Number : Err.Clear
'> 13

' Named alone as a statement, with or without brackets or Call, the value
' runs its procedure; a function's value can be taken with empty brackets.
On Error GoTo 0
Function Seven()
    Seven = 7
End Function
Sub Hello()
    WScript.Echo "hello"
End Sub
Set h = GetRef("Hello")
h
h()
Call h
Call h()
'> hello
'> hello
'> hello
'> hello
Set s = GetRef("Seven")
WScript.Echo s() + 1
'> 8

' The same from a variable a procedure makes by assigning to it.
Sub UseImplicitLocal()
    Set f = GetRef("Twice")
    WScript.Echo f(3)
    Set g = GetRef("Hello")
    g
    Call g()
End Sub
UseImplicitLocal
'> 6
'> hello
'> hello

' A default Sub of a class runs the same way; a class without one cannot.
Class Runner
    Public Default Sub Go()
        WScript.Echo "go"
    End Sub
End Class
Class Plain
    Public v
End Class
Set r = New Runner
r
Call r()
'> go
'> go
On Error Resume Next
Set p = New Plain
p
WScript.Echo Err.Number
'> 438
Err.Clear
Set nothingHere = Nothing
nothingHere
WScript.Echo Err.Number
'> 91
Err.Clear
' A variable holding no object is nothing to call: a number, a text, Empty
' or a Boolean named alone as a statement is a type mismatch.
n = 5
n
WScript.Echo Err.Number, n
'> 13 5
Err.Clear
t = "text" : t : WScript.Echo Err.Number : Err.Clear
'> 13
e = Empty : e : WScript.Echo Err.Number : Err.Clear
'> 13
b = True : b : WScript.Echo Err.Number : Err.Clear
'> 13
Sub CallsLocal()
    Dim intCallVar
    intCallVar = 1
    intCallVar
End Sub
CallsLocal : WScript.Echo Err.Number : Err.Clear
'> 13
