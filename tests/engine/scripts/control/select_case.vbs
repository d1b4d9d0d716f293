' Select Case: lists, expressions, first match wins, Case Else.
Function Kind(v)
    Select Case v
        Case 1, 2, 3
            Kind = "low"
        Case 4
            Kind = "four"
        Case 2 + 3, 6
            Kind = "five or six"
        Case Else
            Kind = "other"
    End Select
End Function
WScript.Echo Kind(2), Kind(4), Kind(5), Kind(7)
'> low four five or six other
WScript.Echo Kind(6), Kind(3.0)
'> five or six low

' The first matching Case runs even if a later one also matches.
Select Case 3
    Case 1, 3
        WScript.Echo "first"
    Case 3
        WScript.Echo "second"
End Select
'> first

' No Case matches and there is no Case Else: nothing runs.
Select Case 42
    Case 1
        WScript.Echo "one"
End Select
WScript.Echo "after"
'> after

' The tested expression is evaluated once.
Dim calls
Function Next1()
    calls = calls + 1
    Next1 = 2
End Function
Select Case Next1()
    Case 0
    Case 1
    Case 2
        WScript.Echo "two after", calls, "call"
End Select
'> two after 1 call

' Case on a string compares case-sensitively.
Select Case "ABC"
    Case "abc"
        WScript.Echo "lower"
    Case "ABC"
        WScript.Echo "upper"
End Select
'> upper

' Case expressions may be variables and the Select may be nested.
lim = 10
Select Case 10
    Case lim
        Select Case "in"
            Case "in" : WScript.Echo "nested"
        End Select
End Select
'> nested

' Select Case True picks the first Case whose expression is true.
Function Band(score)
    Select Case True
        Case score >= 90
            Band = "A"
        Case score >= 75
            Band = "B"
        Case Else
            Band = "C"
    End Select
End Function
WScript.Echo Band(95), Band(90), Band(80), Band(10)
'> A A B C

' A Case value is let go once it has been compared: a new object there is
' terminated before the Case's body runs.
Class Probe
    Public Default Function Value() Value = 1 End Function
    Sub Class_Terminate() WScript.Echo "gone" End Sub
End Class
Select Case 1
Case New Probe
    WScript.Echo "matched"
End Select
'> gone
'> matched
