' + adds numbers and numeric strings, joins two strings; & always joins.
WScript.Echo "10" + 5, TypeName("10" + 5)
'> 15 Double
WScript.Echo "10" - "3", "5" * "2", TypeName("10" - "3")
'> 7 10 Double
WScript.Echo "10" + "5", "10" & 5, 1 & 2
'> 105 105 12
WScript.Echo TypeName(1 & 2)
'> String
WScript.Echo "1.5" + 1, " 2 " + 1
'> 2.5 3
' & converts numbers as CStr does.
WScript.Echo "v=" & 1.5 & "|" & 1E+20 & "|" & -0.000001 & "|" & True
'> v=1.5|1E+20|-1E-06|True
