' Property Let receives an object as the object, not its default value;
' Set of a property that has only a Property Let is 438, from outside the
' class and from inside it.
Class Inner
    Public Default Property Get V()
        V = "inner default"
    End Property
End Class
Class Holder
    Public Property Let Value(v)
        WScript.Echo "Let got", TypeName(v), CStr(IsObject(v))
    End Property
    Public Property Set Only(v)
        WScript.Echo "Set got", TypeName(v)
    End Property
    Public Sub Inside(v)
        Set Value = v
    End Sub
End Class
Set h = New Holder
Set i = New Inner
h.Value = i
'> Let got Inner True
Set h.Only = i
'> Set got Inner
On Error Resume Next
Set h.Value = i
WScript.Echo Err.Number
'> 438
Err.Clear
h.Inside i
WScript.Echo Err.Number
'> 438
