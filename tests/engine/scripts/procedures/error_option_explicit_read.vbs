Option Explicit
' Reading an undeclared name inside a procedure is the same error, at the reading statement.
Dim result
Sub Compute()
    Dim local1
    local1 = 2
    result = local1 + missing
End Sub
Compute
'!error 500 line 7 column 5 "Variable is undefined: 'missing'"
