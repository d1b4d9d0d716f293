' Execute sees locals; ExecuteGlobal defines globals; GetRef; unknown calls.
Option Explicit
Dim result
Function Twice(x)
    Twice = x * 2
End Function
Sub Work()
    Dim local1
    local1 = 4
    Execute "local1 = local1 * 10"
    result = Eval("local1 + 2")
End Sub
Work
WScript.Echo result
'> 42
ExecuteGlobal "Dim later : later = 7"
WScript.Echo later
'> 7
Dim f
Set f = GetRef("Twice")
WScript.Echo f(8)
'> 16
Sub UsesUndeclared()
    undeclaredThing = 1
End Sub
UsesUndeclared
'!error 500 line 24 column 5 "Variable is undefined: 'undeclaredThing'"
