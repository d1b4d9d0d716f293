' Err.Raise sets Number, Source and Description.
On Error Resume Next
Err.Raise 1234, "MySource", "My description"
WScript.Echo Err.Number, Err.Source, Err.Description
'> 1234 MySource My description
Err.Clear
WScript.Echo Err.Number, "[" & Err.Source & "]", "[" & Err.Description & "]"
'> 0 [] []

' Without a description, a known number takes its standard text.
Err.Raise 11
WScript.Echo Err.Number, Err.Description
'> 11 Division by zero
Err.Clear
Err.Raise 13
WScript.Echo Err.Description
'> Type mismatch
Err.Clear
Err.Raise 9
WScript.Echo Err.Description
'> Subscript out of range
Err.Clear
' A number with no standard text.
Err.Raise 9999
WScript.Echo Err.Number, Err.Description
'> 9999 Unknown runtime error
Err.Clear

' Err.Number is the default member of Err.
Err.Raise 6
WScript.Echo Err, Err.Description
'> 6 Overflow
Err.Clear

' The vbObjectError base for application errors.
Err.Raise vbObjectError + 1, "App", "custom"
WScript.Echo Err.Number, Err.Number - vbObjectError
'> -2147221503 1
Err.Clear
