' Using a member of Nothing.
Class Thing
    Public Name
End Class
Set t = New Thing
Set t = Nothing
t.Name = "x"
'!error 424 line 7 column 1
