' A Default member is used when the object stands where a value is needed.
Class Temperature
    Private mDegrees
    Public Default Property Get Degrees()
        Degrees = mDegrees
    End Property
    Public Property Let Degrees(v)
        mDegrees = v
    End Property
End Class
Set t = New Temperature
t.Degrees = 21
WScript.Echo "" & t, t + 1, CStr(t = 21)
'> 21 22 True

Class Greeter
    Public Default Function Greet(name)
        Greet = "hi " & name
    End Function
End Class
Set g = New Greeter
WScript.Echo g("Ann"), g.Greet("Bob")
'> hi Ann hi Bob
