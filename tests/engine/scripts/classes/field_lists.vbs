' One Public or Private statement may declare several fields.
Class Pair
    Public First, Second
    Private a, b
    Public Sub Store(x, y)
        a = x : b = y
    End Sub
    Public Function Total()
        Total = a + b + First + Second
    End Function
End Class
Set p = New Pair
p.First = 1 : p.Second = 2
p.Store 10, 20
WScript.Echo p.Total()
'> 33
