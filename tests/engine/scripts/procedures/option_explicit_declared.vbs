Option Explicit
' Names declared by Dim, Const, parameters, For and For Each counters, Sub and Function are all fine.
Dim total, i, values()
Const LIMIT = 3
ReDim values(2)
Function Sum(list)
    Dim v
    Sum = 0
    For Each v In list
        Sum = Sum + v
    Next
End Function
For i = 0 To LIMIT - 1
    values(i) = i * 2
Next
total = Sum(values)
WScript.Echo total
'> 6
' A Dim run by Execute declares the name for the rest of the call.
Sub DeclaredLate()
    Execute "Dim late"
    late = 7
    WScript.Echo late
End Sub
DeclaredLate
'> 7
' Under Resume Next the undeclared name raises 500 and the script goes on.
On Error Resume Next
late = 1
WScript.Echo Err.Number
'> 500
Err.Clear
total = undeclaredName
WScript.Echo Err.Number
'> 500
