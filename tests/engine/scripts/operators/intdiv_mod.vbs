' \ and Mod round both operands half-to-even to whole numbers before dividing.
WScript.Echo 7 \ 2, -7 \ 2, 7.9 \ 2, 6.5 \ 2, 7.5 \ 2
'> 3 -3 4 3 4
WScript.Echo 5.5 Mod 2, 5.5 Mod 2.5, 4.5 Mod 3, 10 Mod 3
'> 0 0 1 1
' The result takes the sign of the dividend.
WScript.Echo -7 Mod 3, 7 Mod -3, -7 Mod -3
'> -1 1 -1
' The result type is the narrowest integer type of the rounded operands.
WScript.Echo TypeName(7 \ 2), TypeName(7.9 \ 2), TypeName(70000 \ 2), TypeName(7 Mod 2)
'> Integer Long Long Integer
' A divisor that rounds to zero divides by zero.
On Error Resume Next
x = 1 \ 0.4
WScript.Echo Err.Number, Err.Description
'> 11 Division by zero
Err.Clear
x = 5 Mod 0
WScript.Echo Err.Number
'> 11
Err.Clear
x = 1 / 0
WScript.Echo Err.Number
'> 11
On Error GoTo 0
' Negative operands round half-to-even too.
WScript.Echo -7.5 \ 2, -7.5 Mod 2, -6.5 \ 2, 0 ^ 0, 4 ^ 0.5
'> -4 0 -3 1 2
