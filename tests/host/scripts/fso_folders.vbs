' Folders and files: their objects and collections, copying, moving and deleting.
'!setup mkdir -p data/sub2 data/Sub1 && printf '12345' > data/b.txt && printf 'x' > data/A.csv && touch -d '2024-03-05 14:30:00' data/b.txt
Set fso = CreateObject("Scripting.FileSystemObject")
Set folder = fso.GetFolder("data")
WScript.Echo folder.Name, folder.Files.Count, folder.SubFolders.Count, folder.Size, folder.IsRootFolder
'> data 2 2 6 0
For Each f In folder.Files
    WScript.Echo f.Name, f.Size, f.Type, TypeName(f)
Next
'> A.csv 1 CSV File File
'> b.txt 5 TXT File File
For Each s In folder.SubFolders
    WScript.Echo s.Name, TypeName(s), s.ParentFolder.Name
Next
'> Sub1 Folder data
'> sub2 Folder data

Set b = folder.Files("b.txt")
WScript.Echo b.DateLastModified, VarType(b.DateLastModified), b.Path = folder.Path & "/b.txt", b = b.Path
'> 3/5/2024 2:30:00 PM 7 -1 -1
WScript.Echo b.Attributes And 16, folder.Attributes And 16, fso.GetFolder("/").IsRootFolder
'> 0 16 -1
WScript.Echo TypeName(fso.GetFolder("/").ParentFolder)
'> Nothing

' Creating, copying, moving, deleting.
Set made = fso.CreateFolder("made")
WScript.Echo made.Name, fso.FolderExists("made"), fso.FileExists("made")
'> made -1 0
fso.CopyFile "data\*.txt", "made\"
fso.CopyFile "data\A.csv", "made\copy.csv"
WScript.Echo made.Files.Count, fso.OpenTextFile("made\b.txt").ReadAll
'> 2 12345
fso.MoveFile "made\copy.csv", "made\moved.csv"
WScript.Echo fso.FileExists("made\copy.csv"), fso.FileExists("made\moved.csv")
'> 0 -1
Set moved = fso.GetFile("made\moved.csv")
moved.Name = "renamed.csv"
moved.Copy "made\again.csv"
WScript.Echo moved.Name, fso.FileExists("made\again.csv")
'> renamed.csv -1
fso.DeleteFile "made\*.csv"
WScript.Echo made.Files.Count
'> 1
made.SubFolders.Add "inner"
fso.CopyFolder "made", "copied"
WScript.Echo fso.FileExists("copied\b.txt"), fso.FolderExists("copied\inner")
'> -1 -1
fso.MoveFolder "copied", "made\inner\deeper"
WScript.Echo fso.FolderExists("copied"), fso.GetFolder("made\inner\deeper").Files.Count
'> 0 1
fso.DeleteFolder "made"
WScript.Echo fso.FolderExists("made")
'> 0

' Errors.
On Error Resume Next
Set x = fso.GetFile("nothing.txt")
WScript.Echo Err.Number
'> 53
Err.Clear
Set x = fso.GetFolder("nothing")
WScript.Echo Err.Number
'> 76
Err.Clear
fso.CreateFolder "data"
WScript.Echo Err.Number
'> 58
Err.Clear
fso.CreateFolder "no\such\parent"
WScript.Echo Err.Number
'> 76
Err.Clear
fso.DeleteFile "data\*.none"
WScript.Echo Err.Number
'> 53
Err.Clear
fso.CopyFile "data\b.txt", "data\A.csv", False
WScript.Echo Err.Number
'> 58
Err.Clear
fso.MoveFile "data\b.txt", "data\A.csv"
WScript.Echo Err.Number, fso.GetFile("data\b.txt").Size
'> 58 5
Err.Clear
fso.CopyFile "data\b.txt", "data\Sub1"
WScript.Echo Err.Number
'> 70
Err.Clear
Set x = folder.Files("Sub1")
WScript.Echo Err.Number
'> 53
