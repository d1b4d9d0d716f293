' TypeName gives the class name; objects live in arrays; With shortens member access.
Class Point
    Public X
    Public Y
    Public Function Sum()
        Sum = X + Y
    End Function
End Class

Set p = New Point
WScript.Echo TypeName(p), CStr(IsObject(p))
'> Point True

Dim pts(2)
For i = 0 To 2
    Set pts(i) = New Point
    pts(i).X = i
    pts(i).Y = i * 10
Next
WScript.Echo pts(0).Sum(), pts(1).Sum(), pts(2).Sum()
'> 0 11 22
list = Array(pts(2), pts(0))
WScript.Echo list(0).X, TypeName(list(1))
'> 2 Point

With p
    .X = 3
    .Y = 4
    WScript.Echo .Sum(), .X * .Y
End With
'> 7 12
' Nested With: the inner one names the object used inside it.
Set q = New Point
With p
    With q
        .X = 100
    End With
    .Y = 0
End With
WScript.Echo p.X, p.Y, q.X
'> 3 0 100

' Assigning an object shares it: both names reach the same instance.
Set r = p
r.X = -1
WScript.Echo p.X
'> -1

' Fields start Empty; an object field is Empty until Set.
Set fresh = New Point
WScript.Echo TypeName(fresh.X)
'> Empty
