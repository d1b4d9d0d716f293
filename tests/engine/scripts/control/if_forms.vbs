' Single-line If with and without Else, and several statements per branch.
x = 5
If x > 3 Then WScript.Echo "big"
'> big
If x > 10 Then WScript.Echo "huge" Else WScript.Echo "not huge"
'> not huge
If x = 5 Then a = 1 : b = 2 Else a = 9 : b = 9
WScript.Echo a, b
'> 1 2
If x <> 5 Then a = 3 : b = 4
WScript.Echo a, b
'> 1 2

' Block If with ElseIf: only the first true branch runs.
Function Classify(n)
    If n < 0 Then
        Classify = "negative"
    ElseIf n = 0 Then
        Classify = "zero"
    ElseIf n < 10 Then
        Classify = "small"
    ElseIf n < 5 Then
        Classify = "never reached"
    Else
        Classify = "large"
    End If
End Function
WScript.Echo Classify(-1), Classify(0), Classify(3), Classify(99)
'> negative zero small large

' A condition that is a number: nonzero is true.
If 2 Then WScript.Echo "two is true"
'> two is true
If 0 Then WScript.Echo "zero is true" Else WScript.Echo "zero is false"
'> zero is false
' An Empty condition is false; a numeric string counts by its value.
If Empty Then WScript.Echo "wrong" Else WScript.Echo "empty is false"
'> empty is false
If "1" Then WScript.Echo "string one is true"
'> string one is true

' Nested block Ifs.
For Each v In Array(1, 2, 3, 4)
    If v Mod 2 = 0 Then
        If v > 2 Then
            WScript.Echo v, "even, big"
        Else
            WScript.Echo v, "even, small"
        End If
    End If
Next
'> 2 even, small
'> 4 even, big

' A one-line If's Else may stay empty.
x = 0
If false Then x = 1 Else
If false Then x = 2 Else:
If true Then x = x + 5 Else
WScript.Echo x
'> 5
