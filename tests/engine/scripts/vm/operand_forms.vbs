' Operators whose operands are locals and constants read them where they
' are; each form must give the general operators' results and subtypes.
Function Forms(i, big, d)
    Dim one, top
    one = 1
    top = 1E+308
    ' local op constant, local op local, constant op local
    Forms = TypeName(i + 1) & " " & TypeName(big + 1) & " " & TypeName(i * one) & " " & _
            TypeName(32767 + i) & " " & TypeName(2 * big)
    ' (expression) op constant, (expression) op local, local op (expression)
    Forms = Forms & " " & TypeName((i + 0) * 2) & " " & TypeName((big + 0) + one) & " " & _
            TypeName(i - (one - 3)) & " " & TypeName(d * (one + 1))
    On Error Resume Next
    Dim r
    r = top * 10
    Forms = Forms & " " & Err.Number
    Err.Clear
    r = (top + 0) + top
    Forms = Forms & " " & Err.Number
    Err.Clear
    r = i Mod (one - 1)
    Forms = Forms & " " & Err.Number
End Function
WScript.Echo Forms(CInt(32767), CLng(2147483647), 0.5)
'> Long Double Integer Long Double Long Double Long Double 6 6 11
WScript.Echo Forms(CInt(5), CLng(5), 2)
'> Integer Long Integer Long Long Integer Long Integer Integer 6 6 11

' Integer division and Mod keep the narrow type, widen at the edge, and
' stop with error 6 where a Long cannot hold the quotient.
Function Division(a, b)
    On Error Resume Next
    Division = a \ b
    If Err.Number Then Division = "error " & Err.Number Else Division = TypeName(Division) & " " & Division
End Function
WScript.Echo Division(CInt(-32768), CInt(-1)), Division(CInt(7), CInt(-2)), Division(CLng(-2147483647) - 1, -1)
'> Long 32768 Integer -3 error 6
WScript.Echo Division(7.5, 2), Division(7, 0)
'> Long 4 error 11

' A comparison beside a literal reads a text operand as a number; between
' variables the text is the greater. Equal strings compare exactly.
Function Compare(s, n)
    Compare = (s < 9) & " " & (s < n) & " " & (9 > s) & " " & (s = "8") & " " & (s = "08")
End Function
WScript.Echo Compare("8", 9)
'> True False True True False

' A local left of a call keeps its place in the order of evaluation: it is
' read before the call runs.
Function Bump(ByRef v)
    v = 100
    Bump = 1
End Function
Function ReadOrder()
    Dim x
    x = 1
    ReadOrder = x + Bump(x)
    ReadOrder = ReadOrder & " " & x
End Function
WScript.Echo ReadOrder()
'> 2 100

' Operands passed by reference are read through the reference; Null and
' Empty take the general path.
Sub Twice(ByRef v, ByVal w)
    v = v * 2 + w
    w = w * 100
End Sub
Function Through()
    Dim a, b, n, nothingYet
    a = 3: b = 1: n = Null
    Twice a, b
    Through = a & " " & b & " " & IsNull(n + 1) & " " & TypeName(nothingYet + 1) & " " & (nothingYet = 0)
End Function
WScript.Echo Through()
'> 7 1 True Integer True

' Constant expressions are computed once, with the operators' subtypes;
' one that fails does so when its statement runs.
WScript.Echo TypeName(-32768), TypeName(-(32767)), TypeName(2 ^ 2), "a" & 1 + 2, TypeName(200 * 200)
'> Long Integer Double a3 Long
On Error Resume Next
q = 1 / 0
WScript.Echo Err.Number
'> 11
On Error GoTo 0
q = 2147483648 \ 1
'!error 6 line 88
