' Keywords, built-in names and user names match whatever their case.
DIM Counter
counter = 1
COUNTER = CoUnTeR + 1
wscript.echo Counter
'> 2

IF counter = 2 THEN wscript.ECHO "upper-case If"
'> upper-case If

Function AddOne(Value)
    addone = VALUE + 1
END function
WScript.Echo ADDONE(41), addOne(1)
'> 42 2

Sub SHOUT(text)
    WScript.Echo UCASE(Text)
End Sub
shout "quiet"
'> QUIET

' A name differing only in case is the same variable, not a redefinition.
Dim total
TOTAL = 10
Total = total + 5
WScript.Echo tOtAl
'> 15

' Class, property and member names too.
Class Point
    Public X
End Class
Set p = NEW point
p.x = 7
WScript.Echo P.X
'> 7
