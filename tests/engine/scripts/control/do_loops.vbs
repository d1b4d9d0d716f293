' Do While / Do Until test before the body, Loop While / Loop Until after it.
i = 0
Do While i < 3
    i = i + 1
Loop
WScript.Echo i
'> 3

i = 0
Do Until i >= 4
    i = i + 2
Loop
WScript.Echo i
'> 4

' A bottom test runs the body at least once.
i = 10
Do
    i = i + 1
Loop While i < 5
WScript.Echo i
'> 11

i = 10
Do
    i = i + 1
Loop Until True
WScript.Echo i
'> 11

' A top test can skip the body entirely.
n = 0
Do While False
    n = n + 1
Loop
Do Until True
    n = n + 1
Loop
WScript.Echo n
'> 0

' A plain Do ... Loop ends only by Exit Do.
i = 0
Do
    i = i + 1
    If i = 7 Then Exit Do
Loop
WScript.Echo i
'> 7

' Exit Do leaves the innermost Do only.
s = ""
i = 0
Do While i < 3
    i = i + 1
    j = 0
    Do
        j = j + 1
        If j > i Then Exit Do
        s = s & j
    Loop
    s = s & "|"
Loop
WScript.Echo s
'> 1|12|123|

' While ... Wend.
i = 1
While i < 100
    i = i * 3
Wend
WScript.Echo i
'> 243

' Exit Do inside a For inside a Do leaves both the For and the Do.
i = 0
Do
    For k = 1 To 10
        i = i + 1
        If k = 2 Then Exit Do
    Next
    i = 100
Loop
WScript.Echo i, k
'> 2 2
