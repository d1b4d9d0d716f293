' A variable of a class read with empty brackets is error 5; assigned with
' them it takes the value. With an index it reads the element.
Class Box
    Public value, items(2)
End Class
Set b = New Box
b.value = 1
b.items(1) = "one"
On Error Resume Next
x = b.value()
WScript.Echo Err.Number
'> 5
Err.Clear
x = b.items()
WScript.Echo Err.Number
'> 5
Err.Clear
b.value() = 7
WScript.Echo Err.Number, b.value, b.items(1)
'> 0 7 one
' x() of an object is its default member's value; without one it is 438.
Class Named
    Public Default Property Get Text()
        Text = "text"
    End Property
End Class
Set n = New Named
t = n()
WScript.Echo VarType(t), t
'> 8 text
Err.Clear
t = b()
WScript.Echo Err.Number
'> 438
