' Every subtype, by TypeName and VarType.
Dim e
Class Thing
End Class
WScript.Echo TypeName(e), VarType(e), TypeName(Null), VarType(Null)
'> Empty 0 Null 1
WScript.Echo TypeName(1), VarType(1), TypeName(70000), VarType(70000)
'> Integer 2 Long 3
WScript.Echo TypeName(CSng(1)), VarType(CSng(1)), TypeName(1.5), VarType(1.5)
'> Single 4 Double 5
WScript.Echo TypeName(CCur(1)), VarType(CCur(1)), TypeName(#1/1/2000#), VarType(#1/1/2000#)
'> Currency 6 Date 7
WScript.Echo TypeName("s"), VarType("s"), TypeName(True), VarType(True)
'> String 8 Boolean 11
WScript.Echo TypeName(CByte(1)), VarType(CByte(1))
'> Byte 17
Set t = New Thing
' Arrays: 8192 plus the element type; Array() holds Variants.
Dim fixed(3)
WScript.Echo TypeName(Array(1, 2)), VarType(Array(1, 2)), VarType(fixed), TypeName(fixed)
'> Variant() 8204 8204 Variant()
' The Is* family.
WScript.Echo CStr(IsNumeric("1e5")), CStr(IsNumeric("&H1F")), CStr(IsNumeric("")), CStr(IsNumeric("abc"))
'> True True False False
WScript.Echo CStr(IsEmpty(e)), CStr(IsNull(Null)), CStr(IsObject(t)), CStr(IsArray(fixed)), CStr(IsDate(#1/1/2000#))
'> True True True True True
' IsNumeric and IsDate read an object's default value; an object without one
' (Nothing, no default member) is neither, without an error.
Class Twelve
    Public Default Property Get Value
        Value = "12"
    End Property
End Class
Set dozen = New Twelve
WScript.Echo CStr(IsNumeric(dozen)), CStr(IsNumeric(t)), CStr(IsNumeric(Nothing)), CStr(IsDate(t)), CStr(IsDate(Nothing))
'> True False False False False
' An instance is named after its class; Nothing is an object reference to nothing.
WScript.Echo TypeName(Nothing), VarType(Nothing)
'> Nothing 9
WScript.Echo TypeName(t), VarType(t)
'> Thing 9
