' Under On Error Resume Next a failing statement is skipped and Err describes it.
On Error Resume Next
x = 1
y = x / 0
WScript.Echo Err.Number, Err.Description
'> 11 Division by zero
' A later statement that succeeds does not clear Err.
z = 2
WScript.Echo Err.Number
'> 11
' Err.Clear does.
Err.Clear
WScript.Echo Err.Number, "[" & Err.Description & "]"
'> 0 []

' The failed assignment leaves its target as it was.
y = 5
y = "a" + 1
WScript.Echo Err.Number, y
'> 13 5
Err.Clear

' One failing statement on a line shared with others skips just that statement.
a = 1 : a = CInt(99999) : a = a + 10
WScript.Echo Err.Number, a
'> 6 11
Err.Clear

' Errors of several kinds, each with its number and text.
Dim arr(1)
v = arr(5)
WScript.Echo Err.Number, Err.Description
'> 9 Subscript out of range
Err.Clear
v = CStr(Null)
WScript.Echo Err.Number, Err.Description
'> 94 Invalid use of Null
Err.Clear
v = Sqr(-1)
WScript.Echo Err.Number
'> 5
Err.Clear
Set o = Nothing
o.Go
WScript.Echo Err.Number
'> 424
Err.Clear

' In an If condition that fails, execution goes on with the statement inside the If.
If 1 / 0 = 1 Then
    WScript.Echo "inside the If"
End If
WScript.Echo Err.Number
'> inside the If
'> 11
Err.Clear

' On Error GoTo 0 clears Err and turns error trapping off again.
v = 1 / 0
On Error GoTo 0
WScript.Echo Err.Number
'> 0
