' Declaring one name twice at the same level is a compile error: nothing runs.
WScript.Echo "never printed"
Dim x
Dim x
'!error 1041 line 4 "Name redefined"
