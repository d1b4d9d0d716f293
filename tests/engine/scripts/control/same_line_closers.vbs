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
