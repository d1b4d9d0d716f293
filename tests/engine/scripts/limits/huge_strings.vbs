' Strings beyond the engine's length limit stop with "Out of memory" at once
' instead of exhausting the machine; the script can go on under Resume Next.
On Error Resume Next
x = String(2^30, "x")
WScript.Echo Err.Number, Err.Description
'> 7 Out of memory
Err.Clear
y = Space(2^30)
WScript.Echo Err.Number
'> 7
Err.Clear
s = String(2^25, "a")
s = s & s
WScript.Echo Err.Number, Len(s)
'> 0 67108864
s = s & "b"
WScript.Echo Err.Number, Len(s)
'> 7 67108864
Err.Clear
t = Replace(String(100, "a"), "a", String(2^20, "b"))
WScript.Echo Err.Number
'> 7
