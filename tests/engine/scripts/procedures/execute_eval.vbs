' Eval evaluates an expression; = inside it is a comparison.
x = 1
WScript.Echo Eval("2 + 3 * 4"), CStr(Eval("x = 1")), x
'> 14 True 1
' Execute runs statements; = inside it is an assignment.
Execute "x = 2"
WScript.Echo x
'> 2
Execute "a = 10 : b = a * 3"
WScript.Echo a, b
'> 10 30
Execute "If a > 5 Then c = ""big"" Else c = ""small"""
WScript.Echo c
'> big

' ExecuteGlobal can define procedures that later statements call.
ExecuteGlobal "Function Square(v)" & vbCrLf & "Square = v * v" & vbCrLf & "End Function"
WScript.Echo Square(7), Eval("Square(3) + 1")
'> 49 10

' Inside a procedure, Execute and Eval see the locals; ExecuteGlobal works on globals.
Sub Scoped()
    Dim loc
    loc = 1
    Execute "loc = loc + 1"
    WScript.Echo loc, Eval("loc * 10")
    ExecuteGlobal "madeGlobal = 7"
    ExecuteGlobal "loc = 99"
    WScript.Echo loc
End Sub
Scoped
'> 2 20
'> 2
WScript.Echo madeGlobal, loc
'> 7 99

' Eval returns the value with its type.
WScript.Echo TypeName(Eval("1")), TypeName(Eval("""s""")), TypeName(Eval("1.5")), TypeName(Eval("x > 0"))
'> Integer String Double Boolean

' A syntax error in the text is raised when Execute runs.
On Error Resume Next
Execute "5 * 4"
WScript.Echo Err.Number, Err.Description
'> 1024 Expected statement
Err.Clear
v = Eval("1 +")
WScript.Echo Err.Number, Err.Description
'> 1023 Expected expression
