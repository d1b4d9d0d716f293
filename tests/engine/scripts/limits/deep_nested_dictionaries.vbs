' Dictionaries nested a million deep are freed without running out of stack.
For i = 1 To 1000000
    Set e = CreateObject("Scripting.Dictionary")
    e.Add 1, d
    Set d = e
Next
WScript.Echo TypeName(d.Item(1).Item(1))
'> Dictionary
Set e = Nothing
Set d = Nothing
WScript.Echo "freed"
'> freed
