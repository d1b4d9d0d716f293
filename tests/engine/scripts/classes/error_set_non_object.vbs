' Set needs an object on its right side.
Dim x
Set x = 5
'!error 424 line 3 column 1
