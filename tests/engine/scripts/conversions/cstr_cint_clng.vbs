' CStr gives the display form of each subtype.
WScript.Echo CStr(True), CStr(False), "[" & CStr(Empty) & "]", CStr(-7), CStr(2.5)
'> True False [] -7 2.5
WScript.Echo TypeName(CStr(1)), Len(CStr(12.5))
'> String 4
' CInt and CLng round half to even.
WScript.Echo CInt(2.5), CInt(3.5), CInt(-2.5), CInt(0.5), CInt(1.5), CInt(2.6)
'> 2 4 -2 0 2 3
WScript.Echo CLng(2.5), CLng(-3.5), CInt("3.5"), CInt(" 12 "), TypeName(CInt(1.9))
'> 2 -4 4 12 Integer
WScript.Echo CInt(True), CInt(False), CInt(Empty), TypeName(CLng(1))
'> -1 0 0 Long
WScript.Echo CInt(32767), CInt(-32768), CLng(2147483647), CLng(-2147483648)
'> 32767 -32768 2147483647 -2147483648
' CByte rounds too; -0.5 rounds to 0 which is in range.
WScript.Echo CByte(255), CByte(-0.5), CByte(2.5), TypeName(CByte(1))
'> 255 0 2 Byte
' Hex strings convert.
WScript.Echo CInt("&H10"), CLng("&H10000")
'> 16 65536
