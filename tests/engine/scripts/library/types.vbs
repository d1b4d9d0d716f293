' Arrays, type names and VarType codes, constants.
a = Array(1, "two", 3.5)
WScript.Echo UBound(a), LBound(a), IsArray(a), IsArray(1), UBound(Array())
'> 2 0 True False -1
Dim m(2, 4)
WScript.Echo UBound(m, 1), UBound(m, 2)
'> 2 4
WScript.Echo TypeName(Empty), TypeName(Null), TypeName(1), TypeName(32768), TypeName(1.5), TypeName(CSng(1))
'> Empty Null Integer Long Double Single
WScript.Echo TypeName(CCur(1)), TypeName(#1/1/2020#), TypeName("s"), TypeName(True), TypeName(CByte(1)), TypeName(a)
'> Currency Date String Boolean Byte Variant()
WScript.Echo TypeName(Nothing), VarType(a), VarType("s"), VarType(Empty), VarType(Nothing)
'> Nothing 8204 8 0 9
WScript.Echo IsEmpty(Empty), IsEmpty(""), IsNull(Null), IsObject(Nothing), IsNumeric("1e5"), IsNumeric(""), IsDate("1/2/2020")
'> True False True True True False True
WScript.Echo Len(vbCrLf), Asc(vbTab), vbTextCompare, vbSaturday, vbRed, vbWhite, vbObjectError
'> 2 9 1 7 255 16777215 -2147221504
' Functions that take values use an object's default member.
Class Box
    Public Default Property Get Value()
        Value = "boxed"
    End Property
End Class
Set b = New Box
WScript.Echo Len(b), UCase(b), TypeName(b), IsObject(b)
'> 5 BOXED Box True

On Error Resume Next
x = UBound(m, 3) : WScript.Echo "UBound dim", Err.Number : Err.Clear
'> UBound dim 9
x = UBound("s") : WScript.Echo "UBound text", Err.Number : Err.Clear
'> UBound text 13
x = LBound(Nothing) : WScript.Echo "LBound Nothing", Err.Number : Err.Clear
'> LBound Nothing 91
x = UBound(42) : WScript.Echo "UBound number", Err.Number : Err.Clear
'> UBound number 13
x = LBound(Empty) : WScript.Echo "LBound Empty", Err.Number : Err.Clear
'> LBound Empty 13
