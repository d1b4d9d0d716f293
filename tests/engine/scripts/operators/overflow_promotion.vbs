' Integer arithmetic that leaves its type's range moves to the next wider type.
WScript.Echo 32767 + 1, TypeName(32767 + 1)
'> 32768 Long
WScript.Echo -32768 - 1, TypeName(CInt(-32768) - 1)
'> -32769 Long
WScript.Echo TypeName(32767 + 0), TypeName(CInt(200) * CInt(300))
'> Integer Long
WScript.Echo 2147483647 + 1, TypeName(2147483647 + 1)
'> 2147483648 Double
WScript.Echo 100000 * 100000, TypeName(100000 * 100000)
'> 10000000000 Double
WScript.Echo -2147483647 - 2, TypeName(-2147483647 - 2)
'> -2147483649 Double
' Within range the narrow type is kept.
WScript.Echo TypeName(100 + 200), TypeName(100 * 300), TypeName(70000 - 1)
'> Integer Integer Long
' Subtraction widens like addition.
WScript.Echo CInt(-30000) - CInt(3000), TypeName(CInt(-30000) - CInt(3000))
'> -33000 Long
' Byte arithmetic widens to Integer.
WScript.Echo CByte(200) + CByte(100), TypeName(CByte(200) + CByte(100)), TypeName(CByte(1) + CByte(2))
'> 300 Integer Byte
' / always gives Double; ^ always gives Double.
WScript.Echo TypeName(4 / 2), 4 / 2, TypeName(2 ^ 2), 7 / 2
'> Double 2 Double 3.5
' Booleans count as Integer -1 and 0.
WScript.Echo True + True, -True, TypeName(True + 1)
'> -2 1 Integer
