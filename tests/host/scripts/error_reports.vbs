' An error that ends the run: its place, source and text on standard error,
' exit status 1, and nothing after it runs.
'!exit 1
WScript.Echo "start"
'> start
Sub Fails(n)
    WScript.Echo 10 \ n
End Sub
Fails 0
'2> error_reports.vbs(7, 5) Microsoft VBScript runtime error: Division by zero
WScript.Echo "not reached"
