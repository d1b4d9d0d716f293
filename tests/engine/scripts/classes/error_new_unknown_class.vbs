' New with a class name that was never defined: an unknown name (500).
Class Known
End Class
Set a = New Known
On Error Resume Next
Set c = New NoSuchClass
WScript.Echo Err.Number, Err.Description, IsEmpty(c)
'> 500 Variable is undefined True
On Error GoTo 0
Set b = New Unknown
'!error 500 line 10 column 1
