' Arrays in arrays, ReDim Preserve, Erase, copies are values.
a = Array(Array(1, 2), Array(3, 4))
WScript.Echo a(1)(0), UBound(a(0))
'> 3 1
Dim m()
ReDim m(1, 2)
m(1, 2) = "x"
ReDim Preserve m(1, 4)
WScript.Echo m(1, 2), UBound(m, 2)
'> x 4
b = m
b(1, 2) = "y"
WScript.Echo m(1, 2), b(1, 2)
'> x y
Dim fixed(2)
fixed(1) = 5
Erase fixed
WScript.Echo UBound(fixed), "[" & fixed(1) & "]"
'> 2 []
' Passing an element ByRef changes it; ReDim of the array meanwhile is refused.
Sub Grow(v)
    v = v + 1
End Sub
Dim d()
ReDim d(2)
d(0) = 1
Grow d(0)
WScript.Echo d(0)
'> 2
Sub Shrink(v)
    ReDim d(0)
End Sub
On Error Resume Next
Shrink d(1)
WScript.Echo Err.Number, UBound(d)
'> 10 2
On Error GoTo 0
' The callee copies the array and writes through the variable while an
' element is out by reference: both writes land in the caller's array.
Sub Touch(v)
    Dim copy
    copy = d
    d(1) = 42
    v = 7
End Sub
Touch d(0)
WScript.Echo d(0), d(1)
'> 7 42
ReDim Preserve m(2, 4)
'!error 9 line 49
