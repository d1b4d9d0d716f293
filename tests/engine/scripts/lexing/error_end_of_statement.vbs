' Two expressions side by side with no operator between them.
WScript.Echo "never printed"
x = 1 2
'!error 1025 line 3 column 7 "Expected end of statement"
