' Conversions fail with 13 for text that is no number, 6 outside the target range,
' 94 for Null; rounding happens before the range check.
On Error Resume Next
x = CInt("")
WScript.Echo Err.Number
'> 13
Err.Clear
x = CDbl("abc")
WScript.Echo Err.Number
'> 13
Err.Clear
x = CByte(256)
WScript.Echo Err.Number
'> 6
Err.Clear
x = CByte(-1)
WScript.Echo Err.Number
'> 6
Err.Clear
' 32767.5 rounds to the even 32768, which is too big for an Integer ...
x = CInt(32767.5)
WScript.Echo Err.Number
'> 6
Err.Clear
' ... while -32768.5 rounds to the even -32768, which fits.
x = CInt(-32768.5)
WScript.Echo Err.Number, x
'> 0 -32768
x = CLng(2147483647.5)
WScript.Echo Err.Number
'> 6
Err.Clear
x = CDbl(Null)
WScript.Echo Err.Number
'> 94
Err.Clear
x = CInt(Null)
WScript.Echo Err.Number
'> 94
Err.Clear
x = CDbl("1e400")
WScript.Echo Err.Number
'> 6
Err.Clear
