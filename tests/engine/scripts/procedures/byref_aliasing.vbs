' A ByRef parameter is the caller's variable itself: a change through either name shows in the other.
Dim g
Sub Alias(p)
    p = 1
    WScript.Echo g
    g = 2
    WScript.Echo p
End Sub
g = 0
Alias g
'> 1
'> 2

' The same variable passed to two ByRef parameters.
Sub Both(a, b)
    a = a + 1
    b = b * 10
End Sub
n = 1
Both n, n
WScript.Echo n
'> 20

' ByRef through recursion: every level changes the same counter.
Sub CountDown(level, counter)
    counter = counter + 1
    If level > 0 Then CountDown level - 1, counter
End Sub
c = 0
CountDown 4, c
WScript.Echo c
'> 5

' For loop counters can be passed ByRef, changing the loop.
Sub Skip(i)
    i = i + 1
End Sub
s = ""
For k = 1 To 6
    s = s & k
    Skip k
Next
WScript.Echo s
'> 135
