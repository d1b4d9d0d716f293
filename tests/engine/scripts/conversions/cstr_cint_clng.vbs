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
' CByte rounds too; -0.5 rounds to 0 which is in range. True keeps its low
' eight bits.
WScript.Echo CByte(255), CByte(-0.5), CByte(2.5), TypeName(CByte(1)), CByte(True), CByte(False)
'> 255 0 2 Byte 255 0
' Hex strings convert; one that needs all 16 (CInt) or 32 (CLng) bits is
' negative, one past them overflows, and arithmetic reads them unsigned.
WScript.Echo CInt("&H10"), CLng("&H10000"), CInt("&HFFFF"), CInt("&h8000"), CInt("&O177777"), CLng("&HFFFF")
'> 16 65536 -1 -32768 -1 65535
WScript.Echo CLng("&HFFFFFFFF"), CLng(" &H80000000 "), "&HFFFF" + 0, CByte("&HFF")
'> -1 -2147483648 65535 255
On Error Resume Next
x = CInt("&H10000") : WScript.Echo Err.Number : Err.Clear
'> 6
x = CLng("&H100000000") : WScript.Echo Err.Number : Err.Clear
'> 6
