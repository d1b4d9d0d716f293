' ReDim Preserve works on an array made by Array().
a = Array(1, 2)
ReDim Preserve a(3)
a(3) = 4
WScript.Echo UBound(a), a(0), a(1), TypeName(a(2)), a(3)
'> 3 1 2 Empty 4

' An array element can hold another array, which is copied on assignment out of it.
outer = Array(Array(1, 2), "x")
inner = outer(0)
inner(0) = 100
WScript.Echo outer(0)(0), inner(0)
'> 1 100

' A Variant holding an array can be re-dimensioned by ReDim.
v = Array("only")
ReDim v(2)
WScript.Echo UBound(v), TypeName(v(0))
'> 2 Empty

' Arrays compare neither by = nor by Is; IsArray tells them apart.
WScript.Echo CStr(IsArray(v)), CStr(IsArray(v(0))), CStr(IsArray("abc"))
'> True False False
