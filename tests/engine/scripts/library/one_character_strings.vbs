' Chr, ChrW and Mid(s, k, 1) hand out shared one-character strings; growing
' or changing a variable that holds one must never change what the next
' call returns.
Sub GrowInPlace()
    Dim c, d
    c = Chr(65)
    c = c & "x"
    c = c & "y"
    d = Mid("zAz", 2, 1)
    d = d & "!"
    WScript.Echo c, d, Chr(65), Mid("zAz", 2, 1), ChrW(65)
End Sub
GrowInPlace
'> Axy A! A A A

c = ChrW(97)
c = c & c
WScript.Echo c, ChrW(97), Len(ChrW(97))
'> aa a 1

' Every code unit, below 256 and beyond it, comes back as itself.
Function RoundTrip()
    Dim k, bad
    bad = 0
    For k = 0 To 255
        If AscW(ChrW(k)) <> k Or Len(ChrW(k)) <> 1 Then bad = bad + 1
        If AscW(Mid("a" & ChrW(k) & "b", 2, 1)) <> k Then bad = bad + 1
    Next
    If AscW(ChrW(8364)) <> 8364 Or AscW(Mid("x" & ChrW(8364), 2, 1)) <> 8364 Then bad = bad + 1
    RoundTrip = bad
End Function
WScript.Echo RoundTrip()
'> 0

' String = and <> compare code units exactly, case included.
Sub Equality()
    Dim s, k, n
    s = "aAbB"
    n = 0
    For k = 1 To Len(s)
        If Mid(s, k, 1) = "a" Then n = n + 1
        If Mid(s, k, 1) <> "b" Then n = n + 10
    Next
    WScript.Echo n, "abc" = "abc", "abc" = "abd", "abc" <> "ab", "" = ""
End Sub
Equality
'> 31 True False True True
