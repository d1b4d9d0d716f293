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

' A compile error in the text is raised when Execute runs, always as a plain
' syntax error of the compiler, whatever the error would be in a script.
On Error Resume Next
Execute "5 * 4"
WScript.Echo Err.Number, Err.Description, Err.Source
'> 1002 Syntax error Microsoft VBScript compilation error
Err.Clear
v = Eval("1 +")
WScript.Echo Err.Number, Err.Description
'> 1002 Syntax error
Err.Clear
v = Eval("1 + * 2")
WScript.Echo Err.Number
'> 1002
Err.Clear
Execute "x = "
WScript.Echo Err.Number
'> 1002
Err.Clear
Eval "Dim v"
WScript.Echo Err.Number
'> 1002
Err.Clear
v = Eval("&O8")
WScript.Echo Err.Number
'> 1002
Err.Clear
ExecuteGlobal "Sub s(a, a)" & vbLf & "End Sub"
WScript.Echo Err.Number, Err.Source
'> 1002 Microsoft VBScript compilation error
Err.Clear

' Execute and ExecuteGlobal run text only: a number is a Type mismatch.
Execute 42
WScript.Echo Err.Number
'> 13
Err.Clear
ExecuteGlobal 1.5
WScript.Echo Err.Number
'> 13
Err.Clear
' Null and Empty are no text either.
Execute Null : WScript.Echo Err.Number : Err.Clear
'> 13
Execute Empty : WScript.Echo Err.Number : Err.Clear
'> 13
ExecuteGlobal Null : WScript.Echo Err.Number : Err.Clear
'> 13
ExecuteGlobal Empty : WScript.Echo Err.Number : Err.Clear
'> 13
' Eval of a value that is not a text gives the value back as it is.
WScript.Echo TypeName(Eval(123)), Eval(123), TypeName(Eval(True)), IsNull(Eval(Null)), IsEmpty(Eval(Empty)), Err.Number
'> Integer 123 Boolean True True 0
WScript.Echo TypeName(Eval(1.5)), TypeName(Eval(CLng(7)))
'> Double Long
On Error GoTo 0

' What Execute declares inside a procedure belongs to that call: the rest of
' the call sees it, later Execute and Eval text too, the globals never.
Sub Declares()
    Execute "Dim fresh"
    fresh = 5
    Execute "implicit = fresh * 2"
    WScript.Echo fresh, implicit, Eval("implicit + 1")
End Sub
Declares
'> 5 10 11
WScript.Echo IsEmpty(fresh), IsEmpty(implicit)
'> True True
' Each call has variables of its own.
Function Counted()
    Execute "Dim n : n = 1"
    Execute "Execute ""n = n + 1"""
    Counted = Eval("n")
End Function
WScript.Echo Counted(), Counted()
'> 2 2
' ExecuteGlobal from a procedure, from Execute text and from a class method
' always works on globals.
Class Maker
    Private secret
    Sub Make()
        Execute "secret = 3 : Dim mine : mine = secret"
        ExecuteGlobal "fromMethod = " & Eval("mine")
        Execute "ExecuteGlobal ""nested = 4"""
    End Sub
End Class
Set mk = New Maker
mk.Make
WScript.Echo fromMethod, nested
'> 3 4
