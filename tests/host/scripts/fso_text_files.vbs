' TextStream on files: writing, appending, reading, formats, Line and Column.
'!setup printf 'caf\351\r\nna\357ve' > latin1.txt
'!setup printf 'caf\303\251\n' > utf8.txt
'!setup : > empty.txt
'!after od -An -c unicode.txt | tr -s ' ' | sed 's/^ //'
Const ForReading = 1, ForWriting = 2, ForAppending = 8
Set fso = CreateObject("Scripting.FileSystemObject")

Set f = fso.CreateTextFile("table.txt")
f.WriteLine "x,y"
f.Write "1,"
WScript.Echo f.Line, f.Column
'> 2 3
f.WriteLine 2
f.WriteBlankLines 1
f.Close
Set f = fso.OpenTextFile("table.txt", ForAppending)
f.Write "end"
f.Close
Set f = fso.OpenTextFile("table.txt")
WScript.Echo f.ReadLine, f.Line
'> x,y 2
WScript.Echo f.Read(2), f.Column, f.AtEndOfLine
'> 1, 3 0
f.Skip 1
WScript.Echo f.AtEndOfLine
'> -1
f.SkipLine
WScript.Echo Len(f.ReadLine), f.ReadAll, f.AtEndOfStream
'> 0 end -1
f.Close
WScript.Echo Replace(fso.OpenTextFile("table.txt").ReadAll, vbCrLf, "|")
'> x,y|1,2||end

' The create flag, and ForWriting replacing the content.
Set f = fso.OpenTextFile("new.txt", ForWriting, True)
f.Write "one"
f.Close
Set f = fso.OpenTextFile("new.txt", ForWriting)
f.Write "two"
f.Close
WScript.Echo fso.OpenTextFile("new.txt").ReadAll
'> two
Set f = fso.OpenTextFile("made-empty.txt", ForReading, True)
WScript.Echo f.AtEndOfStream, fso.FileExists("made-empty.txt")
'> -1 -1

' ASCII files are UTF-8, or Latin-1 when they are not valid UTF-8.
Set f = fso.OpenTextFile("latin1.txt")
s = f.ReadLine
WScript.Echo s, Len(s), AscW(Right(s, 1)), f.ReadLine
'> café 4 233 naïve
WScript.Echo fso.OpenTextFile("utf8.txt").ReadLine, Len(fso.OpenTextFile("utf8.txt").ReadLine)
'> café 4

' Unicode: UTF-16LE with a byte order mark.
Set f = fso.CreateTextFile("unicode.txt", True, True)
f.Write "A" & ChrW(233)
f.Close
Set f = fso.OpenTextFile("unicode.txt", ForAppending, False, -1)
f.Write "B"
f.Close
WScript.Echo fso.OpenTextFile("unicode.txt", ForReading, False, -1).ReadAll, fso.GetFile("unicode.txt").Size
'> AéB 8
WScript.Echo Len(fso.OpenTextFile("unicode.txt", ForReading, False, -2).ReadAll)
'> 3

' Errors.
On Error Resume Next
s = fso.OpenTextFile("empty.txt").ReadAll
WScript.Echo Err.Number, Err.Description
'> 62 Input past end of file
Err.Clear
Set f = fso.OpenTextFile("missing.txt")
WScript.Echo Err.Number, Err.Description
'> 53 File not found
Err.Clear
Set f = fso.OpenTextFile("no-such-folder\a.txt", ForWriting, True)
WScript.Echo Err.Number, Err.Description
'> 76 Path not found
Err.Clear
Set f = fso.OpenTextFile("no-such-folder\a.txt")
WScript.Echo Err.Number
'> 76
Err.Clear
Set f = fso.CreateTextFile("table.txt", False)
WScript.Echo Err.Number, Err.Description
'> 58 File already exists
Err.Clear
Set f = fso.OpenTextFile("table.txt", 3)
WScript.Echo Err.Number
'> 5
Err.Clear
Set f = fso.OpenTextFile("table.txt")
f.Write "x"
WScript.Echo Err.Number, Err.Description
'> 54 Bad file mode
Err.Clear
Set f = fso.OpenTextFile("new.txt", ForAppending)
x = f.AtEndOfStream
WScript.Echo Err.Number
'> 54
Err.Clear
f.Close
f.Write "x"
WScript.Echo Err.Number
'> 54
Err.Clear
Set f = fso.CreateTextFile(".")
WScript.Echo Err.Number
'> 70
'> 377 376 A \0 351 \0 B \0
