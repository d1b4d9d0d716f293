' Class_Initialize takes no arguments.
Class Widget
    Private Sub Class_Initialize(size)
    End Sub
End Class
'!error 1053 line 3 "Class initialize or terminate do not have arguments"
