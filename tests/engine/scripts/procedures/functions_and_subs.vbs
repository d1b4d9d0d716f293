' A Function with no assignment to its name returns Empty.
Function Nothing1()
End Function
WScript.Echo TypeName(Nothing1()), "[" & Nothing1() & "]"
'> Empty []

' The return value is whatever the name held last, also after Exit Function.
Function FirstEven(list)
    FirstEven = -1
    For Each v In list
        If v Mod 2 = 0 Then
            FirstEven = v
            Exit Function
        End If
    Next
    FirstEven = -2
End Function
WScript.Echo FirstEven(Array(1, 3, 4, 6)), FirstEven(Array(1, 3))
'> 4 -2

' Exit Sub skips the rest of the Sub.
Sub Report(v)
    If v < 0 Then Exit Sub
    WScript.Echo "value", v
End Sub
Report -1
Report 3
'> value 3

' The function name can be read back inside the function like a variable.
Function Accumulate(n)
    Accumulate = 0
    For i = 1 To n
        Accumulate = Accumulate + i
    Next
End Function
WScript.Echo Accumulate(4)
'> 10

' Recursion.
Function Fact(n)
    If n <= 1 Then
        Fact = 1
    Else
        Fact = n * Fact(n - 1)
    End If
End Function
WScript.Echo Fact(1), Fact(5), Fact(12), Fact(20)
'> 1 120 479001600 2.43290200817664E+18

Function Fib(n)
    If n < 2 Then Fib = n Else Fib = Fib(n - 1) + Fib(n - 2)
End Function
WScript.Echo Fib(15)
'> 610

' Each call has its own locals, also under recursion.
Function Depth(n)
    Dim here
    here = n
    If n > 0 Then Depth = Depth(n - 1)
    Depth = Depth & here
End Function
WScript.Echo Depth(3)
'> 0123

' A Dim inside a Sub hides the global of that name; without Dim the Sub uses the global.
g = "global"
Sub UseLocal()
    Dim g
    g = "local"
End Sub
UseLocal
WScript.Echo g
'> global
Sub TouchGlobal()
    g = "changed by sub"
End Sub
TouchGlobal
WScript.Echo g
'> changed by sub
' A name first assigned inside a Sub, with no global of that name, is local to the call.
Sub MakeTemp()
    onlyInside = 5
End Sub
MakeTemp
WScript.Echo TypeName(onlyInside)
'> Empty

' Procedures may be called before their definition in the text.
WScript.Echo Later(2)
'> 4
Function Later(v)
    Later = v * 2
End Function

' Functions called as statements, with and without Call, discard the result.
Dim counter
Function Tick()
    counter = counter + 1
    Tick = counter
End Function
Tick
Call Tick()
Call Tick
WScript.Echo counter
'> 3
