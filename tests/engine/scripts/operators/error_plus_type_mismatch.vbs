' + with a non-numeric string and a number cannot add.
x = "5" + 1
WScript.Echo x
'> 6
y = "a" + 1
WScript.Echo "not reached"
'!error 13 line 5 column 1 "Type mismatch"
