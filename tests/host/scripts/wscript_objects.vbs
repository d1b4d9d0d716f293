' CreateObject, GetObject, ConnectObject and Sleep.
Set d = WScript.CreateObject("Scripting.Dictionary")
d("a") = 1
Set fso = WScript.CreateObject("scripting.filesystemobject")
WScript.Echo TypeName(d), TypeName(fso), d.Count
'> Dictionary FileSystemObject 1
On Error Resume Next
Set shell = WScript.CreateObject("Excel.Application")
WScript.Echo Err.Number, Err.Description
'> 429 ActiveX component can't create object
Err.Clear
Set x = WScript.GetObject("C:\some\file.xls")
WScript.Echo Err.Number
'> 429
Err.Clear
Set x = GetObject("", "Excel.Application")
WScript.Echo Err.Number
'> 429
Err.Clear
WScript.ConnectObject d, "Dict_"
WScript.Echo Err.Number
'> 445
Err.Clear
Set y = WScript.CreateObject("Scripting.Dictionary", "Dict_")
WScript.Echo Err.Number
'> 445
Err.Clear
start = Timer
WScript.Sleep 50
WScript.Echo Err.Number, Timer - start >= 0.04
'> 0 -1
WScript.Sleep -1
WScript.Echo Err.Number
'> 5
