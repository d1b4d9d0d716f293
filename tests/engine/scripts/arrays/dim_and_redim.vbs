' Dim a(n) has n + 1 elements, from 0 to n, all Empty.
Dim a(3)
WScript.Echo LBound(a), UBound(a), TypeName(a(3))
'> 0 3 Empty
a(0) = "x" : a(3) = 7
WScript.Echo a(0), a(3)
'> x 7

' ReDim sizes a dynamic array and clears it; ReDim Preserve keeps the values.
Dim d()
ReDim d(2)
d(0) = 1 : d(1) = 2 : d(2) = 3
ReDim Preserve d(4)
WScript.Echo UBound(d), d(0), d(2), TypeName(d(4))
'> 4 1 3 Empty
ReDim Preserve d(1)
WScript.Echo UBound(d), d(0), d(1)
'> 1 1 2
ReDim d(1)
WScript.Echo TypeName(d(0))
'> Empty

' ReDim also makes an array of a variable that was never an array.
ReDim fresh(1)
fresh(1) = "ok"
WScript.Echo fresh(1), UBound(fresh)
'> ok 1

' The size may be any expression; fractional sizes round.
n = 2
ReDim e(n * 2)
WScript.Echo UBound(e)
'> 4
ReDim e(2.6)
WScript.Echo UBound(e)
'> 3

' ReDim with -1 gives an empty array.
ReDim e(-1)
WScript.Echo UBound(e), LBound(e)
'> -1 0

' Array() builds a Variant array from its arguments.
arr = Array(10, "b", True)
WScript.Echo UBound(arr), arr(0), arr(1), CStr(arr(2))
'> 2 10 b True
WScript.Echo UBound(Array()), CStr(IsArray(Array()))
'> -1 True
' Elements can themselves be arrays.
nested = Array(Array(1, 2), Array(3, 4, 5))
WScript.Echo nested(1)(2), UBound(nested(1))
'> 5 2
