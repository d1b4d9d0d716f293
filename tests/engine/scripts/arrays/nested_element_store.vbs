' An element of an array held in an array is assigned in place, at any depth,
' with Let or Set; the outer array stays unlocked afterwards.
x = Array(Array("a", 0))
x(0)(1) = 5
WScript.Echo x(0)(0), x(0)(1)
'> a 5
Set x(0)(0) = New RegExp
WScript.Echo TypeName(x(0)(0))
'> IRegExp2
Dim deep(1)
deep(1) = Array(Array(1, 2), 3)
deep(1)(0)(1) = "two"
WScript.Echo deep(1)(0)(1), deep(1)(1)
'> two 3
ReDim Preserve x(2)
WScript.Echo UBound(x)
'> 2
Sub fill(a)
    a(0)(0) = "in a procedure"
End Sub
fill x
WScript.Echo x(0)(0)
'> in a procedure
' An inner element that is no array is a type mismatch, Nothing included.
On Error Resume Next
For Each inner In Array(Nothing, 42, Empty, Null)
    Err.Clear
    y = Array(inner)
    y(0)(0) = 5
    WScript.Echo Err.Number
Next
'> 13
'> 13
'> 13
'> 13
