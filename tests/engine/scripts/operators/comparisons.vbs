' Numbers compare as numbers, strings as strings (binary, case-sensitive).
WScript.Echo CStr(1 < 2), CStr(2 <= 2), CStr(3 >= 4), CStr(1 <> 1.0), CStr(1 = 1.0)
'> True True False False True
WScript.Echo CStr("a" = "A"), CStr("a" = "a "), CStr("abc" = "abc")
'> False False True
WScript.Echo CStr("10" < "9"), CStr("abc" < "abd"), CStr("ab" < "abc")
'> True True True
' Binary order: every upper-case letter sorts before every lower-case one.
WScript.Echo CStr("a" < "B"), CStr("B" < "a"), CStr("A" < "a"), CStr("Z" < "a")
'> False True True True
' Two literals, one numeric: the string converts to a number.
WScript.Echo CStr(10 < "9"), CStr(30 > "0"), CStr("10" < 100), CStr("42" = 42)
'> False True True True
' Two variables, a number and a string: the string is always the greater.
n = 10 : s = "9"
WScript.Echo CStr(n < s), CStr(s > n), CStr(n = s)
'> True True False
n = 10 : s = "10"
WScript.Echo CStr(n = s), CStr(n < s)
'> False True
' Booleans compare as numbers: True is -1.
WScript.Echo CStr(True < False), CStr(True = -1), CStr(False = 0)
'> True True True
' Mixed numeric types compare by value.
WScript.Echo CStr(CByte(5) = 5.0), CStr(CLng(70000) > 32767), CStr(0.1 + 0.2 = 0.3)
'> True True False
' Dates compare as numbers.
WScript.Echo CStr(#1/2/2020# > #1/1/2020#), CStr(#1/1/2020# = 43831)
'> True True
' A literal text beside a computed number (a variable, a result, a
' conversion) meets the number's CStr form as text. A negated number is
' computed, not a literal.
WScript.Echo CStr("5" = CByte(5)), CStr("5" = CInt(5)), CStr(CLng(7) > "10"), CStr("1e1" = 2 * 5)
'> True True True False
WScript.Echo CStr("abc" = -5), CStr("abc" > -5), CStr("" = CByte(0)), CStr("x" < Abs(-3))
'> False True False False
n = 10
WScript.Echo CStr(n = "10"), CStr("9" < n), CStr(n < "abc"), CStr(-n = "-10")
'> True False True True
n10 = 10
WScript.Echo CStr("010" = n10), CStr("010" = (5+5)), CStr("010" = CInt(10)), CStr("010" = CLng(10)), CStr("010" = CSng(10)), CStr("010" = CDbl(10))
'> False False False False False False
WScript.Echo CStr("10" > CByte(5)), CStr("10" > CDbl(5)), CStr("10" > CSng(5)), CStr("9" < CDbl(10)), CStr("5" < CCur(10))
'> False False False False False
WScript.Echo CStr(Len("ab") > ""), CStr(CDbl(1.5) = "1.5"), CStr("True" = (1 = 1)), CStr(10 = "010")
'> True True True True
