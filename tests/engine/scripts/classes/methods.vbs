' Methods can recurse, take ByRef arguments from the caller, and fail in Class_Initialize.
Class MathBox
    Public Function Power(b, e)
        If e = 0 Then
            Power = 1
        Else
            Power = b * Me.Power(b, e - 1)
        End If
    End Function
    Public Function Gcd(a, b)
        If b = 0 Then Gcd = a Else Gcd = Gcd(b, a Mod b)
    End Function
    Public Sub Swap(x, y)
        Dim t
        t = x : x = y : y = t
    End Sub
End Class
Set m = New MathBox
WScript.Echo m.Power(2, 10), m.Gcd(84, 36)
'> 1024 12
p = "left" : q = "right"
m.Swap p, q
WScript.Echo p, q
'> right left

' With New: the object lives for the With block only.
Class Noisy
    Public Tag
    Private Sub Class_Terminate()
        WScript.Echo "noisy gone"
    End Sub
End Class
With New Noisy
    .Tag = "temp"
    WScript.Echo .Tag
End With
'> temp
'> noisy gone

' An error in Class_Initialize reaches the statement with New; the variable is not set.
Class Fragile
    Private Sub Class_Initialize()
        Err.Raise 7000, "Fragile", "cannot build"
    End Sub
End Class
On Error Resume Next
Set f = New Fragile
WScript.Echo Err.Number, Err.Description, TypeName(f)
'> 7000 cannot build Empty
