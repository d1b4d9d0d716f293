' An array element passed by reference stays locked until the call it is an
' argument of returns, also when a later argument calls a Function: a write
' to the array inside the call reaches the element the parameter refers to,
' though a For Each shares the array.
Function One()
    One = 1
End Function
Sub Change(ByRef p, ByRef unused)
    Dim e
    For Each e In d
        d(1) = "changed"
    Next
    WScript.Echo "p=" & p
    p = "through p"
End Sub
ReDim d(2)
d(1) = "start"
Change d(1), One()
WScript.Echo "d(1)=" & d(1)
'> p=changed
'> d(1)=through p
' The lock ends with the call: ReDim works again.
ReDim d(3)
WScript.Echo UBound(d)
'> 3
