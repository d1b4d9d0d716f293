' Assigning to a constant is error 501 when the statement runs, and the
' constant keeps its value: from global code, from a procedure compiled
' before the Const statement, and from a later ExecuteGlobal text.
Sub assignInside()
    c10 = 5
End Sub
Sub bump(ByRef v)
    v = v + 1
End Sub
Const c10 = 10
On Error Resume Next
c10 = 99
WScript.Echo Err.Number, Err.Description, c10
'> 501 Illegal assignment 10
Err.Clear
Set c10 = Nothing
WScript.Echo Err.Number, c10
'> 501 10
Err.Clear
assignInside
WScript.Echo Err.Number, c10
'> 501 10
Err.Clear
ExecuteGlobal "c10 = 7"
WScript.Echo Err.Number, c10
'> 501 10
Err.Clear
' Passed ByRef, a constant is a copy.
bump c10
Execute "bump c10"
WScript.Echo Err.Number, c10
'> 0 10
On Error GoTo 0
c10 = 1
'!error 501 line 34
