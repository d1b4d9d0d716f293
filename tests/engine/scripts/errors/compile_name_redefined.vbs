' Two procedures with one name inside one class.
Class Twins
    Sub Twin()
    End Sub
    Function Twin()
    End Function
End Class
'!error 1041 line 5 "Name redefined"
