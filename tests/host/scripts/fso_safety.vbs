' A file is replaced only when its stream is closed: a run that fails leaves
' it as it was, and a file the run created and never closed is gone again.
'!setup printf 'old content' > report.txt
'!after cat report.txt; echo; ls
'!exit 1
Set fso = CreateObject("Scripting.FileSystemObject")
Set f = fso.OpenTextFile("report.txt", 2)
f.WriteLine "half of a new report"
Set g = fso.CreateTextFile("fresh.txt")
WScript.Echo fso.FileExists("fresh.txt"), fso.OpenTextFile("report.txt").ReadAll
'> -1 old content
g.Write "never finished"
x = 1 / 0
'2> fso_safety.vbs(13, 1) Microsoft VBScript runtime error: Division by zero
'> old content
'> fso_safety.vbs
'> report.txt
'> tmp
