' Only one member of a class can be its default.
Class Twice
    Public Default Function A()
    End Function
    Public Default Function B()
    End Function
End Class
'!error 1052 line 5 "Cannot have multiple default property/method in a Class"
