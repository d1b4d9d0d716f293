Option Explicit
' With Option Explicit, assigning a name never declared stops the script.
Dim a
a = 1
WScript.Echo a
'> 1
b = 2
WScript.Echo "not reached"
'!error 500 line 7 column 1 "Variable is undefined: 'b'"
