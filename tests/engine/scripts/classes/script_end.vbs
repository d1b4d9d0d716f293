' At the end of the script its variables go in the order they were declared,
' so a Class_Terminate still sees those declared after its holder; the named
' objects (WScript) stay till the last.
Class Holder
    Public name
    Sub Class_Terminate()
        WScript.Echo "end of " & name & ": first " & TypeName(first) & ", last " & TypeName(last)
    End Sub
End Class
Dim first, middle, last
Set first = New Holder : first.name = "first"
Set middle = New Holder : middle.name = "middle"
Set last = New Holder : last.name = "last"

' Objects that only hold each other get their Class_Terminate too, in the
' order they were made, while their fields are still set.
Class Node
    Public other, name
    Sub Class_Terminate()
        WScript.Echo "cycle " & name & " holds " & other.name
    End Sub
End Class
Set a = New Node : a.name = "a"
Set b = New Node : b.name = "b"
Set a.other = b : Set b.other = a
Set a = Nothing : Set b = Nothing
Set self = New Node : self.name = "self" : Set self.other = self
Set self = Nothing

' A Class_Terminate that stores a new object in a global: the new one is
' released by a later sweep, at most eight times in all.
Class Again
    Sub Class_Terminate()
        WScript.Echo "again"
        Set renewed = New Again
    End Sub
End Class
Set renewed = New Again

' A Class_Terminate may still run code that defines globals.
Class Definer
    Sub Class_Terminate()
        ExecuteGlobal "Dim lateGlobal : lateGlobal = Eval(""6 * 7"")"
        WScript.Echo "defined " & lateGlobal
    End Sub
End Class
Set lateDefiner = New Definer
WScript.Echo "script ends"
'> script ends
'> end of first: first Empty, last Holder
'> end of middle: first Empty, last Holder
'> end of last: first Empty, last Empty
'> again
'> defined 42
'> cycle a holds b
'> cycle b holds a
'> cycle self holds self
'> again
'> again
'> again
'> again
'> again
'> again
'> again
