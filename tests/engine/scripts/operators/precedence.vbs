' Unary minus binds tighter than ^, and ^ is left-associative.
WScript.Echo -2 ^ 2, 2 ^ -2, 2 ^ 3 ^ 2
'> 4 0.25 64
' * and / before \ before Mod before + and -.
WScript.Echo 2 + 3 * 4, (2 + 3) * 4, 10 - 4 - 3, 2 * 3 ^ 2
'> 14 20 3 18
WScript.Echo 7 \ 2 * 2, 10 Mod 4 \ 2, 1 + 7 Mod 4
'> 1 0 4
WScript.Echo 8 / 4 / 2, 100 \ 10 \ 3
'> 1 3
' & binds looser than + so the sum is built first.
WScript.Echo 1 + 2 & 3 + 4
'> 37
' Comparison after &, Not after comparison.
a = 1 : b = 2
WScript.Echo CStr(Not a = b), CStr(Not (a = b)), Not a
'> True True -2
WScript.Echo CStr("a" & "b" = "ab")
'> True
' And before Or before Xor before Eqv before Imp.
WScript.Echo CStr(True Or False And False), CStr((True Or False) And False)
'> True False
WScript.Echo CStr(True Xor True Or True), CStr(False Imp False Eqv False)
'> False True
' Unary minus of an expression in parentheses, and chains of signs.
WScript.Echo -(2 + 3), - -4, -+-5, 2 - -2
'> -5 4 5 4
