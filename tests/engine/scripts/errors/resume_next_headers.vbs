' Under On Error Resume Next a statement whose header fails goes on with the
' statement after the header, and the script always reaches its end.
On Error Resume Next

' A failing Case value runs that Case's body; inside a procedure as well.
Function Pick(v)
    On Error Resume Next
    Select Case v
    Case 1 / 0
        Pick = "first body " & Err.Number
    Case 2
        Pick = "two"
    End Select
End Function
WScript.Echo Pick(2)
'> first body 11
Err.Clear
Select Case 5
Case 1, CLng("x"), 5
    WScript.Echo "listed body", Err.Number
Case Else
    WScript.Echo "else"
End Select
'> listed body 13
Err.Clear

' A failing subject runs no Case, not even Case Else.
Select Case 1 / 0
Case Empty
    WScript.Echo "empty case"
Case Else
    WScript.Echo "else"
End Select
WScript.Echo "after select", Err.Number
'> after select 11
Err.Clear

' A failing For header runs the body once; Next then raises 92 and the loop ends.
For i = 1 To 1 / 0
    WScript.Echo "for body", Err.Number
    Err.Clear
Next
WScript.Echo "after for", Err.Number
'> for body 11
'> after for 92
Err.Clear
' The same loop run again after a good run does not reuse the old bounds.
For Each limit In Array(2, "x")
    For j = 1 To CLng(limit)
        WScript.Echo "inner", j, Err.Number
    Next
Next
'> inner 1 0
'> inner 2 0
'> inner 3 13
Err.Clear

' For Each likewise: the body once, then 451 at Next.
For Each v In 42
    WScript.Echo "each body", Err.Number
    Err.Clear
Next
WScript.Echo "after each", Err.Number
'> each body 451
'> after each 451
Err.Clear
For Each v In Array(1 / 0)
    WScript.Echo "collection failed", Err.Number
Next
WScript.Echo "after each", Err.Number
'> collection failed 11
'> after each 451
Err.Clear

' With 42 fails at the With, with 424, and its members fail again; a
' failing With header leaves no object of an earlier run behind.
With 42
    WScript.Echo "in with", Err.Number
    Err.Clear
    .Foo
    WScript.Echo "member", Err.Number
End With
'> in with 424
'> member 424
Err.Clear
For Each source In Array("Scripting.Dictionary", "No.Such.Object")
    For Each once In Array(1)
        With CreateObject(source)
            WScript.Echo TypeName(.Keys), Err.Number
            Exit For
        End With
    Next
    Err.Clear
Next
'> Variant() 0
