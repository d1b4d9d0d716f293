' Inside a script, Err.Description is the table's plain text; the name of the
' item is only in the description the host sees.
On Error Resume Next
x = undefinedFunction(1)
WScript.Echo Err.Number & "|" & Err.Description
'> 13|Type mismatch
Err.Clear
Err.Raise 13, , "Type mismatch: 'kept'"
WScript.Echo Err.Description
'> Type mismatch: 'kept'
