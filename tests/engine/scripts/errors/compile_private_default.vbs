' A default member must be Public.
Class Hidden
    Private Default Function A()
    End Function
End Class
'!error 1057 line 3 "'Default' specification must also specify 'Public'"
