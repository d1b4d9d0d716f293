' Dividing by zero at the top level stops the script at that statement.
WScript.Echo "before"
'> before
x = 10
y = x / 0
WScript.Echo "after"
'!error 11 line 5 column 1 "Division by zero"
