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
