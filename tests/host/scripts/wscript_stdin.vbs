' Reading standard input through WScript.StdIn.
'< first line
'< second
'<
'< last
Set input = WScript.StdIn
WScript.Echo input.Line, input.AtEndOfStream
'> 1 0
WScript.Echo "[" & input.ReadLine & "]", input.Line, input.Column
'> [first line] 2 1
WScript.Echo input.Read(3), input.Column, input.AtEndOfLine
'> sec 4 0
WScript.Echo input.Read(3), input.AtEndOfLine
'> ond -1
input.SkipLine
input.SkipLine
WScript.Echo input.ReadAll & "|"
'> last
'> |
WScript.Echo input.AtEndOfStream
'> -1
On Error Resume Next
s = input.ReadLine
WScript.Echo Err.Number, Err.Description
'> 62 Input past end of file
Err.Clear
s = input.ReadAll
WScript.Echo Err.Number
'> 62
Err.Clear
WScript.StdIn.Write "x"
WScript.Echo Err.Number, Err.Description
'> 54 Bad file mode
