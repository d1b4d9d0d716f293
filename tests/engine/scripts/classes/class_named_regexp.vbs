' A script may declare a class named RegExp, but New RegExp still makes
' the engine's own, before and after the declaration and from ExecuteGlobal.
Set before = New RegExp
Class RegExp
    Public Pattern
    Public Function Mine()
        Mine = "mine"
    End Function
End Class
Set r = New RegExp
r.Pattern = "a+"
WScript.Echo TypeName(before), TypeName(r), r.Replace("caab", "x")
'> IRegExp2 IRegExp2 cxb
ExecuteGlobal "Set g = New regexp"
WScript.Echo TypeName(g)
'> IRegExp2
On Error Resume Next
WScript.Echo r.Mine()
WScript.Echo Err.Number
'> 438
