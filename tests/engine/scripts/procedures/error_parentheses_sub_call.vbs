' A Sub called as a statement with two arguments in parentheses.
Sub Show(a, b)
    WScript.Echo a, b
End Sub
Show(1, 2)
'!error 1044 line 5 "Cannot use parentheses when calling a Sub"
