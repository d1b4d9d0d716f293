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
