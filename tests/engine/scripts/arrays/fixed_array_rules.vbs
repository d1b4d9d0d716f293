' A fixed-size array refuses ReDim (10) before its bounds are read, and
' arr() of it names no element (9).
Dim staticarray(3)
On Error Resume Next
ReDim staticarray("abc")
WScript.Echo Err.Number
'> 10
Err.Clear
x = staticarray()
WScript.Echo Err.Number
'> 9
Err.Clear
Sub localFixed()
    Dim la(2)
    y = la()
End Sub
localFixed
WScript.Echo Err.Number
'> 9
Err.Clear
' A dynamic array still takes a bad bound as the type mismatch it is.
Dim dyn()
ReDim dyn("abc")
WScript.Echo Err.Number
'> 13
Err.Clear
' A later ExecuteGlobal that declares an array again under a name an earlier
' one gave an array is a type mismatch; a scalar may be declared again.
ExecuteGlobal "Dim egDynArr()"
ExecuteGlobal "Dim egFixArr(2)"
ExecuteGlobal "Dim egScalar"
WScript.Echo Err.Number
'> 0
ExecuteGlobal "Dim egDynArr()"
WScript.Echo Err.Number
'> 13
Err.Clear
ExecuteGlobal "Dim egFixArr(2)"
WScript.Echo Err.Number
'> 13
Err.Clear
ExecuteGlobal "Dim egFixArr()"
WScript.Echo Err.Number
'> 13
Err.Clear
egScalar = 4
ExecuteGlobal "Dim egScalar"
WScript.Echo Err.Number, UBound(egFixArr)
'> 0 2
' Fixedness belongs to the declared variable, not to its copies: a copy
' assigned, passed ByVal or returned may be resized; the variable itself,
' also through a ByRef parameter, may not.
Dim fixedSrc(3)
fixedSrc(0) = 7
copied = fixedSrc
ReDim Preserve copied(5)
WScript.Echo Err.Number, UBound(copied), copied(0), UBound(fixedSrc)
'> 0 5 7 3
whole = copied()
WScript.Echo Err.Number, UBound(whole)
'> 0 5
Sub ResizeByVal(ByVal x)
    ReDim x(8)
    WScript.Echo "byval", UBound(x)
End Sub
ResizeByVal fixedSrc
WScript.Echo Err.Number, UBound(fixedSrc)
'> byval 8
'> 0 3
Sub ResizeByRef(x)
    ReDim x(8)
End Sub
ResizeByRef fixedSrc
WScript.Echo Err.Number, UBound(fixedSrc)
'> 10 3
Err.Clear
ResizeByRef (fixedSrc)
WScript.Echo Err.Number, UBound(fixedSrc)
'> 0 3
Function LocalFixedCopy()
    Dim l(2)
    LocalFixedCopy = l
End Function
returned = LocalFixedCopy()
ReDim returned(9)
WScript.Echo Err.Number, UBound(returned)
'> 0 9
fixedSrc = fixedSrc
ReDim fixedSrc(1)
WScript.Echo Err.Number, UBound(fixedSrc)
'> 10 3
