' Quit ends the run at once, even under On Error Resume Next, with its code;
' a file the script had not closed is written as the run ends.
'!after cat unclosed.txt; echo
'!exit 7
Set fso = CreateObject("Scripting.FileSystemObject")
Set f = fso.CreateTextFile("unclosed.txt")
f.Write "kept"
On Error Resume Next
WScript.Echo "before"
'> before
WScript.Quit 7
WScript.Echo "after"
'> kept
