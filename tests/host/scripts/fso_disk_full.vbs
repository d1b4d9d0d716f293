' A write that fails when the stream is closed (here the run may write no
' file larger than 1 KB, as on a full disk) reports 61 and leaves the old
' content; an append that fails is cut back to where it began.
'!file-size-limit 1
'!setup printf 'old' > target.txt
'!after cat target.txt; echo; ls -A
Set fso = CreateObject("Scripting.FileSystemObject")
Set f = fso.CreateTextFile("target.txt", True)
f.Write String(5000, "x")
On Error Resume Next
f.Close
WScript.Echo Err.Number, Err.Description
'> 61 Disk full
Err.Clear
Set f = fso.OpenTextFile("target.txt", 8)
f.Write String(5000, "y")
f.Close
WScript.Echo Err.Number, fso.GetFile("target.txt").Size
'> 61 3
'> old
'> fso_disk_full.vbs
'> target.txt
'> tmp
