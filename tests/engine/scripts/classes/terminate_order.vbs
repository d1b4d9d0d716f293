' An object that holds another: the outer Class_Terminate runs first, while its
' fields are still alive, then the inner object goes.
Class Inner
    Public Tag
    Private Sub Class_Terminate()
        WScript.Echo "inner gone " & Tag
    End Sub
End Class
Class Outer
    Public Part
    Private Sub Class_Initialize()
        Set Part = New Inner
        Part.Tag = "p"
        WScript.Echo "outer made"
    End Sub
    Private Sub Class_Terminate()
        WScript.Echo "outer gone, part is " & Part.Tag
    End Sub
End Class

Set o = New Outer
'> outer made
Set keep = o.Part
Set o = Nothing
'> outer gone, part is p
WScript.Echo "inner kept alive by another reference"
'> inner kept alive by another reference
Set keep = Nothing
'> inner gone p

Set o = New Outer
'> outer made
Set o = Nothing
'> outer gone, part is p
'> inner gone p

' Exit Property leaves a property procedure early.
Class Guarded
    Private mValue
    Public Property Get Value()
        Value = "unset"
        If IsEmpty(mValue) Then Exit Property
        Value = mValue
    End Property
    Public Property Let Value(v)
        mValue = v
    End Property
End Class
Set gd = New Guarded
WScript.Echo gd.Value
'> unset
gd.Value = "set"
WScript.Echo gd.Value
'> set
