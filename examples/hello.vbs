' A first script: run it with build/bin/talvoro-run examples/hello.vbs
Function Fact(n)
    If n <= 1 Then
        Fact = 1
    Else
        Fact = n * Fact(n - 1)
    End If
End Function

Dim i
For i = 1 To 5
    WScript.Echo i & "! =", Fact(i)
Next
