' WScript.Shell's Run and Exec with real programs.
Set shell = CreateObject("wscript.SHELL")
WScript.Echo shell.Run("sh -c ""exit 3""", 0, True)
'> 3
WScript.Echo shell.Run("no_such_program_here 2>/dev/null", 0, True)
'> 127
' What the script printed comes before what the program prints.
WScript.Echo "before"
shell.Run "echo from the program", 1, True
'> before
'> from the program

' Without waiting: 0 at once, and the program runs on its own.
WScript.Echo shell.Run("sleep 0.2; echo done > marker.txt")
'> 0
Set fso = CreateObject("Scripting.FileSystemObject")
WScript.Echo fso.FileExists("marker.txt")
'> 0
For i = 1 To 100
    If fso.FileExists("marker.txt") Then Exit For
    WScript.Sleep 50
Next
WScript.Echo fso.FileExists("marker.txt")
'> -1

Set e = shell.Exec("echo hi; echo oops >&2; exit 4")
WScript.Echo e.StdOut.ReadAll = "hi" & vbLf, e.StdErr.ReadLine, e.StdErr.AtEndOfStream
'> -1 oops -1
Do While e.Status = 0 : WScript.Sleep 10 : Loop
WScript.Echo e.Status, e.ExitCode, e.ProcessID > 0, TypeName(e.StdOut)
'> 1 4 -1 TextStream

' 200 KB on each output, the second read first: the first must not stall the program.
Set e = shell.Exec("head -c 200000 /dev/zero | tr '\0' a; head -c 200000 /dev/zero | tr '\0' b >&2")
errors = e.StdErr.ReadAll
output = e.StdOut.ReadAll
WScript.Echo Len(errors), Len(output), Replace(errors, "b", "") = "", Replace(output, "a", "") = ""
'> 200000 200000 -1 -1

' Writing more than a pipe holds to a program that echoes it back.
Set e = shell.Exec("cat")
e.StdIn.WriteLine "one"
e.StdIn.Write String(300000, "x")
e.StdIn.Close
WScript.Echo e.StdOut.ReadLine, Len(e.StdOut.ReadAll)
'> one 300000
WScript.Echo e.StdOut.AtEndOfStream
'> -1

' A character the program writes in two parts is read whole.
Set e = shell.Exec("printf 'gr\303'; sleep 0.1; printf '\274n\n'")
WScript.Echo e.StdOut.Read(2) & "|" & e.StdOut.Read(2) & "|" & e.StdOut.ReadLine
'> gr|ün|

Set e = shell.Exec("sleep 10")
WScript.Echo e.Status, e.ExitCode
'> 0 0
e.Terminate
Do While e.Status = 0 : WScript.Sleep 10 : Loop
WScript.Echo e.ExitCode
'> 143

' Programs nobody waited for are reaped when they end: no zombie stays.
ourId = shell.Exec("echo $PPID").StdOut.ReadLine
Set e = shell.Exec("exit 0")
Set e = Nothing
shell.Run "true"
WScript.Sleep 300
Set e = shell.Exec("awk '$4 == " & ourId & " && $3 == ""Z""' /proc/[0-9]*/stat | wc -l")
WScript.Echo e.StdOut.ReadLine
'> 0

On Error Resume Next
shell.Run ""
WScript.Echo Err.Number, Err.Description
'> -2147024894 Cannot start the program: the command is empty
Err.Clear
Set blank = shell.Exec("   ")
WScript.Echo Err.Number, IsEmpty(blank)
'> -2147024894 -1
Err.Clear
' Writing to a program that has ended is an error, not the end of talvoro-run.
Set e = shell.Exec("exit 0")
Do While e.Status = 0 : WScript.Sleep 10 : Loop
e.StdIn.Write String(100000, "x")
WScript.Echo Err.Number
'> 57
Err.Clear
shell.Run
WScript.Echo Err.Number
'> 449
