' Null in a logical operator gives Null unless the other side decides the result.
WScript.Echo TypeName(True And Null), TypeName(Null And True)
'> Null Null
WScript.Echo CStr(False And Null), CStr(Null And False)
'> False False
WScript.Echo CStr(True Or Null), CStr(Null Or True)
'> True True
WScript.Echo TypeName(False Or Null), TypeName(Null Or Null)
'> Null Null
WScript.Echo TypeName(Not Null), TypeName(True Xor Null), TypeName(Null Eqv True)
'> Null Null Null
' Imp: False Imp anything is True, anything Imp True is True; x Imp Null
' is Not x unless Not x is zero.
WScript.Echo CStr(False Imp Null), CStr(Null Imp True), TypeName(True Imp Null)
'> True True Null
WScript.Echo VarType(CByte(170) Imp Null), CByte(170) Imp Null, VarType(CByte(255) Imp Null), VarType(CByte(0) Imp Null), CByte(0) Imp Null
'> 17 85 1 17 255
WScript.Echo 5 Imp Null, VarType(-1 Imp Null), TypeName(Null Imp CByte(255)), TypeName(Null Imp 5)
'> -6 1 Byte Null
' On numbers, Null still poisons a result that depends on it.
WScript.Echo TypeName(5 And Null), TypeName(Null Xor 0), TypeName(Null Eqv 7)
'> Null Null Null
' ... and a number that decides the result alone keeps its type.
WScript.Echo 0 And Null, TypeName(CInt(0) And Null), TypeName(Null And CLng(0))
'> 0 Integer Long
