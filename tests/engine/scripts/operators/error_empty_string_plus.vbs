' An empty string is not a number either.
x = "" + 1
'!error 13 line 2 column 1
