' Exponents too long for any integer type still decide between infinity
' (Overflow) and 0, through every reader of numeric text.
WScript.Echo CDbl("0.1e-99999999999999999999"), CDbl("1e-400"), CDbl("-5e-99999999999999999999999")
'> 0 0 0
WScript.Echo CDbl("1e308"), CDbl("0.00001e310"), CDbl("12345678901234567890e-19")
'> 1E+308 1E+305 1.23456789012346
WScript.Echo CDbl("1" & String(400, "0") & "e-400"), CDbl("0." & String(400, "0") & "5e401")
'> 1 5
WScript.Echo 1e-99999999999999999999, 0.0e99999999999999999999, 00012.5e-1
'> 0 0 1.25
WScript.Echo IsNumeric("1e99999999999999999999"), IsNumeric("1e-99999999999999999999")
'> False True
WScript.Echo "1e-99999999999999999999" + 1, "2" = 2e-99999999999999999999 + 2
'> 1 True
On Error Resume Next
x = CDbl("1e99999999999999999999")
WScript.Echo Err.Number
'> 6
Err.Clear
x = CInt("9e9223372036854775808")
WScript.Echo Err.Number
'> 6
