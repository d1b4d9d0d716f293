' An error inside a called procedure is reported where it happens, not at the call.
Function Half(v)
    Half = v / 2
End Function
Sub Run()
    WScript.Echo Half(8)
    WScript.Echo Half("abc")
End Sub
Run
'> 4
'!error 13 line 3 column 5
