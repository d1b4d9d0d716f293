' Reading past the end of a local array stops the script at that line.
Sub Reader()
    Dim a(2), i
    For i = 0 To 3
        WScript.Echo a(i) & "."
    Next
End Sub
Reader
'> .
'> .
'> .
'!error 9 line 5
