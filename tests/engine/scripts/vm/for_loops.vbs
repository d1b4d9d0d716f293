' For...Next: bounds evaluated once, counter types, steps, Exit For.
n = 3
For i = 1 To n
    n = 10
Next
WScript.Echo i, TypeName(i)
'> 4 Integer
For i = 0 To 1 Step 0.5
Next
WScript.Echo i, TypeName(i)
'> 1.5 Double
For i = 32766 To 32767
Next
WScript.Echo i, TypeName(i)
'> 32768 Long
For i = 5 To 1 Step -2
    s = s & i
Next
WScript.Echo s
'> 531
For i = 1 To 0
    WScript.Echo "never"
Next
For i = 1 To 10
    For j = 1 To 10
        If j = 2 Then Exit For
    Next
    If i = 3 Then Exit For
Next
WScript.Echo i, j
'> 3 2
Do
    k = k + 1
    If k > 4 Then Exit Do
Loop
WScript.Echo k
'> 5
Do Until k = 0
    k = k - 1
Loop
While k < 3
    k = k + 1
Wend
WScript.Echo k
'> 3
