' Errors in nested script calls: each level without a handler ends; the
' first level with On Error Resume Next continues after its call; an
' unhandled error is reported where it happened, inside the callee.
Function Inner(x)
    Inner = 10 / x
End Function
Function Middle(x)
    Middle = Inner(x) + 1
    WScript.Echo "middle finished"
End Function
Sub Outer()
    On Error Resume Next
    r = Middle(0)
    WScript.Echo "outer goes on", Err.Number, IsEmpty(r)
End Sub
Outer
'> outer goes on 11 True
WScript.Echo Middle(5)
'> middle finished
'> 3
' Deep but finite recursion works; the values come back through every level.
Function CountDown(n)
    If n = 0 Then CountDown = 0 Else CountDown = 1 + CountDown(n - 1)
End Function
WScript.Echo CountDown(2000)
'> 2000
x = Middle(0)
'!error 11 line 5 column 5
