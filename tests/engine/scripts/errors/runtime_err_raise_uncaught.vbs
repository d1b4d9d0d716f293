' An Err.Raise with no handler stops the script with that number and text.
Sub Check(v)
    If v > 10 Then Err.Raise 5000, "Check", "value too large"
    WScript.Echo "ok", v
End Sub
Check 3
'> ok 3
Check 30
WScript.Echo "not reached"
'!error 5000 line 3 column 20 "value too large"
