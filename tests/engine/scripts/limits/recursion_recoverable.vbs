' The stack overflow error can be caught, and the engine keeps working afterwards.
Dim depth
Sub Forever(n)
    depth = n
    Forever n + 1
End Sub
On Error Resume Next
Forever 1
WScript.Echo Err.Number, Err.Description
'> 28 Out of stack space
WScript.Echo CStr(depth > 100)
'> True
Err.Clear
On Error GoTo 0

' Deep but finite recursion still works after the overflow.
Function SumTo(n)
    If n = 0 Then SumTo = 0 Else SumTo = n + SumTo(n - 1)
End Function
WScript.Echo SumTo(200)
'> 20100

' Mutual recursion overflows the same way.
Function Ping(n)
    Ping = Pong(n + 1)
End Function
Function Pong(n)
    Pong = Ping(n + 1)
End Function
On Error Resume Next
v = Ping(0)
WScript.Echo Err.Number
'> 28
