' The path functions, Windows paths and names that differ in case only.
'!setup mkdir -p Reports && printf 'found' > Reports/Summary.TXT
Set fso = CreateObject("Scripting.FileSystemObject")
p = "C:\Users\ann\data.file.csv"
WScript.Echo fso.GetFileName(p), fso.GetBaseName(p), fso.GetExtensionName(p)
'> data.file.csv data.file csv
WScript.Echo fso.GetParentFolderName(p), fso.GetParentFolderName("C:\top"), "[" & fso.GetParentFolderName("C:\") & "]"
'> C:\Users\ann C:\ []
WScript.Echo fso.GetDriveName(p), "[" & fso.GetDriveName("/tmp/x") & "]", fso.GetDriveName("\\srv\share\f.txt")
'> C: [] \\srv\share
WScript.Echo fso.GetFileName("/tmp/dir/"), fso.GetParentFolderName("/tmp/dir/"), fso.GetParentFolderName("/tmp")
'> dir /tmp /
WScript.Echo fso.BuildPath("C:\a", "b.txt"), fso.BuildPath("C:\a\", "b.txt"), fso.BuildPath("/tmp", "x"), fso.BuildPath("C:", "y")
'> C:\a\b.txt C:\a\b.txt /tmp/x C:y
WScript.Echo "[" & fso.GetExtensionName("noext") & "]", fso.GetBaseName(".profile") = ""
'> [] -1
name = fso.GetTempName
WScript.Echo Len(name), Left(name, 3), Right(name, 4)
'> 12 rad .tmp

' Windows paths reach this system's files.
here = fso.GetAbsolutePathName(".")
WScript.Echo Left(here, 1), fso.GetAbsolutePathName("a\..\b\c.txt") = here & "/b/c.txt"
'> / -1
windowsForm = "C:" & Replace(here, "/", "\") & "\Reports\Summary.TXT"
WScript.Echo fso.FileExists(windowsForm), fso.OpenTextFile(windowsForm).ReadAll
'> -1 found
WScript.Echo fso.FileExists("reports\summary.txt"), fso.GetFile("REPORTS\summary.txt").Name
'> -1 Summary.TXT
WScript.Echo fso.GetSpecialFolder(2).Path = here & "/tmp", fso.FolderExists(fso.GetSpecialFolder(1))
'> -1 -1
WScript.Echo fso.DriveExists("C:"), fso.DriveExists("C:\x"), fso.GetDrive("c:").DriveLetter, fso.GetDrive("C").RootFolder.Path
'> -1 0 C /
WScript.Echo fso.GetDrive("C:").TotalSize > 0, fso.Drives.Count
'> -1 1
On Error Resume Next
x = fso.GetSpecialFolder(3)
WScript.Echo Err.Number
'> 5
