' The dispatch loop's own arithmetic must agree with the operators: result
' types widen Integer -> Long -> Double, and a Double overflow is an error.
a = 32767 : b = 1
WScript.Echo TypeName(a + b), a + b
'> Long 32768
c = 2147483647 : d = 1
WScript.Echo TypeName(c + d), c + d
'> Double 2147483648
WScript.Echo TypeName(200 * 200), TypeName(7 Mod 2), TypeName(7 \ 2), TypeName(7 / 2)
'> Long Integer Integer Double
WScript.Echo -7 Mod 3, -7 \ 2, 7.5 Mod 2
'> -1 -3 0
WScript.Echo 1.5 < 2, 2 = 2.0, 3 <> 3
'> True True False
On Error Resume Next
x = 5 \ 0
WScript.Echo Err.Number
'> 11
Err.Clear
big = 1E+308
y = big * 10
WScript.Echo Err.Number
'> 6
On Error GoTo 0
z = big + big
'!error 6 line 25 column 1
