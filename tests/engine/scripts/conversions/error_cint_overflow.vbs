' CInt overflows beyond the Integer range instead of wrapping.
WScript.Echo CInt(32767.4)
'> 32767
x = CInt(32768)
'!error 6 line 4 column 1 "Overflow"
