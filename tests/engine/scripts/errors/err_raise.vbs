' Err.Raise sets Number, Source and Description.
On Error Resume Next
Err.Raise 1234, "MySource", "My description"
WScript.Echo Err.Number, Err.Source, Err.Description
'> 1234 MySource My description
Err.Clear
WScript.Echo Err.Number, "[" & Err.Source & "]", "[" & Err.Description & "]"
'> 0 [] []

' Without a description, a known number takes its standard text.
Err.Raise 11
WScript.Echo Err.Number, Err.Description
'> 11 Division by zero
Err.Clear
Err.Raise 13
WScript.Echo Err.Description
'> Type mismatch
Err.Clear
Err.Raise 9
WScript.Echo Err.Description
'> Subscript out of range
Err.Clear
' A number with no standard text.
Err.Raise 9999
WScript.Echo Err.Number, Err.Description
'> 9999 Unknown runtime error
Err.Clear

' Err.Number is the default member of Err.
Err.Raise 6
WScript.Echo Err, Err.Description
'> 6 Overflow
Err.Clear

' The vbObjectError base for application errors.
Err.Raise vbObjectError + 1, "App", "custom"
WScript.Echo Err.Number, Err.Number - vbObjectError
'> -2147221503 1
Err.Clear

' HelpFile and HelpContext come with the error; a later Raise without them
' keeps those Err holds, a run-time error or Err.Clear empties them.
Err.Raise 5, "src", "desc", "help.chm", 42
WScript.Echo Err.HelpFile, Err.HelpContext
'> help.chm 42
Err.Raise 6
WScript.Echo Err.Number, Err.HelpFile, Err.HelpContext
'> 6 help.chm 42
Err.Raise 7, , , , 3
WScript.Echo Err.HelpFile, Err.HelpContext
'> help.chm 3
x = 1 / 0
WScript.Echo Err.Number, "[" & Err.HelpFile & "]", Err.HelpContext
'> 11 [] 0
Err.Raise 5, , , "again.chm"
Err.Clear
WScript.Echo "[" & Err.HelpFile & "]", Err.HelpContext
'> [] 0
' Raised from a procedure without a handler, the help reaches the caller's Err.
Sub RaisesWithHelp()
    Err.Raise 1000, "proc", "from a procedure", "proc.chm", 7
End Sub
RaisesWithHelp
WScript.Echo Err.Number, Err.HelpFile, Err.HelpContext
'> 1000 proc.chm 7
Err.Clear

' HRESULTs of COM's common failures become the language's own numbers, with
' their texts; the language's own facility (&h800A....) gives its low word.
Err.Raise &h8007000E&
WScript.Echo Err.Number, Err.Description
'> 7 Out of memory
Err.Raise &h80020005
WScript.Echo Err.Number
'> 13
Err.Raise &h800A0009
WScript.Echo Err.Number, Err.Description
'> 9 Subscript out of range
Err.Raise &h80070057
WScript.Echo Err.Number
'> 5
' An application's own codes stay as they are.
Err.Raise &h80040201
WScript.Echo Err.Number = vbObjectError + 513
'> True
Err.Clear
