' `s = s & a & b` appends the pieces in place and gives the text, Null and
' errors of the expression as written.
Function Pieces()
    Dim s, n, i, list(1)
    s = 5: n = Null
    s = s & 1 & 2.5
    Pieces = s & " " & TypeName(s)
    s = Null
    s = s & n & Null
    Pieces = Pieces & " " & IsNull(s)
    s = s & n & "x" & n
    Pieces = Pieces & " " & s
    s = s & "-" & s & Len(s)
    Pieces = Pieces & " " & s
    On Error Resume Next
    s = s & "lost" & list
    Pieces = Pieces & " " & Err.Number & " " & s
End Function
WScript.Echo Pieces()
'> 512.5 String True x x-x1 13 x-x1

' A piece that runs code is evaluated after s is read, as written.
Function Grow()
    total = total & "?"
    Grow = "g"
End Function
total = "t"
total = total & "-" & Grow()
WScript.Echo total
'> t-g
Function Built()
    Dim s, i
    For i = 1 To 3000
        s = s & (i Mod 10) & ";"
    Next
    Built = Len(s) & " " & Mid(s, 1, 6) & " " & Right(s, 4)
End Function
WScript.Echo Built()
'> 6000 1;2;3; 9;0;
