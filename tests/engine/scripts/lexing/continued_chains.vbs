' A continued line that begins with a dot continues the chain before it.
Class Chain
    Public Count
    Public Function Ret()
        Count = Count + 1
        Set Ret = Me
    End Function
End Class
Set obj = New Chain
obj.Count = 0
obj.Ret() _
.Ret()
WScript.Echo obj.Count
'> 2
Set last = obj _
.Ret() _
.Ret()
WScript.Echo last.Count
'> 4
' Indented after the break, the dot is still a member of the With object.
With obj
    WScript.Echo _
        .Count
End With
'> 4
