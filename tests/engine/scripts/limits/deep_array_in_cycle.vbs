' At the script's end, instances that only hold each other are searched and
' freed; the search and the release cross an array nested a million deep.
Class Node
    Public other, deep
    Sub Class_Terminate()
        WScript.Echo "terminated, holding " & UBound(deep(0)(0)(0))
    End Sub
End Class
Set n = New Node
Set n.other = n
For i = 1 To 1000000
    a = Array(a)
Next
n.deep = a
a = Empty
Set n = Nothing
WScript.Echo "end"
'> end
'> terminated, holding 0
