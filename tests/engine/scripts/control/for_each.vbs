' For Each walks an array in index order.
s = ""
For Each v In Array(3, "a", 2.5)
    s = s & v & ","
Next
WScript.Echo s
'> 3,a,2.5,

' The loop variable is a copy: assigning to it does not change the array.
arr = Array(1, 2, 3)
For Each v In arr
    v = v * 10
Next
WScript.Echo arr(0), arr(1), arr(2)
'> 1 2 3

' A fixed array, a multi-dimensional array (column-major order), and Exit For.
Dim m(1, 1)
m(0, 0) = "a" : m(1, 0) = "b" : m(0, 1) = "c" : m(1, 1) = "d"
s = ""
For Each v In m
    s = s & v
Next
WScript.Echo s
'> abcd

For Each v In Array(5, 6, 7, 8)
    If v = 7 Then Exit For
Next
WScript.Echo v
'> 7

' An empty array runs the body zero times.
n = 0
For Each v In Array()
    n = n + 1
Next
WScript.Echo n
'> 0

' Objects in an array.
Class Item
    Public Name
End Class
Dim items(1)
Set items(0) = New Item : items(0).Name = "first"
Set items(1) = New Item : items(1).Name = "second"
For Each it In items
    WScript.Echo it.Name
Next
'> first
'> second

' Run to its end the loop leaves its variable Empty, in a procedure too;
' Exit For (above) leaves the item.
For Each v In Array(1, 2)
Next
WScript.Echo TypeName(v), TypeName(it)
'> Empty Empty
Set d = CreateObject("Scripting.Dictionary")
d.Add "k", 1
Sub walk(coll)
    Dim k
    For Each k In coll
        WScript.Echo k
    Next
    WScript.Echo TypeName(k)
End Sub
walk d
'> k
'> Empty
