' Integer literals take the smallest of Integer, Long and Double that holds them.
WScript.Echo TypeName(0), TypeName(1), TypeName(32767), TypeName(32768)
'> Integer Integer Integer Long
' A negative literal is unary minus applied to the positive literal.
WScript.Echo TypeName(-32767), TypeName(-32768)
'> Integer Long
WScript.Echo TypeName(2147483647), TypeName(2147483648)
'> Long Double
WScript.Echo 123456789012345678
'> 1.23456789012346E+17

' Literals with a point or an exponent are Double, even when whole.
WScript.Echo TypeName(1.0), 1.0, TypeName(1.5), .5
'> Double 1 Double 0.5
WScript.Echo 1E3, 1.5e-3, 2E+2, 1e0, TypeName(1E3)
'> 1000 0.0015 200 1 Double
WScript.Echo 1.25E2 + 0
'> 125

' Hex literals: up to four digits give Integer (so &HFFFF is -1), the & suffix forces Long.
WScript.Echo &HFF, &hff, &H0, TypeName(&HFF)
'> 255 255 0 Integer
WScript.Echo &HFFFF, TypeName(&HFFFF)
'> -1 Integer
WScript.Echo &HFFFF&, TypeName(&HFFFF&)
'> 65535 Long
' -32768 is a Long whichever way it is written; a suffixed Long that fits
' 16 bits is an Integer.
WScript.Echo &H8000, &H7FFF, TypeName(&H8000), TypeName(&H7FFF)
'> -32768 32767 Long Integer
WScript.Echo &H8000&, TypeName(&H8000&), &HFFFFFFFF&, TypeName(&HFFFFFFFF&)
'> 32768 Long -1 Integer
WScript.Echo TypeName(&HFFFF8000&), TypeName(&HFFFF8001&), &H000000031, TypeName(&H0000FFFF&)
'> Long Integer 49 Long
WScript.Echo &H10000, TypeName(&H10000)
'> 65536 Long
WScript.Echo &H7FFFFFFF, &HFFFFFFFF, TypeName(&H7FFFFFFF)
'> 2147483647 -1 Long
WScript.Echo &HaBc, -&H10
'> 2748 -16
