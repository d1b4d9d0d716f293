' Building a long string piece by piece works and keeps every piece.
s = ""
For i = 1 To 100000
    s = s & "x"
Next
WScript.Echo Len(s)
'> 100000
t = s & "end"
WScript.Echo Len(t), Right(t, 4), Len(s)
'> 100003 xend 100000
' A string copied before appending keeps its old value.
a = "base"
b = a
a = a & "+more"
WScript.Echo b, a
'> base base+more
' Many nested Ifs built at run time still compile and run.
code = ""
For i = 1 To 200
    code = code & "If True Then" & vbCrLf
Next
code = code & "deepResult = ""reached""" & vbCrLf
For i = 1 To 200
    code = code & "End If" & vbCrLf
Next
Execute code
WScript.Echo deepResult
'> reached
