' With, nested With, and .member calls and assignments.
Class Box
    Public Width, Height, Inner
    Function Area()
        Area = Width * Height
    End Function
End Class

Set b = New Box
Set b.Inner = New Box
With b
    .Width = 3
    .Height = 4
    With .Inner
        .Width = 10
        .Height = .Width * 2
    End With
    WScript.Echo .Area(), .Inner.Area
End With
'> 12 200

' The With object is evaluated once.
Dim calls
Function Make()
    calls = calls + 1
    Set Make = New Box
End Function
With Make()
    .Width = 1
    .Height = 1
End With
WScript.Echo calls
'> 1

' A value that is no object fails at the With itself; Nothing only at a member.
On Error Resume Next
For Each v In Array(42, "hello", Empty, Null, True)
    With v
        WScript.Echo "in", Err.Number
        Err.Clear
    End With
Next
'> in 424
'> in 424
'> in 424
'> in 424
'> in 424
With Nothing
    WScript.Echo "Nothing", Err.Number
    n = .Width
    WScript.Echo Err.Number
End With
'> Nothing 0
'> 424
On Error GoTo 0
With 42
End With
'!error 424 line 56 column 1
