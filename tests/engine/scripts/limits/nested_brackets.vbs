' Very deeply nested brackets built at run time give an error, never a crash.
deep = String(10000, "(") & "1" & String(10000, ")")
WScript.Echo Len(deep)
'> 20001
On Error Resume Next
v = Eval(deep)
WScript.Echo CStr(Err.Number <> 0)
'> True
Err.Clear
Execute "w = " & deep
WScript.Echo CStr(Err.Number <> 0)
'> True
Err.Clear
' A long unary chain is the same kind of input.
Execute "w = " & String(10000, "-") & "1"
WScript.Echo CStr(Err.Number <> 0)
'> True
Err.Clear
On Error GoTo 0
' Moderate nesting still evaluates.
WScript.Echo Eval(String(50, "(") & "6*7" & String(50, ")"))
'> 42
WScript.Echo "still running"
'> still running
