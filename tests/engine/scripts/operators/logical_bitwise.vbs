' On numbers the logical operators work bit by bit on Long values.
WScript.Echo 5 And 3, 5 Or 3, 5 Xor 3, Not 5, Not 0
'> 1 7 6 -6 -1
WScript.Echo 12 Eqv 10, 12 Imp 10
'> -7 -5
WScript.Echo TypeName(5 And 3), TypeName(70000 And 1), TypeName(True And True)
'> Integer Long Boolean
' Booleans give Booleans.
WScript.Echo CStr(True And False), CStr(True Or False), CStr(True Xor True), CStr(Not True)
'> False True False False
WScript.Echo CStr(False Eqv False), CStr(True Imp False), CStr(False Imp True)
'> True False True
' Non-integral operands are rounded half-to-even first.
WScript.Echo 2.5 And 3, 3.5 And 7
'> 2 4
' Strings holding numbers take part as Longs, whatever their size.
WScript.Echo "6" And 3, VarType("1" And "2"), VarType("1" Or "2"), VarType("1" Imp "2"), VarType(5 And "3"), VarType(Not "5"), VarType(CByte(1) Xor "1")
'> 2 3 3 3 3 3 3
' Result subtypes: Empty takes part as a Long, Bytes stay Bytes only beside
' Bytes, a Boolean beside a Byte widens to Integer.
WScript.Echo TypeName(Empty And Empty), TypeName(Not Empty), TypeName(Empty Or 1), TypeName(Empty Xor True)
'> Long Long Long Long
b = CByte(12)
WScript.Echo TypeName(b And b), TypeName(Not b), Not b, TypeName(b Or 1), TypeName(b And True), b And True
'> Byte Byte 243 Integer Integer 12
WScript.Echo TypeName(b Or CLng(1)), TypeName(b Eqv b), TypeName(b Imp Null), b Imp Null, TypeName(Null And CByte(0))
'> Long Byte Byte 243 Byte
WScript.Echo TypeName(True Or 1), TypeName(False Imp CLng(3)), TypeName(1.5 And 1), TypeName(CCur(3) Or 0)
'> Integer Long Long Long
' Text that names a Boolean takes part as one, #TRUE# and #FALSE# too.
WScript.Echo TypeName("true" And True), CStr("#TRUE#" And True), CStr("#False#" Or False)
'> Boolean True False
