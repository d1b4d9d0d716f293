' Is compares object identity, not contents.
Class Box
    Public Value
End Class
Set a = New Box
Set b = a
Set c = New Box
WScript.Echo CStr(a Is b), CStr(a Is c), CStr(a Is Nothing)
'> True False False
Dim e
Set e = Nothing
WScript.Echo CStr(e Is Nothing), CStr(Nothing Is Nothing)
'> True True
' Changing an object through one reference is seen through the other.
b.Value = 42
WScript.Echo a.Value, CStr(IsEmpty(c.Value))
'> 42 True
' Not binds looser than Is.
WScript.Echo CStr(Not a Is c)
'> True
