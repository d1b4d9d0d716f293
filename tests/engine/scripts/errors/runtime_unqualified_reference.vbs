' A member of With outside any With compiles and fails when it runs.
On Error Resume Next
x = .prop
WScript.Echo Err.Number, Err.Description
'> 505 Invalid or unqualified reference
On Error GoTo 0
WScript.Echo "still running"
'> still running
.prop = 1
'!error 505 line 9 column 1 "Invalid or unqualified reference"
