' On Error Resume Next: an error skips to the next statement; an error in a
' called procedure without its own handler ends that procedure, and the caller
' goes on after the call.
Sub Faulty()
    WScript.Echo "before"
    x = 1 / 0
    WScript.Echo "not reached"
End Sub

On Error Resume Next
Faulty
'> before
WScript.Echo "after call", Err.Number
'> after call 11
Err.Clear
WScript.Echo Err.Number, "[" & Err.Description & "]"
'> 0 []

' An error in an If condition continues inside the Then branch, as VBScript does.
If 1 / 0 Then
    WScript.Echo "then branch"
End If
'> then branch

' A handler inside the callee keeps the error there; Exit Sub clears Err.
Sub Guarded()
    On Error Resume Next
    y = CLng("abc")
    WScript.Echo "guarded", Err.Number
    Exit Sub
End Sub
Err.Clear
Guarded
'> guarded 13
WScript.Echo "caller sees", Err.Number
'> caller sees 0

' Err.Raise with and without a description; unknown numbers.
Err.Raise 9
WScript.Echo Err.Number, Err.Description
'> 9 Subscript out of range
Err.Raise 1234, "mine", "my text"
WScript.Echo Err.Number, Err.Source, Err.Description
'> 1234 mine my text
Err.Raise 31999
WScript.Echo Err.Description
'> Unknown runtime error
' Err.Number is the default member.
Err.Raise 5
If Err = 5 Then WScript.Echo "default is Number"
'> default is Number

' On Error GoTo 0 clears Err and turns the handler off.
On Error GoTo 0
WScript.Echo Err.Number
'> 0
z = 1 / 0
'!error 11 line 57 column 1
