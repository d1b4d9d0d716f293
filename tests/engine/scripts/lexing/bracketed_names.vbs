' [ ... ] makes any text a name, including spaces and keywords.
Dim [my value]
[my value] = 5
WScript.Echo [my value] * 2
'> 10

[End] = "keyword as a name"
WScript.Echo [End]
'> keyword as a name

Function [add two](a, b)
    [add two] = a + b
End Function
WScript.Echo [add two](3, 4)
'> 7

' A bracketed plain name is the same variable as the bare name.
plain = 9
WScript.Echo [plain]
'> 9

' [] is a name too, the empty one.
Dim []
[] = "empty"
WScript.Echo [] & "!"
'> empty!
