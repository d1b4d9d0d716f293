' A Private member is not reachable from outside the class.
Class Safe
    Private secret
    Public Sub SetIt(v)
        secret = v
    End Sub
End Class
Set s = New Safe
s.SetIt 1
WScript.Echo "set"
'> set
WScript.Echo s.secret
'!error 438 line 12 column 1
