' Is needs objects on both sides.
x = "hello"
If x Is Nothing Then WScript.Echo "no"
'!error 424 line 3 column 1
