' A block opened on a line may be closed on that line without a colon, and a
' procedure's or Case's first statement may share its header's line.
Sub Show(s) WScript.Echo s : End Sub
Function Twice(n) Twice = 2 * n End Function
Function Sign(n) If n < 0 Then Sign = -1 Else Sign = 1 End Function
Show Twice(21) & Sign(-3)
'> 42-1
If x Then y = 1 Else y = 2 End If
If True Then z = 3 End If
Show y & z
'> 23
Do : n = n + 1 Loop Until n > 3
For i = 1 To 3 : t = t & i Next
While n > 0 : n = n - 1 Wend
Show n & t
'> 0123
For Each v In Array(4, 5) : Show v : Next
'> 4
'> 5
For k = 1 To 3
    Select Case k
    Case 1 Show "one"
    Case 2, 3 Show "two or three" : Show k
    End Select
Next
'> one
'> two or three
'> 2
'> two or three
'> 3
Select Case "q"
Case "a" Show "a"
Case Else Show "else"
End Select
'> else

' The ends of procedures and classes, and the End If of an Else block, may
' follow a statement of a block opened on an earlier line.
Sub SetTo(ByRef v)
    v = 1 End Sub
Sub ShowIt(v)
    Call Show(v)End Sub
Function Zero()
    Zero = 0 End Function
Class Holder
    Public a End Class
Class Holder2
    Dim b End Class
Class Holder3
    Function Z()
        Z = 0 End Function End Class
Class Holder4
    Private v
    Public Default Property Get P()
        P = "prop" End Property End Class
SetTo w
ShowIt w & Zero() & (New Holder3).Z() & (New Holder4)
'> 100prop
If False Then
    x = 1
Else
    x = 3 End If
Show x
'> 3
