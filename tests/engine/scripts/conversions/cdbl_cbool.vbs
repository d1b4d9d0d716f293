' CDbl accepts numeric text with spaces, exponents, hex and thousands separators.
WScript.Echo CDbl("1.5e3"), CDbl(" 12 "), CDbl("&H10"), CDbl("1,5"), CDbl("-0.25")
'> 1500 12 16 15 -0.25
WScript.Echo TypeName(CDbl(1)), CDbl(True), CDbl(#1/2/2020#)
'> Double -1 43832
' CBool: zero is False, any other number True; "True"/"False" text in any case.
WScript.Echo CStr(CBool(0)), CStr(CBool(-3)), CStr(CBool(0.1)), CStr(CBool("true")), CStr(CBool("FALSE"))
'> False True True True False
WScript.Echo CStr(CBool("1")), CStr(CBool("0")), CStr(CBool(Empty))
'> True False False
' Int floors, Fix truncates.
WScript.Echo Int(-2.5), Fix(-2.5), Int(2.5), Fix(-0.5), Int(-0.5)
'> -3 -2 2 0 -1
