' The counter keeps the type of the start value; after the loop it is one step past.
For i = 1 To 3
Next
WScript.Echo i, TypeName(i)
'> 4 Integer
For d = 0.5 To 2
Next
WScript.Echo d, TypeName(d)
'> 2.5 Double

' Exit For from inside a Select Case leaves the loop.
For i = 1 To 10
    Select Case i
        Case 3
            Exit For
    End Select
Next
WScript.Echo i
'> 3

' A comment after Then makes a block If.
If i = 3 Then ' the comment
    WScript.Echo "block after comment"
End If
'> block after comment

' While loops nest, and a Do inside a While can exit without leaving the While.
n = 0
w = 0
While w < 3
    w = w + 1
    Do
        n = n + 1
        Exit Do
    Loop
Wend
WScript.Echo w, n
'> 3 3
