' LBound and UBound of an object measure the array its default Property Get
' returns; an object with no default member, or one that needs an argument,
' does not support them.
Class Holder
    Private items
    Private Sub Class_Initialize()
        items = Array(1, 2, 3)
    End Sub
    Public Default Property Get Contents()
        Contents = items
    End Property
End Class
Class Bare
    Public v
End Class
Class Indexed
    Public Default Property Get Item(i)
        Item = Array(i)
    End Property
End Class
Class Scalar
    Public Default Property Get Value()
        Value = 5
    End Property
End Class
Set h = New Holder
WScript.Echo LBound(h), UBound(h), UBound(h, 1)
'> 0 2 2
On Error Resume Next
n = UBound(New Bare) : WScript.Echo Err.Number : Err.Clear
'> 438
n = LBound(New Bare) : WScript.Echo Err.Number : Err.Clear
'> 438
n = UBound(New Indexed) : WScript.Echo Err.Number : Err.Clear
'> 438
n = UBound(New Scalar) : WScript.Echo Err.Number : Err.Clear
'> 13
n = UBound(h, 2) : WScript.Echo Err.Number : Err.Clear
'> 9
