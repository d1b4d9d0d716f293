' A bracketed expression may be called and have members.
Class Doubler
    Public Label
    Public Default Function Item(i) Item = 2 * i End Function
    Sub Greet(s) WScript.Echo "hello " & s End Sub
End Class
x = (New Doubler)(5)
y = (New Doubler).Label
WScript.Echo x, IsEmpty(y), (New Doubler).Item(4), ((New Doubler))(1)
'> 10 True 8 2
Call (New Doubler).Greet("you")
'> hello you
