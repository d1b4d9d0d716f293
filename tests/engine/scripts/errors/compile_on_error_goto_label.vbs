' Only On Error Resume Next and On Error GoTo 0 exist; a GoTo to a label is a syntax error.
On Error GoTo Handler
x = 1
'!error 1002 line 2 "Syntax error"
