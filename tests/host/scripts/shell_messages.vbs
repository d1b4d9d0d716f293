' Popup under talvoro-run, what needs Windows itself, and WScript.Network.
Set shell = CreateObject("WScript.Shell")
WScript.Echo shell.Popup("Plain text")
'> Plain text
'> 1
' The default button answers: Yes of Yes/No, No with vbDefaultButton2, Retry of Retry/Cancel.
WScript.Echo shell.Popup("Go on?", 5, "Question", vbYesNo), shell.Popup("Sure?", , , vbYesNo + vbDefaultButton2)
'> Question
'> Go on?
'> Sure?
'> 6 7
WScript.Echo shell.Popup("Again?", 0, "", vbRetryCancel + vbDefaultButton3)
'> Again?
'> 4

On Error Resume Next
value = shell.RegRead("HKCU\Software\Example\Value")
WScript.Echo Err.Number, Err.Description
'> -2147467263 There is no registry on this system
Err.Clear
shell.RegWrite "HKCU\Software\Example\Value", 1, "REG_DWORD"
WScript.Echo Err.Description
'> There is no registry on this system
Err.Clear
Set link = shell.CreateShortcut("x.lnk")
WScript.Echo Err.Number, Err.Description
'> -2147467263 CreateShortcut is not available on this system
On Error GoTo 0

Set network = CreateObject("WScript.Network")
WScript.Echo network.UserName = shell.Exec("id -un").StdOut.ReadLine
'> -1
host = shell.Exec("hostname").StdOut.ReadLine
WScript.Echo network.ComputerName = Split(host, ".")(0), Len(network.UserDomain) > 0
'> -1 -1
