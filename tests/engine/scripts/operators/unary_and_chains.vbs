' Comparisons chain left to right on the Boolean result: (1 < 2) < 3 is True < 3.
WScript.Echo CStr(1 < 2 < 3), CStr(3 > 2 > 1), CStr(1 = 1 = True)
'> True False True
' Unary minus widens when the value leaves the type's range.
WScript.Echo -CInt(-32768), TypeName(-CInt(-32768)), TypeName(-CInt(5))
'> 32768 Long Integer
WScript.Echo -Empty, TypeName(-Empty), (-2) ^ 3, -2 ^ 3
'> 0 Integer -8 -8
' Concatenation needs no blanks around &.
WScript.Echo "a"&"b"
'> ab
' Operators bind the same way inside function arguments and array indexes.
arr = Array(10, 20, 30)
WScript.Echo arr(1 + 1 * 1), Len("ab" & "cd")
'> 30 4
' Mod and the bitwise operators work on Longs: operands outside that range overflow.
On Error Resume Next
x = 2 ^ 31 Mod 2
WScript.Echo Err.Number
'> 6
Err.Clear
x = 2 ^ 31 And 1
WScript.Echo Err.Number
'> 6
Err.Clear
