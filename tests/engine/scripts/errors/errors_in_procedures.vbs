' An error inside a called procedure, with Resume Next in the caller: the procedure
' stops at the failing statement and the caller goes on after the call.
Sub Risky()
    WScript.Echo "risky start"
    x = 1 / 0
    WScript.Echo "risky end"
End Sub

On Error Resume Next
Risky
WScript.Echo "caller continues", Err.Number
'> risky start
'> caller continues 11
Err.Clear

' A Function that fails returns nothing to the assignment, which is skipped.
Function Fails()
    Fails = 5
    Fails = Fails / 0
End Function
r = "unchanged"
r = Fails()
WScript.Echo r, Err.Number
'> unchanged 11
Err.Clear

' Resume Next inside the procedure keeps the procedure running.
Sub Careful()
    On Error Resume Next
    x = 1 / 0
    WScript.Echo "careful goes on", Err.Number
End Sub
Careful
'> careful goes on 11
Err.Clear

' Several levels deep: the error unwinds to the nearest level with Resume Next.
Sub Level3()
    Err.Raise 1001 + 1, "deep", "from level 3"
    WScript.Echo "not reached 3"
End Sub
Sub Level2()
    Level3
    WScript.Echo "not reached 2"
End Sub
Sub Level1()
    On Error Resume Next
    Level2
    WScript.Echo "level 1 resumes", Err.Number, Err.Source, Err.Description
End Sub
Level1
'> level 1 resumes 1002 deep from level 3
