' On Error Resume Next belongs to the procedure that ran it: when the procedure
' returns, the caller's own setting (here: none) applies again.
Sub Quiet()
    On Error Resume Next
    x = 1 / 0
    WScript.Echo "quiet ignored", Err.Number
End Sub
Quiet
'> quiet ignored 11
WScript.Echo "after quiet"
'> after quiet
y = 1 / 0
WScript.Echo "not reached"
'!error 11 line 12 column 1 "Division by zero"
