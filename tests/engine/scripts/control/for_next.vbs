' For counts up by 1 by default; the counter is one step past the end afterwards.
s = ""
For i = 1 To 5
    s = s & i
Next
WScript.Echo s, i
'> 12345 6

' Negative step.
s = ""
For i = 10 To 1 Step -3
    s = s & i & " "
Next
WScript.Echo "[" & s & "]", i
'> [10 7 4 1 ] -2

' Fractional step: 0 to 1 by 0.25.
s = ""
For x = 0 To 1 Step 0.25
    s = s & x & ";"
Next
WScript.Echo s
'> 0;0.25;0.5;0.75;1;

' A loop whose range is empty runs zero times; the counter still gets the start value.
n = 0
For i = 5 To 1
    n = n + 1
Next
WScript.Echo n, i
'> 0 5
For i = 1 To 5 Step -1
    n = n + 1
Next
WScript.Echo n, i
'> 0 1

' The end and the step are evaluated once, before the first pass.
last = 3
n = 0
For i = 1 To last
    last = 10
    n = n + 1
Next
WScript.Echo n
'> 3

' Changing the counter inside the body changes the iteration.
s = ""
For i = 1 To 10
    s = s & i
    i = i + 2
Next
WScript.Echo s
'> 14710

' Nested loops with Exit For leaving only the inner one.
s = ""
For i = 1 To 3
    For j = 1 To 3
        If j > i Then Exit For
        s = s & i & j & " "
    Next
Next
WScript.Echo "[" & s & "]"
'> [11 21 22 31 32 33 ]

' Exit For leaves the counter where it was.
For i = 1 To 100
    If i * i > 50 Then Exit For
Next
WScript.Echo i
'> 8
