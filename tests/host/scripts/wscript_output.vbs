' Echo's formatting, the standard output streams, and the host's names.
'!args first
WScript.Echo True, False, Empty, Null, 3.0, 1/4, CCur(2.5), "text"
'> -1 0  null 3 0.25 2.5 text
WScript.Echo
'>
WScript.Echo #1/2/2003#, CByte(7), 1E+20
'> 1/2/2003 7 1E+20
Set d = CreateObject("Scripting.Dictionary")
d.Add "k", "v"
WScript.Echo d("k"), WScript
'> v Windows Script Host

Set out = WScript.StdOut
out.Write "a"
out.Write "b"
WScript.Echo out.Column
out.WriteLine "c"
out.WriteBlankLines 2
WScript.Echo out.Line
'> ab3
'> c
'>
'>
'> 4
WScript.StdErr.WriteLine "to standard error"
'2> to standard error

WScript.Interactive = False
WScript.Echo "not shown"
WScript.StdOut.WriteLine "shown: " & WScript.Interactive
'> shown: False
WScript.Interactive = True

WScript.Echo WScript.ScriptName, WScript.Version, WScript.Name
'> wscript_output.vbs 5.812 Windows Script Host
WScript.Echo Right(WScript.ScriptFullName, 19) = "\wscript_output.vbs" Or Right(WScript.ScriptFullName, 19) = "/wscript_output.vbs"
'> -1
WScript.Echo Right(WScript.FullName, 12), WScript.Path & "/talvoro-run" = WScript.FullName
'> /talvoro-run -1

On Error Resume Next
WScript.Echo Array(1, 2)
WScript.Echo Err.Number
'> 13
