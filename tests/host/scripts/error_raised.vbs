' Err.Raise with a source of its own: the report shows that source; an
' undefined name shows the name.
'!exit 1
Option Explicit
On Error Resume Next
y = 1
WScript.Echo Err.Number, Err.Description
'> 500 Variable is undefined
On Error GoTo 0
Err.Raise 1000, "MyScript", "Custom failure"
'2> error_raised.vbs(10, 1) MyScript: Custom failure
